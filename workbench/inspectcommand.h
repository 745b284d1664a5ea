// The command line of tessaro-inspect: options, file and folder names,
// output and exit status. Qt-free; app/tessaro-inspect.cpp only calls run.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class Surface;
struct PagePicture;

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
    // --picture: the PNG or SVG file for the picture of the one file given.
    std::string picture;
    // Files and folders in the order given.
    std::vector<std::string> names;
};

// Reads the arguments after the program name into options: short options
// (also bundled, "-sj"), long ones, "--" ends the options and a lone "-" is a
// name. Returns "" or the German text of the usage error.
std::string parseOptions(const std::vector<std::string>& args, Options& options);

// What writes a page's picture into a file (the program lends one built on
// Qt GUI): measure gives the text widths of the layout, write writes the
// PNG (at scale 1, scaled down to structurepicture::kMostPixels) or SVG file
// named and returns "" or why it could not (German).
struct PictureOutput {
    std::function<Surface*()> measure;
    std::function<std::string(const PagePicture&, const std::string& fileName)> write;
};

// The whole program: one summary line (with --show followed by the structure,
// indented two blanks), or with --json one JSON object, per file, on out;
// usage errors on err. A folder stands for its files with one of the seven
// extensions, sorted by name, without subfolders. With --picture the one
// file's page picture is written through pictures (lent; without it the
// option is a usage error); a refused file gets no picture, and a PNG scaled
// down to the limit is noted on err. Returns kAllValid, kSomeRefused (a file
// refused, a name of no known type, a folder that cannot be read or holds no
// structure file, a picture that could not be written) or kUsageError.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const PictureOutput* pictures = nullptr);

}  // namespace inspect
