// Byte streams under TWriter and TReader, and the two file operations every
// container uses: saving a file (replaced only when completely written) and
// loading one.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TWriter;
class TReader;

// The system calls of FileOutputStream and FileInputStream through which a
// test makes a file operation fail at a chosen point.
enum class FileCall {
    openUnnamed,  // the new file without a name (O_TMPFILE); on failure a named one is made
    openNamed,    // the new file with a hidden name; on EACCES or EPERM: written in place
    write,        // one write() of the stream, or in place one write of the content
    flush,        // commit(): the buffered bytes to the system
    sync,         // commit(): the bytes to the disk
    link,         // commit(): the unnamed file gets its name
    close,        // commit(): the new file is closed
    rename,       // commit(): the new file replaces the target
    openTarget,   // in place: the old file opened for writing
    truncate,     // in place: the old file cut to the new length
    read,         // one read() of an input stream
};

// What a FileFaultHook makes of one call: error is the error number the call
// fails with (0: it succeeds). partial halves the call first: a write puts out
// only the first half of its bytes before it fails (a short write), a read
// without error returns only the first half of what it would (a short read).
struct FileFault {
    int error = 0;
    bool partial = false;
};

// Asked before each FileCall when set; null (the program's setting) makes no
// fault. One thread, like the rest of the program.
using FileFaultHook = FileFault (*)(FileCall call);
extern FileFaultHook fileFaultHook;

class OutputStream {
public:
    virtual ~OutputStream() = default;
    // Writes all bytes or throws FileError("Stream-Schreibfehler"; a file
    // adds the system's reason on a second line).
    virtual void write(const void* data, std::size_t size) = 0;
};

class InputStream {
public:
    virtual ~InputStream() = default;
    // Reads up to size bytes; returns how many, 0 only at the end.
    virtual std::size_t read(void* data, std::size_t size) = 0;
};

class StringOutputStream final : public OutputStream {
public:
    void write(const void* data, std::size_t size) override;
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class MemoryInputStream final : public InputStream {
public:
    // The bytes are lent and must outlive the stream.
    explicit MemoryInputStream(std::string_view bytes) : bytes_(bytes) {}
    std::size_t read(void* data, std::size_t size) override;

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A file being written: the bytes go to a new file beside the target, which
// replaces the target only in commit(). Until then the old file is untouched;
// destroying the stream without commit removes the new file, and where the
// file system allows, the new file has no name before commit(), so not even
// an interrupted program leaves it behind. A name that is
// a symbolic link writes the file the link leads to (through any chain of
// links); the links stay. Only a regular file is replaced; its replacement
// gets its permissions and, where the system allows, its owner and group.
//
// A writable file in a folder where no new file can be made is written in
// place instead: the bytes are kept in memory and written over the old file
// in commit(), so only an I/O failure of that write can damage it; such a
// failure says so ("Stream-Schreibfehler", the reason, and that the file
// may now be incomplete).
class FileOutputStream final : public OutputStream {
public:
    // Fails with "Datei "%s" kann nicht erstellt werden. %s".
    explicit FileOutputStream(const std::string& fileName);
    ~FileOutputStream() override;
    FileOutputStream(const FileOutputStream&) = delete;
    FileOutputStream& operator=(const FileOutputStream&) = delete;

    void write(const void* data, std::size_t size) override;
    // Flushes to disk and renames over the target; fails with
    // "Stream-Schreibfehler" and, on a second line, the system's reason.
    void commit();

private:
    int nameTemporary(int fd);
    void writeInPlace();

    std::string target_;              // the file replaced, links resolved
    std::string temp_;                // the new file's name; empty while it has none
    std::unique_ptr<char[]> buffer_;  // file_'s buffer, released after it
    std::FILE* file_ = nullptr;
    bool inPlace_ = false;
    std::string pending_;  // in place: everything written so far
};

class FileInputStream final : public InputStream {
public:
    // Fails with "Datei %s kann nicht geöffnet werden. %s"; anything but a
    // regular file (a folder, a named pipe, a device) is refused before any
    // byte is read, and opening never waits for a pipe's writer.
    explicit FileInputStream(const std::string& fileName);
    ~FileInputStream() override;
    FileInputStream(const FileInputStream&) = delete;
    FileInputStream& operator=(const FileInputStream&) = delete;

    std::size_t read(void* data, std::size_t size) override;

private:
    std::unique_ptr<char[]> buffer_;  // file_'s buffer, released after it
    std::FILE* file_ = nullptr;
};

// Creates fileName with a 4000-byte-buffered writer, runs save, flushes and
// replaces the file. On any error the old file stays as it was.
void saveToFile(const std::string& fileName, const std::function<void(TWriter&)>& save);
// Writes bytes as the whole new content of fileName the way saveToFile does:
// the old file is replaced only when the new one is complete, and on any
// error it stays as it was (FileError with the German reason). Every file
// the program writes besides the structures (pictures, handouts, prints to
// a file) goes this way.
void writeWholeFile(const std::string& fileName, std::string_view bytes);
// Opens fileName for reading with a 4000-byte-buffered reader and runs load.
void loadFromFile(const std::string& fileName, const std::function<void(TReader&)>& load);

// The file a name leads to: symbolic links (also chains of them, and relative
// ones, which count from the link's folder) are followed to the first name
// that is no link, which need not exist. Empty, with errno ELOOP, for a loop
// of links. A save replaces that file and leaves the links as they are.
std::string fileBehindLinks(const std::string& fileName);

// The German wording of a system error number, for the file messages.
std::string systemReason(int errorNumber);
