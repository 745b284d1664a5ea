#include "elements/stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/writer.h"

FileFaultHook fileFaultHook = nullptr;

void StringOutputStream::write(const void* data, std::size_t size) {
    bytes_.append(static_cast<const char*>(data), size);
}

std::size_t MemoryInputStream::read(void* data, std::size_t size) {
    const std::size_t n = std::min(size, bytes_.size() - pos_);
    std::memcpy(data, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
}

std::string systemReason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Das System kann den angegebenen Pfad nicht finden.";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert.";
        case EISDIR:
            return "Der Name bezeichnet ein Verzeichnis.";
        case ENOTDIR:
            return "Ein Teil des Pfades ist kein Verzeichnis.";
        case EROFS:
            return "Das Medium ist schreibgeschützt.";
        case ENOSPC:
            return "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang.";
        case EFBIG:
            return "Die Datei ist zu groß.";
        case EIO:
            return "Fehler bei der Ein- oder Ausgabe.";
        case EDQUOT:
            return "Das Speicherkontingent ist erschöpft.";
        case ELOOP:
            return "Zu viele symbolische Verknüpfungen.";
        case EMFILE:
        case ENFILE:
            return "Zu viele geöffnete Dateien.";
        default:
            return std::strerror(errorNumber);
    }
}

namespace {
// The buffer of the file below the writer's and reader's own 4000 bytes: a
// file of tens of thousands of elements then costs tens of system calls
// instead of hundreds.
constexpr std::size_t kFileBuffer = 64 * 1024;

[[noreturn]] void cannotCreate(const std::string& fileName, int errorNumber) {
    throw FileError("Datei \"" + fileName + "\" kann nicht erstellt werden. " +
                    systemReason(errorNumber));
}

// "Stream-Schreibfehler", with the system's reason on a second line.
[[noreturn]] void writeFailed(int errorNumber) {
    throw FileError(std::string(errtext::writeError) + "\n" + systemReason(errorNumber));
}

FileFault injected(FileCall call) { return fileFaultHook ? fileFaultHook(call) : FileFault{}; }

// Runs a system call that returns 0 on success, unless the fault hook fails
// it first. Returns 0 or the error number.
template <typename Run>
int attempt(FileCall call, Run&& run) {
    if (const int error = injected(call).error) return error;
    return run() == 0 ? 0 : errno;
}

std::string directoryOf(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}
}  // namespace

std::string fileBehindLinks(const std::string& fileName) {
    std::string name = fileName;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
        std::string link(PATH_MAX, '\0');
        const ssize_t size = ::readlink(name.c_str(), link.data(), link.size());
        if (size < 0) return name;
        link.resize(static_cast<std::size_t>(size));
        name = !link.empty() && link.front() == '/' ? link : directoryOf(name) + "/" + link;
    }
    errno = ELOOP;
    return {};
}

FileOutputStream::FileOutputStream(const std::string& fileName)
    : target_(fileBehindLinks(fileName)) {
    if (target_.empty()) cannotCreate(fileName, ELOOP);
    struct stat old {};
    const bool exists = ::stat(target_.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) cannotCreate(fileName, EISDIR);
    if (exists && !S_ISREG(old.st_mode)) {
        throw FileError("Datei \"" + fileName + "\" kann nicht erstellt werden. " +
                        errtext::notRegularFile);
    }
    if (exists && ::access(target_.c_str(), W_OK) != 0) cannotCreate(fileName, errno);
    if (!exists && errno != ENOENT) cannotCreate(fileName, errno);

    // The new file lies beside the target so that the final rename stays on
    // one file system and replaces the target in one step. It is made without
    // a name where the file system can (O_TMPFILE), so that nothing is left
    // behind when the program ends before commit(); it gets a name only there.
    // Elsewhere it is a hidden named file, removed again on every failure.
    const std::string folder = directoryOf(target_);
    int fd = -1;
    if (::access("/proc/self/fd", X_OK) == 0) {
        if (const int error = injected(FileCall::openUnnamed).error) {
            errno = error;
        } else {
            fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        }
    }
    if (fd < 0) {
        std::string pattern = folder + "/.tessaro-XXXXXX";
        if (const int error = injected(FileCall::openNamed).error) {
            errno = error;
        } else {
            fd = ::mkstemp(pattern.data());
        }
        if (fd < 0) {
            const int error = errno;
            // A writable file in a folder this user may not write: it is
            // written in place, once the whole content is known.
            if (exists && (error == EACCES || error == EPERM)) {
                inPlace_ = true;
                return;
            }
            cannotCreate(fileName, error);
        }
        temp_ = pattern;
    }
    mode_t mode;
    if (exists) {
        // The replacement keeps the old file's owner and group where the
        // system lets this user give them (root may; others get EPERM for a
        // foreign owner and keep their own). Set before the mode, which a
        // change of owner may clear bits of.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) {
            const int error = errno;
            ::close(fd);
            if (!temp_.empty()) ::unlink(temp_.c_str());
            cannotCreate(fileName, error);
        }
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        const int error = errno;
        ::close(fd);
        if (!temp_.empty()) ::unlink(temp_.c_str());
        cannotCreate(fileName, error);
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(kFileBuffer);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kFileBuffer);
}

FileOutputStream::~FileOutputStream() {
    if (file_) {
        std::fclose(file_);
        if (!temp_.empty()) ::unlink(temp_.c_str());
    }
}

void FileOutputStream::write(const void* data, std::size_t size) {
    if (inPlace_) {
        pending_.append(static_cast<const char*>(data), size);
        return;
    }
    if (const FileFault fault = injected(FileCall::write); fault.error) {
        if (fault.partial) std::fwrite(data, 1, size / 2, file_);
        writeFailed(fault.error);
    }
    if (std::fwrite(data, 1, size, file_) != size) writeFailed(errno);
}

void FileOutputStream::commit() {
    if (inPlace_) {
        writeInPlace();
        return;
    }
    int error = attempt(FileCall::flush, [this] { return std::fflush(file_); });
    if (!error) error = attempt(FileCall::sync, [this] { return ::fsync(::fileno(file_)); });
    if (!error && temp_.empty()) error = nameTemporary(::fileno(file_));
    // Closed in every case; its failure counts when nothing failed before.
    const int closeFault = injected(FileCall::close).error;
    if (std::fclose(file_) != 0 && !error) error = errno;
    if (closeFault && !error) error = closeFault;
    file_ = nullptr;
    if (!error) {
        error =
            attempt(FileCall::rename, [this] { return ::rename(temp_.c_str(), target_.c_str()); });
    }
    if (error) {
        if (!temp_.empty()) ::unlink(temp_.c_str());
        writeFailed(error);
    }
}

// The old file is opened only now, with the whole content in memory, so that
// only a failure of the write itself can leave it damaged; that failure says
// so on a third line.
void FileOutputStream::writeInPlace() {
    if (const int error = injected(FileCall::openTarget).error) writeFailed(error);
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) writeFailed(errno);
    int error = 0;
    std::size_t done = 0;
    while (done < pending_.size()) {
        if (const FileFault fault = injected(FileCall::write); fault.error) {
            const std::size_t half = (pending_.size() - done) / 2;
            if (fault.partial && ::write(fd, pending_.data() + done, half) < 0) {
                // The injected error is the one reported.
            }
            error = fault.error;
            break;
        }
        const ssize_t n = ::write(fd, pending_.data() + done, pending_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!error) {
        error = attempt(FileCall::truncate,
                        [&] { return ::ftruncate(fd, static_cast<off_t>(pending_.size())); });
    }
    if (!error) error = attempt(FileCall::sync, [fd] { return ::fsync(fd); });
    const int closeFault = injected(FileCall::close).error;
    if (::close(fd) != 0 && !error) error = errno;
    if (closeFault && !error) error = closeFault;
    if (error) {
        throw FileError(std::string(errtext::writeError) + "\n" + systemReason(error) +
                        "\nDie Datei wurde an ihrem Platz überschrieben und ist jetzt "
                        "möglicherweise unvollständig.");
    }
}

// Gives the complete unnamed file a hidden name beside the target, from
// which it is renamed over the target. Returns 0 or the error number.
int FileOutputStream::nameTemporary(int fd) {
    if (const int error = injected(FileCall::link).error) return error;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    // Seeded once per run instead of on every save, which each time asked
    // the system for entropy and set up a fresh generator. A name that is
    // taken (EEXIST) is simply followed by the next one.
    static std::mt19937 numbers{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%06x", static_cast<unsigned>(numbers() & 0xFFFFFF));
        const std::string name = directoryOf(target_) + "/.tessaro-" + suffix;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temp_ = name;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

FileInputStream::FileInputStream(const std::string& fileName) {
    // Opened without blocking, so that a named pipe or a device returns at
    // once and is refused below instead of waiting for a writer.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    struct stat info {};
    if (!error && ::fstat(fd, &info) != 0) error = errno;
    std::string reason;
    if (!error && S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (!error && !S_ISREG(info.st_mode)) {
        reason = errtext::notRegularFile;
    }
    if (!error && reason.empty()) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        file_ = ::fdopen(fd, "rb");
        if (!file_) {
            error = errno;
        } else {
            buffer_ = std::make_unique_for_overwrite<char[]>(kFileBuffer);
            std::setvbuf(file_, buffer_.get(), _IOFBF, kFileBuffer);
        }
    }
    if (error || !reason.empty()) {
        if (fd >= 0) ::close(fd);
        if (reason.empty()) reason = systemReason(error);
        throw FileError("Datei " + fileName + " kann nicht geöffnet werden. " + reason);
    }
}

FileInputStream::~FileInputStream() {
    if (file_) std::fclose(file_);
}

std::size_t FileInputStream::read(void* data, std::size_t size) {
    const FileFault fault = injected(FileCall::read);
    if (fault.error) throw FileError(errtext::readError);
    const std::size_t n = std::fread(data, 1, fault.partial ? (size + 1) / 2 : size, file_);
    if (n == 0 && std::ferror(file_)) throw FileError(errtext::readError);
    return n;
}

void saveToFile(const std::string& fileName, const std::function<void(TWriter&)>& save) {
    FileOutputStream out(fileName);
    {
        TWriter writer(out);
        save(writer);
        writer.flush();
    }
    out.commit();
}

void writeWholeFile(const std::string& fileName, std::string_view bytes) {
    FileOutputStream out(fileName);
    // In pieces, so that a fault in the middle leaves part of the bytes
    // written, as it would on a real disk.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    for (std::size_t at = 0; at < bytes.size(); at += kPiece)
        out.write(bytes.data() + at, std::min(kPiece, bytes.size() - at));
    out.commit();
}

void loadFromFile(const std::string& fileName, const std::function<void(TReader&)>& load) {
    FileInputStream in(fileName);
    TReader reader(in);
    load(reader);
}
