// Saving and loading through files: the old file survives every failure.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"

namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessaro-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void put(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path dir_;
};

TEST_F(Files, SaveWritesTheValuesAndLoadReadsThem) {
    saveToFile(path("a.ldt"), [](TWriter& w) {
        w.writeInteger(1);
        w.writeString("abc");
    });
    EXPECT_EQ(contents(path("a.ldt")), std::string("\x02\x01\x06\x03"
                                                   "abc",
                                                   7));
    loadFromFile(path("a.ldt"), [](TReader& r) {
        EXPECT_EQ(r.readInteger(), 1);
        EXPECT_EQ(r.readString(), "abc");
    });
    EXPECT_EQ(entries(), 1u);  // nothing left beside it
}

TEST_F(Files, TheNewFileHasNoNameUntilItIsComplete) {
    // What an interrupted program would leave: the folder as seen while the
    // content is being written.
    put(path("old.ldt"), "old");
    std::size_t during = 0;
    saveToFile(path("old.ldt"), [&](TWriter& w) {
        w.writeInteger(1);
        w.flush();
        during = entries();
    });
    EXPECT_EQ(during, 1u);
    saveToFile(path("new.ldt"), [&](TWriter&) { during = entries(); });
    EXPECT_EQ(during, 1u);
    EXPECT_EQ(contents(path("old.ldt")), "\x02\x01");
    EXPECT_EQ(entries(), 2u);
}

TEST_F(Files, AFailedSaveLeavesTheOldFileAsItWas) {
    put(path("old.ldt"), "precious");
    EXPECT_THROW(saveToFile(path("old.ldt"),
                            [](TWriter& w) {
                                w.writeInteger(5);
                                throw FileError("Abbruch");
                            }),
                 FileError);
    EXPECT_EQ(contents(path("old.ldt")), "precious");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(Files, MissingFilesAndFoldersGiveTheGermanTexts) {
    try {
        loadFromFile(path("none.ldt"), [](TReader&) {});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei " + path("none.ldt") +
                                             " kann nicht geöffnet werden. Das System kann den "
                                             "angegebenen Pfad nicht finden.");
    }
    try {
        saveToFile(path("no/such/dir.ldt"), [](TWriter&) {});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei \"" + path("no/such/dir.ldt") +
                                             "\" kann nicht erstellt werden. Das System kann "
                                             "den angegebenen Pfad nicht finden.");
    }
    try {
        saveToFile(dir_.string(), [](TWriter&) {});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei \"" + dir_.string() +
                                             "\" kann nicht erstellt werden. Der Name "
                                             "bezeichnet ein Verzeichnis.");
    }
}

TEST_F(Files, OnlyRegularFilesAreLoaded) {
    ASSERT_EQ(::mkfifo(path("pipe.ldt").c_str(), 0600), 0);
    for (const std::string& name : {path("pipe.ldt"), std::string("/dev/null")}) {
        try {
            loadFromFile(name, [](TReader&) { ADD_FAILURE() << "read"; });
            ADD_FAILURE() << name;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Datei " + name +
                                                 " kann nicht geöffnet werden. Der Name "
                                                 "bezeichnet keine gewöhnliche Datei.");
        }
    }
}

TEST_F(Files, AFailedWriteSaysWhy) {
    put(path("big.ldt"), "old");
    // Files may grow to 100 bytes only; the write then fails with EFBIG.
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 100;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        saveToFile(path("big.ldt"), [](TWriter& w) { w.writeString(std::string(5000, 'x')); });
    } catch (const FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message, "Stream-Schreibfehler\nDie Datei ist zu groß.");
    EXPECT_EQ(contents(path("big.ldt")), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(Files, SavingThroughLinksWritesTheFileTheyLeadToAndKeepsThem) {
    put(path("real.ldt"), "old");
    fs::permissions(path("real.ldt"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(path("sub"));
    fs::create_symlink("real.ldt", path("link.ldt"));        // relative
    fs::create_symlink("../link.ldt", path("sub/chain"));    // relative, in another folder
    fs::create_symlink(path("sub/chain"), path("abs.ldt"));  // absolute, to a chain
    saveToFile(path("abs.ldt"), [](TWriter& w) { w.writeInteger(3); });
    EXPECT_EQ(contents(path("real.ldt")), "\x02\x03");
    EXPECT_EQ(fs::status(path("real.ldt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(fs::is_symlink(path("abs.ldt")));
    EXPECT_TRUE(fs::is_symlink(path("sub/chain")));
    EXPECT_TRUE(fs::is_symlink(path("link.ldt")));
    EXPECT_EQ(entries(), 4u);
    // A link to a file not there yet makes that file.
    fs::create_symlink("new.ldt", path("dangling.ldt"));
    saveToFile(path("dangling.ldt"), [](TWriter& w) { w.writeInteger(4); });
    EXPECT_EQ(contents(path("new.ldt")), "\x02\x04");
    EXPECT_TRUE(fs::is_symlink(path("dangling.ldt")));
}

TEST_F(Files, AWritableFileInAFolderWithoutWriteAccessIsWrittenInPlace) {
    put(path("open.ldt"), "old content, longer than the new");
    fs::permissions(path("open.ldt"), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::group_write |
                                          fs::perms::others_read | fs::perms::others_write);
    // Root may write every folder: the save then runs as nobody, for whom
    // the folder (root's, 0755) is not writable but the file is.
    const bool root = ::geteuid() == 0;
    fs::permissions(dir_, root ? fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec
                               : fs::perms::owner_read | fs::perms::owner_exec);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        try {
            saveToFile(path("open.ldt"), [](TWriter& w) { w.writeInteger(7); });
        } catch (const FileError&) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contents(path("open.ldt")), "\x02\x07");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(Files, AReplacedFileKeepsItsPermissions) {
    put(path("mode.ldt"), "x");
    fs::permissions(path("mode.ldt"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveToFile(path("mode.ldt"), [](TWriter& w) { w.writeBoolean(true); });
    EXPECT_EQ(contents(path("mode.ldt")), "\x09");
    EXPECT_EQ(fs::status(path("mode.ldt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Files, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    put(path("theirs.ldt"), "x");
    ASSERT_EQ(::chown(path("theirs.ldt").c_str(), 65534, 65534), 0);
    saveToFile(path("theirs.ldt"), [](TWriter& w) { w.writeBoolean(true); });
    struct stat info {};
    ASSERT_EQ(::stat(path("theirs.ldt").c_str(), &info), 0);
    EXPECT_EQ(contents(path("theirs.ldt")), "\x09");
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(Files, APathThroughAFileIsReportedWithItsReason) {
    put(path("plain"), "old");
    try {
        saveToFile(path("plain") + "/x.ldt", [](TWriter&) {});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei \"" + path("plain") +
                                             "/x.ldt\" kann nicht erstellt werden. Ein Teil des "
                                             "Pfades ist kein Verzeichnis.");
    }
    EXPECT_EQ(contents(path("plain")), "old");
    EXPECT_EQ(entries(), 1u);
}

}  // namespace
