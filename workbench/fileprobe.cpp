#include "workbench/fileprobe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "elements/errors.h"
#include "elements/stream.h"

namespace fileprobe {

namespace {

// Creates a uniquely named file in the folder and removes it again; 0 or the
// error number.
int createIn(const std::filesystem::path& folder) {
    std::random_device seed;
    std::mt19937 names(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto probe = folder / (".tessaro-probe-" + std::to_string(names()));
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

}  // namespace

std::string refusal(const std::string& fileName) {
    if (fileName.empty()) return systemReason(ENOENT);
    if (!std::filesystem::path(fileName).has_filename()) return systemReason(EISDIR);
    const std::string target = fileBehindLinks(fileName);
    if (target.empty()) return systemReason(ELOOP);

    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode)) return systemReason(EISDIR);
        if (!S_ISREG(info.st_mode)) return errtext::notRegularFile;
        if (::access(target.c_str(), W_OK) != 0) return systemReason(errno);
    } else if (errno != ENOENT) {
        return systemReason(errno);
    }

    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty()) folder = ".";
    const int error = createIn(folder);
    if (error == 0 || (exists && (error == EACCES || error == EPERM))) return {};
    return systemReason(error);
}

bool canWrite(const std::string& fileName) { return refusal(fileName).empty(); }

}  // namespace fileprobe
