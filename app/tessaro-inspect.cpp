// tessaro-inspect: checks structure files from the command line, without
// windows (see workbench/inspectcommand.h and tessaro-inspect.1).
#include <iostream>
#include <string>
#include <vector>

#include "workbench/inspectcommand.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = inspect::run(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : inspect::kSomeRefused;
}
