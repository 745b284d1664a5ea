// The small Qt-free helpers behind the pages: dialog filters, the file probe,
// the line collector and the random source.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "workbench/dialogfilter.h"
#include "workbench/fileprobe.h"
#include "workbench/linecollector.h"
#include "workbench/randomsource.h"
#include "workbench/structurefiles.h"

namespace fs = std::filesystem;

TEST(DialogFilter, PairsBecomeQtFilterEntries) {
    EXPECT_EQ(dialogfilter::toQtFilter("Listen (*.ldt)|*.ldt"), "Listen (*.ldt)");
    EXPECT_EQ(dialogfilter::toQtFilter("Binäre Suchbäume (*.tdt)|*.tdt"),
              "Binäre Suchbäume (*.tdt)");
    EXPECT_EQ(dialogfilter::toQtFilter("Listen|*.ldt"), "Listen (*.ldt)");
    EXPECT_EQ(dialogfilter::toQtFilter("Listen (*.ldt)|*.ldt|Alle|*.*"),
              "Listen (*.ldt);;Alle (*.*)");
    EXPECT_EQ(dialogfilter::toQtFilter("Texte|*.txt;*.text"), "Texte (*.txt *.text)");
    EXPECT_EQ(dialogfilter::toQtFilter("Nur Text"), "Nur Text");
}

TEST(StructureFiles, TheTypeFollowsTheLastExtensionOfTheLastNameComponent) {
    using structurefiles::Kind;
    const struct {
        const char* name;
        const char* page;  // null: no type
    } cases[] = {
        {"a.ldt", "Liste"},    {"/tmp/b.kdt", "Keller"}, {"c.SDT", "Schlange"},
        {"d.Tdt", "Suchbaum"}, {"e.adt", "AVL-Baum"},    {"f.bdt", "BayerBaum"},
        {".ndt", "NBaum"},     {"x.ldt.bak", nullptr},   {"x.ldtx", nullptr},
        {"x.ld", nullptr},     {"ldt", nullptr},         {"ordner.ldt/datei", nullptr},
        {"", nullptr},         {"x.", nullptr},          {"x.ldt ", nullptr},
    };
    for (const auto& c : cases) {
        const structurefiles::FileType* type = structurefiles::typeOf(c.name);
        if (c.page) {
            ASSERT_NE(type, nullptr) << c.name;
            EXPECT_STREQ(type->page, c.page) << c.name;
        } else {
            EXPECT_EQ(type, nullptr) << c.name;
        }
    }
    EXPECT_EQ(structurefiles::typeOf("z.ndt"), &structurefiles::type(Kind::ntree));
}

class FileProbe : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessaro-probe-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

TEST_F(FileProbe, NewFileInWritableFolderIsWritableAndNothingIsLeftBehind) {
    EXPECT_TRUE(fileprobe::canWrite((dir_ / "neu.ldt").string()));
    EXPECT_EQ(entries(), 0u);
    EXPECT_FALSE(fs::exists(dir_ / "neu.ldt"));
}

TEST_F(FileProbe, ExistingFileIsNeitherEmptiedNorChanged) {
    const fs::path file = dir_ / "alt.ldt";
    std::ofstream(file, std::ios::binary) << "\x02\x01\x06\x07TString\x06\x01"
                                             "a";
    const auto before = fs::file_size(file);
    EXPECT_TRUE(fileprobe::canWrite(file.string()));
    EXPECT_EQ(fs::file_size(file), before);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileProbe, MissingFolderDirectoryNameAndEmptyNameAreRefused) {
    EXPECT_FALSE(fileprobe::canWrite((dir_ / "fehlt" / "x.ldt").string()));
    EXPECT_FALSE(fileprobe::canWrite(dir_.string()));
    EXPECT_FALSE(fileprobe::canWrite(""));
    EXPECT_EQ(fileprobe::refusal((dir_ / "fehlt" / "x.ldt").string()),
              "Das System kann den angegebenen Pfad nicht finden.");
    EXPECT_EQ(fileprobe::refusal(dir_.string()), "Der Name bezeichnet ein Verzeichnis.");
}

TEST_F(FileProbe, ReadOnlyFolderIsRefusedUnlessRunAsRoot) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool root = ::geteuid() == 0;
    EXPECT_EQ(fileprobe::canWrite((dir_ / "x.ldt").string()), root);
}

TEST(LineCollector, JoinsLinesWithoutAFinalBreakAndAppendsToTheLastLine) {
    LineCollector lines;
    EXPECT_EQ(lines.text(), "");
    lines.addLine("c");
    lines.addLine("");
    lines.addLine("a");
    lines.appendText("  <--");
    EXPECT_EQ(lines.text(), "c\n\na  <--");
    EXPECT_EQ(lines.lineCount(), 3);
    lines.setText("x\ny");
    EXPECT_EQ(lines.lineCount(), 2);
    LineCollector appended;
    appended.appendText("x");
    EXPECT_EQ(appended.lineCount(), 1);
}

TEST(RandomSource, SeededSourcesRepeatAndStayInRangeAndReachBothEnds) {
    RandomSource a(42);
    RandomSource b(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = a.uniform(1, 8);
        EXPECT_EQ(v, b.uniform(1, 8));
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 8);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_EQ(a.uniform(0, 0), 0);
}
