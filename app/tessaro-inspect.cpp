// tessaro-inspect: checks structure files from the command line, without
// windows (see workbench/inspectcommand.h and tessaro-inspect.1). Built with
// Qt GUI it also writes a page's picture (--picture); Qt is started only for
// that, on the offscreen platform unless another one is asked for.
#include <iostream>
#include <string>
#include <vector>

#include "workbench/inspectcommand.h"

#ifdef TESSARO_PICTURE
#include "ui/platform/inspectpictures.h"
#endif

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#ifdef TESSARO_PICTURE
    InspectPictures pictures;
    const int status = inspect::run(args, std::cout, std::cerr, &pictures.output());
#else
    const int status = inspect::run(args, std::cout, std::cerr);
#endif
    std::cout.flush();
    return std::cout ? status : inspect::kSomeRefused;
}
