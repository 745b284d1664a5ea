// The command line of tessaro-inspect: options, file and folder names,
// output and exit status. Qt-free; app/tessaro-inspect.cpp only calls run.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace inspect {

// Exit status of run.
inline constexpr int kAllValid = 0;
inline constexpr int kSomeRefused = 1;
inline constexpr int kUsageError = 2;

struct Options {
    bool show = false;
    bool json = false;
    bool help = false;
    bool version = false;
    // Files and folders in the order given.
    std::vector<std::string> names;
};

// Reads the arguments after the program name into options: short options
// (also bundled, "-sj"), long ones, "--" ends the options and a lone "-" is a
// name. Returns "" or the German text of the usage error.
std::string parseOptions(const std::vector<std::string>& args, Options& options);

// The whole program: one summary line (with --show followed by the structure,
// indented two blanks), or with --json one JSON object, per file, on out;
// usage errors on err. A folder stands for its files with one of the seven
// extensions, sorted by name, without subfolders. Returns kAllValid,
// kSomeRefused (a file refused, a name of no known type, a folder that cannot
// be read) or kUsageError.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace inspect
