// Files named on the command line (tessaro FILE...): each opens on the page of
// its extension as that page's Load opens it, refusals show the page's own
// message, folders and unknown extensions their own, and the last file's page
// stays in front. The window is built as the program builds it: only the page
// in front at first, every other page when a file needs it.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTabWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/searchtreedemo.h"
#include "elements/errors.h"
#include "tests/support/hex.h"
#include "tests/ui/pagefixture.h"
#include "trees/ntree.h"
#include "ui/pages/tform1.h"
#include "workbench/structurefiles.h"

namespace {

using Lines = std::vector<std::string>;

// Class names as the files store them: tag 06, length, letters.
const std::string kString = "06 07 54 53 74 72 69 6E 67 ";
const std::string kInteger = "06 08 54 49 6E 74 65 67 65 72 ";
const std::string kTreeInteger = "06 0C 54 54 72 65 65 49 6E 74 65 67 65 72 ";
const std::string kLifoString = "06 0B 54 4C 69 66 6F 53 74 72 69 6E 67 ";
const std::string kFifoString = "06 0B 54 46 69 66 6F 53 74 72 69 6E 67 ";

// One valid file of each type, the page it belongs to and what the page then
// shows in its count field (and, for the trees, its depth field).
struct ValidFile {
    const char* name;
    std::string hex;
    const char* page;
    const char* countField;
    const char* count;
    const char* depthField;
    const char* depth;
};

const std::vector<ValidFile>& validFiles() {
    static const std::vector<ValidFile> files = {
        // The text abc and the number 5.
        {"liste.ldt", "02 02 " + kString + "06 03 61 62 63 " + kInteger + "02 05", "TabSheetListe",
         "EditLAnz", "2", nullptr, nullptr},
        // b on top of a.
        {"keller.kdt", "02 02 " + kLifoString + "06 01 62 " + kLifoString + "06 01 61",
         "TabSheetKeller", "EditKAnz", "2", nullptr, nullptr},
        // a in front of b.
        {"schlange.sdt", "02 02 " + kFifoString + "06 01 61 " + kFifoString + "06 01 62",
         "TabSheetSchlange", "EditSAnz", "2", nullptr, nullptr},
        // 50 with 30 on its left.
        {"suchbaum.tdt", kTreeInteger + "02 32 09 08 " + kTreeInteger + "02 1E 08 08",
         "TabSheetSuchbaum", "EditTAnz", "2", "EditTTiefe", "2"},
        // The same shape with the balance factors -1 and 0.
        {"avl.adt", kTreeInteger + "02 32 02 FF 09 08 " + kTreeInteger + "02 1E 02 00 08 08",
         "TabSheetAVLBaum", "EditAanz", "2", "EditAtiefe", "2"},
        // One page holding the keys 7 and 9.
        {"bayer.bdt", "02 02 08 " + kInteger + "02 07 08 " + kInteger + "02 09 08",
         "TabSheetBayerBaum", "EditBAnz", "2", nullptr, nullptr},
        // A with the children B and C.
        {"nbaum.ndt",
         "02 06 " + kString + "06 01 41 02 02 " + kString + "06 01 42 02 00 " + kString +
             "06 01 43 02 00",
         "TabSheetNBaum", "EditNAnz", "3", "EditNTiefe", "2"},
    };
    return files;
}

class OpenFilesTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        // As the program makes the window: the other pages come when needed.
        form = std::make_unique<TForm1>(&dialogs, nullptr, TForm1::Building::onFirstUse);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    std::string front() { return form->pageControl().currentWidget()->objectName().toStdString(); }
    std::string write(const char* name, const std::string& hex) {
        const std::string file = path(name);
        writeFile(file, testsupport::fromHex(hex));
        return file;
    }
    void open(const Lines& files) {
        QStringList names;
        for (const std::string& f : files) names << QString::fromStdString(f);
        form->openFiles(names);
    }
};

TEST_F(OpenFilesTest, EachOfTheSevenTypesOpensOnItsPageWithoutADialog) {
    ASSERT_EQ(validFiles().size(), std::size(structurefiles::kTypes));
    for (const ValidFile& f : validFiles()) {
        SCOPED_TRACE(f.name);
        open({write(f.name, f.hex)});
        EXPECT_EQ(dialogs.take(), Lines{});
        EXPECT_EQ(front(), f.page);
        EXPECT_EQ(field(f.countField), f.count);
        if (f.depthField) {
            EXPECT_EQ(field(f.depthField), f.depth);
        }
    }
    // What the pages show, as their Load shows it.
    EXPECT_EQ(memo("MemoListe"), "     <--\nabc\n[5]");
    EXPECT_EQ(memo("Memolifo"), "b\na");
    EXPECT_EQ(memo("MemoFifo"), "a\nb");
    EXPECT_EQ(field("EditTAusgeglichen"), "JA");
    EXPECT_EQ(field("EditNAktuell"), "A");
}

TEST_F(OpenFilesTest, ARefusedFileShowsTheMessageOfThePagesLoadAndThePageAsLoadLeavesIt) {
    struct Refused {
        const char* name;
        std::string hex;
        const char* page;
        const char* loadButton;
        std::string message;
        const char* countField;
        const char* count;
    };
    const Refused cases[] = {
        {"fremd.ldt", "02 01 06 04 54 46 6F 6F 02 01", "TabSheetListe", "ButtonLLoad",
         "Klasse TFoo nicht gefunden", "EditLAnz", "0"},
        // Three announced, one complete: the stack keeps x.
        {"kurz.kdt", "02 03 " + kLifoString + "06 01 78 06 0B 54 4C 69 66 6F", "TabSheetKeller",
         "ButtonKLoad", errtext::readError, "EditKAnz", "1"},
        {"leer.sdt", "", "TabSheetSchlange", "ButtonSLoad", errtext::readError, "EditSAnz", "0"},
        {"texte.tdt", kString + "06 01 62 08 08", "TabSheetSuchbaum", "ButtonTload",
         kNotPageNumbersFile, "EditTAnz", "0"},
        {"texte.adt", kString + "06 01 62 02 00 08 08", "TabSheetAVLBaum", "ButtonAload",
         kNotPageNumbersFile, "EditAanz", "0"},
        {"leer.bdt", "", "TabSheetBayerBaum", "ButtonBload", errtext::readError, "EditBAnz", "0"},
        // Two nodes announced, the root claims three children.
        {"falsch.ndt", "02 04 " + kString + "06 01 41 02 03 " + kString + "06 01 42 02 00",
         "TabSheetNBaum", "ButtonNLoad", kInvalidNtreeFile, "EditNAnz", "0"},
    };
    for (const Refused& r : cases) {
        SCOPED_TRACE(r.name);
        const std::string file = write(r.name, r.hex);
        open({file});
        EXPECT_EQ(dialogs.take(), Lines{"errorBox: " + r.message});
        EXPECT_EQ(front(), r.page);
        EXPECT_EQ(field(r.countField), r.count);

        // The Load button with the same file: its dialog, then the same box.
        dialogs.answers = {file};
        click(r.loadButton);
        const Lines log = dialogs.take();
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].rfind("open ", 0), 0u);
        EXPECT_EQ(log[1], "errorBox: " + r.message);
        EXPECT_EQ(field(r.countField), r.count);
    }
}

TEST_F(OpenFilesTest, AMissingFileShowsTheOpenErrorOfThePage) {
    const std::string missing = path("fehlt.ldt");
    open({missing});
    const Lines log = dialogs.take();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("errorBox: Datei " + missing + " kann nicht geöffnet werden. ", 0), 0u)
        << log[0];
    EXPECT_EQ(front(), "TabSheetListe");

    dialogs.answers = {missing};
    click("ButtonLLoad");
    EXPECT_EQ(dialogs.take(), (Lines{"open ldt Listen (*.ldt)|*.ldt", log[0]}));
}

TEST_F(OpenFilesTest, AFolderAndAnUnknownExtensionGiveTheirMessagesAndLeaveThePagesAlone) {
    const std::string folder = path("Klasse 10b");
    std::filesystem::create_directory(folder);
    const std::string folderWithExtension = path("alt.ldt");
    std::filesystem::create_directory(folderWithExtension);
    const std::string text = path("notiz.txt");
    writeFile(text, "Abgaben");
    open({folder, folderWithExtension, text, path("ohne"), path("liste.ldt.bak")});
    EXPECT_EQ(dialogs.take(),
              (Lines{
                  "errorBox: „" + folder + "“ ist ein Ordner und keine Strukturdatei",
                  "errorBox: „" + folderWithExtension + "“ ist ein Ordner und keine Strukturdatei",
                  "errorBox: „" + text +
                      "“ hat keine bekannte Dateiendung (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder "
                      ".ndt)",
                  "errorBox: „" + path("ohne") +
                      "“ hat keine bekannte Dateiendung (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder "
                      ".ndt)",
                  "errorBox: „" + path("liste.ldt.bak") +
                      "“ hat keine bekannte Dateiendung (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder "
                      ".ndt)",
              }));
    // Nothing was made: the page in front at the start stays, the others are
    // still to come.
    EXPECT_EQ(front(), "TabSheetSuchbaum");
    for (int page : {0, 1, 2, 4, 5, 6}) EXPECT_FALSE(form->pageMade(page)) << page;
}

TEST_F(OpenFilesTest, SeveralFilesOpenOnTheirPagesAndTheLastKnownOneDecidesTheFront) {
    const ValidFile& list = validFiles()[0];
    const ValidFile& stack = validFiles()[1];
    const ValidFile& ntree = validFiles()[6];
    // Upper-case extensions count as well.
    const std::string files[] = {write("LISTE.LDT", list.hex), write("keller.kdt", stack.hex),
                                 write("kaputt.tdt", kString + "06 01 62 08 08"),
                                 write("nbaum.Ndt", ntree.hex), path("notiz.txt")};
    open({files[0], files[1], files[2], files[3], files[4]});
    EXPECT_EQ(dialogs.take(),
              (Lines{std::string("errorBox: ") + kNotPageNumbersFile,
                     "errorBox: „" + files[4] +
                         "“ hat keine bekannte Dateiendung (.ldt, .kdt, .sdt, .tdt, .adt, .bdt "
                         "oder .ndt)"}));
    EXPECT_EQ(front(), "TabSheetNBaum");
    EXPECT_EQ(field("EditLAnz"), "2");
    EXPECT_EQ(field("EditKAnz"), "2");
    EXPECT_EQ(field("EditTAnz"), "0");
    EXPECT_EQ(field("EditNAnz"), "3");

    // The order decides: the stack last brings its page to the front.
    open({files[3], files[1]});
    EXPECT_EQ(dialogs.take(), Lines{});
    EXPECT_EQ(front(), "TabSheetKeller");
}

}  // namespace
