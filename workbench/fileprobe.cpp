#include "workbench/fileprobe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

namespace fileprobe {

namespace {

// Creates a uniquely named file in the folder and removes it again.
bool canCreateIn(const std::filesystem::path& folder) {
    std::random_device seed;
    std::mt19937 names(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto probe = folder / (".tessaro-probe-" + std::to_string(names()));
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace

bool canWrite(const std::string& fileName) {
    if (fileName.empty()) return false;
    const std::filesystem::path path(fileName);
    if (!path.has_filename()) return false;

    struct stat info {};
    if (::stat(fileName.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return false;
        if (::access(fileName.c_str(), W_OK) != 0) return false;
    } else if (errno != ENOENT) {
        return false;
    }

    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    return canCreateIn(folder);
}

}  // namespace fileprobe
