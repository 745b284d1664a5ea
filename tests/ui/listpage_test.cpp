// The "Liste" page driven through its buttons: messages, memo, cursor and
// count fields, focus, generated lists, files.
#include "ui/pages/listpage.h"

#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <sstream>

#include "elements/base.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "tests/ui/pagefixture.h"

namespace {

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (!text.empty() && text.back() == '\n') lines.push_back("");
    return lines;
}

// The integer values of the memo's element lines, without the arrow.
std::vector<int> memoValues(const std::string& memo) {
    std::vector<int> values;
    const auto lines = split(memo);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (line.size() >= 5 && line.compare(line.size() - 5, 5, "  <--") == 0) {
            line.resize(line.size() - 5);
        }
        EXPECT_TRUE(line.size() >= 3 && line.front() == '[' && line.back() == ']') << line;
        values.push_back(std::stoi(line.substr(1, line.size() - 2)));
    }
    return values;
}

}  // namespace

class ListPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        showPage("TabSheetListe");
    }
    void useIntegers(bool integers) {
        find<QRadioButton>(integers ? "RadioButtonInteger" : "RadioButtonString")->setChecked(true);
    }
    void insert(const QString& text) {
        type("EditLEingabe", text);
        click("ButtonLInsert");
    }
    void generate(const char* button, int n, bool duplicates) {
        find<QSpinBox>("SpinEditLAnzahl")->setValue(n);
        find<QRadioButton>(duplicates ? "RadioButtondoppelt" : "RadioButtonKeineDoppelt")
            ->setChecked(true);
        click(button);
    }
};

TEST_F(ListPageTest, StartShowsEmptyMemoPositionZeroAndEmptyCount) {
    EXPECT_EQ(memo("MemoListe"), "");
    EXPECT_EQ(field("EditLCurrent"), "0");
    EXPECT_EQ(field("EditLAnz"), "");
    EXPECT_TRUE(find<QRadioButton>("RadioButtonString")->isChecked());
}

TEST_F(ListPageTest, InsertKeepsTheCursorAtTheStartAndAdvanceMovesTheArrow) {
    insert("a");
    insert("b");
    EXPECT_EQ(memo("MemoListe"), "     <--\nb\na");
    EXPECT_EQ(field("EditLCurrent"), "0");
    EXPECT_EQ(field("EditLAnz"), "2");
    EXPECT_TRUE(hasFocus("EditLEingabe"));

    click("ButtonLAdvance");
    EXPECT_EQ(memo("MemoListe"), "\nb  <--\na");
    EXPECT_EQ(field("EditLCurrent"), "1");
    click("ButtonLAdvance");
    EXPECT_EQ(memo("MemoListe"), "\nb\na  <--");
    EXPECT_EQ(field("EditLCurrent"), "2");
    EXPECT_TRUE(dialogs.log.empty());

    for (const char* atEnd : {"ButtonLAdvance", "ButtonLDelete", "ButtonLUpdate", "ButtonLElem"}) {
        click(atEnd);
        EXPECT_EQ(dialogs.take(),
                  std::vector<std::string>{"information: Das Listenende ist erreicht"})
            << atEnd;
        EXPECT_TRUE(hasFocus("EditLEingabe")) << atEnd;
    }
    EXPECT_EQ(memo("MemoListe"), "\nb\na  <--");

    click("ButtonLReset");
    EXPECT_EQ(memo("MemoListe"), "     <--\nb\na");
}

TEST_F(ListPageTest, AdvanceOnAnEmptyListReportsTheEnd) {
    click("ButtonLAdvance");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Das Listenende ist erreicht"});
}

TEST_F(ListPageTest, EmptyListOperationsReportTheEmptyListAndOpenNoDialog) {
    type("EditLEingabe", "x");
    for (const char* name : {"ButtonLElem", "ButtonLDelete", "ButtonLUpdate", "ButtonLClear",
                             "ButtonLFindElem", "ButtonLSave", "ButtonLSort", "BitBtnLSortdemo"}) {
        click(name);
        EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Die Liste ist leer"})
            << name;
        EXPECT_TRUE(hasFocus("EditLEingabe")) << name;
    }
    EXPECT_EQ(memo("MemoListe"), "");
}

TEST_F(ListPageTest, IntegerInputShowsBracketsAndDoesNotFindTheEqualString) {
    useIntegers(true);
    insert("7");
    useIntegers(false);
    insert("7");
    EXPECT_EQ(memo("MemoListe"), "     <--\n7\n[7]");

    useIntegers(true);
    type("EditLEingabe", "7");
    click("ButtonLFindElem");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Element ist vorhanden"});
    EXPECT_EQ(memo("MemoListe"), "\n7  <--\n[7]");

    useIntegers(false);
    type("EditLEingabe", "8");
    click("ButtonLFindElem");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Element ist nicht vorhanden"});
    EXPECT_EQ(memo("MemoListe"), "\n7\n[7]  <--");
}

TEST_F(ListPageTest, EntryErrorsAreReportedWithTheirKindAndChangeNothing) {
    insert("[a");
    insert("a]");
    insert("");
    useIntegers(true);
    insert("42 ");
    insert("2147483648");
    EXPECT_EQ(
        dialogs.take(),
        (std::vector<std::string>{
            "information: Keine eckigen Klammern an dieser Stelle - siehe nebenstehenden Text",
            "information: Keine eckigen Klammern an dieser Stelle - siehe nebenstehenden Text",
            "information: Es ist kein Element eingegeben worden",
            "error: Ganze Zahl von - 2147483648 bis 2147483647 eingeben",
            "error: Ganze Zahl von - 2147483648 bis 2147483647 eingeben"}));
    EXPECT_EQ(form->listPage().list().count(), 0);
    insert(" -2147483648");
    insert("$1F");
    EXPECT_EQ(memo("MemoListe"), "     <--\n[31]\n[-2147483648]");
}

TEST_F(ListPageTest, BlanksOfAStringEntryAreKeptAndElemGivesTheValueBack) {
    insert("  a b  ");
    click("ButtonLElem");
    EXPECT_EQ(field("EditLEingabe"), "  a b  ");
    EXPECT_EQ(memo("MemoListe"), "     <--\n  a b  ");
    useIntegers(true);
    insert("-12");
    type("EditLEingabe", "");
    click("ButtonLElem");
    EXPECT_EQ(field("EditLEingabe"), "-12");
}

TEST_F(ListPageTest, UpdateReplacesAndDeleteRemovesTheCurrentElement) {
    insert("c");
    insert("b");
    insert("a");
    click("ButtonLAdvance");
    type("EditLEingabe", "B");
    click("ButtonLUpdate");
    EXPECT_EQ(memo("MemoListe"), "\na  <--\nB\nc");
    click("ButtonLDelete");
    EXPECT_EQ(memo("MemoListe"), "\na  <--\nc");
    EXPECT_EQ(field("EditLAnz"), "2");
    click("ButtonLClear");
    EXPECT_EQ(memo("MemoListe"), "     <--");
    EXPECT_EQ(field("EditLAnz"), "0");
}

TEST_F(ListPageTest, SortGroupsByClassAndSortsEachGroup) {
    insert("x");
    useIntegers(true);
    insert("2");
    useIntegers(false);
    insert("a");
    useIntegers(true);
    insert("1");
    // The list is now 1, a, 2, x (each inserted in front). The class of the
    // first element forms the last run; the cursor stands before that run.
    click("ButtonLSort");
    EXPECT_EQ(memo("MemoListe"), "\na\nx  <--\n[1]\n[2]");
    EXPECT_EQ(field("EditLAnz"), "4");
}

TEST_F(ListPageTest, SortDemoRefusesAMixedListAndOpensNothing) {
    insert("a");
    useIntegers(true);
    insert("1");
    click("BitBtnLSortdemo");
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"information: Zur Demonstration darf die Liste keine "
                                       "Exemplare unterschiedlicher Klassen enthalten"});
    EXPECT_TRUE(find<QAbstractButton>("ButtonLInsert")->isEnabled());
    EXPECT_TRUE(hasFocus("EditLEingabe"));
}

TEST_F(ListPageTest, RandomWithoutDuplicatesIsAPermutationWithOneLastAndCursorBeforeN) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        form->random().seed(seed);
        generate("BitBtnZufaellig", 8, false);
        const std::string text = memo("MemoListe");
        std::vector<int> values = memoValues(text);
        ASSERT_EQ(values.size(), 8u);
        EXPECT_EQ(values.back(), 1);
        const int cursor = std::stoi(field("EditLCurrent"));
        EXPECT_EQ(values[cursor], 8) << text;
        std::sort(values.begin(), values.end());
        EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ListPageTest, RandomWithDuplicatesDrawsNValuesFromOneToNWithCursorAtTheStart) {
    form->random().seed(9);
    generate("BitBtnZufaellig", 100, true);
    const std::vector<int> values = memoValues(memo("MemoListe"));
    ASSERT_EQ(values.size(), 100u);
    for (int v : values) {
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 100);
    }
    EXPECT_LT(std::set<int>(values.begin(), values.end()).size(), 100u);  // some repeat
    EXPECT_EQ(field("EditLCurrent"), "0");
    EXPECT_EQ(field("EditLAnz"), "100");
}

TEST_F(ListPageTest, AscendingAndDescendingWithoutDuplicatesFollowTheirCursorRules) {
    generate("BitBtnAufsteigend", 5, false);
    EXPECT_EQ(memo("MemoListe"), "\n[1]\n[2]\n[3]\n[4]\n[5]  <--");
    generate("BitBtnAbsteigend", 3, false);
    EXPECT_EQ(memo("MemoListe"), "     <--\n[3]\n[2]\n[1]");
}

TEST_F(ListPageTest, AscendingAndDescendingWithDuplicatesAreSortedRandomDraws) {
    for (std::uint32_t seed : {3u, 4u, 5u}) {
        form->random().seed(seed);
        generate("BitBtnAufsteigend", 20, true);
        std::vector<int> up = memoValues(memo("MemoListe"));
        ASSERT_EQ(up.size(), 20u);
        EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
        EXPECT_EQ(form->listPage().list().position(), std::stoi(field("EditLCurrent")));

        generate("BitBtnAbsteigend", 20, true);
        std::vector<int> down = memoValues(memo("MemoListe"));
        ASSERT_EQ(down.size(), 20u);
        EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
        EXPECT_EQ(field("EditLCurrent"), "20");  // at the end
        for (int v : down) {
            EXPECT_GE(v, 1);
            EXPECT_LE(v, 20);
        }
    }
}

TEST_F(ListPageTest, GenerationCountTreatsNonNumbersAsTwoAndClampsTheRest) {
    auto* spin = find<QSpinBox>("SpinEditLAnzahl");
    EXPECT_EQ(spin->value(), 8);
    EXPECT_EQ(spin->minimum(), 2);
    EXPECT_EQ(spin->maximum(), 100);
    spin->findChild<QLineEdit*>()->setText("abc");
    EXPECT_EQ(form->listPage().generationCount(), 2);
    spin->findChild<QLineEdit*>()->setText("");
    EXPECT_EQ(form->listPage().generationCount(), 2);
    spin->setValue(100);
    EXPECT_EQ(form->listPage().generationCount(), 100);
}

TEST_F(ListPageTest, AGenerationCountOutOfRangeBecomesTheNearestBound) {
    auto* spin = find<QSpinBox>("SpinEditLAnzahl");
    auto* text = spin->findChild<QLineEdit*>();
    const auto typeCount = [&](const char* digits) {
        spin->setFocus();
        text->selectAll();
        QTest::keyClicks(text, digits);
    };
    // Typed digits stay as typed while the field has the focus.
    typeCount("65535");
    EXPECT_EQ(text->text(), "65535");
    find<QLineEdit>("EditLEingabe")->setFocus();  // the field loses the focus
    EXPECT_EQ(text->text(), "100");
    EXPECT_EQ(spin->value(), 100);
    typeCount("0");
    find<QLineEdit>("EditLEingabe")->setFocus();
    EXPECT_EQ(spin->value(), 2);
    // A generator reads the field while it still has the focus.
    typeCount("123456789012");
    EXPECT_EQ(text->text(), "123456789012");
    click("BitBtnAufsteigend");
    EXPECT_EQ(field("EditLAnz"), "100");
    EXPECT_EQ(spin->value(), 100);
    EXPECT_EQ(text->text(), "100");
}

TEST_F(ListPageTest, SaveWritesTheListFileByteForByteAndLoadReadsItBack) {
    insert("a");
    useIntegers(true);
    insert("5");
    const std::string file = path("liste.ldt");
    dialogs.answers.push_back(file);
    click("ButtonLSave");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"save ldt Listen (*.ldt)|*.ldt"});
    const std::string expected = bytes({0x02, 0x02,                                          //
                                        0x06, 0x08, 'T', 'I', 'n', 't', 'e', 'g', 'e', 'r',  //
                                        0x02, 0x05,                                          //
                                        0x06, 0x07, 'T', 'S', 't', 'r', 'i', 'n', 'g',       //
                                        0x06, 0x01, 'a'});
    EXPECT_EQ(readFile(file), expected);

    click("ButtonLAdvance");
    click("ButtonLClear");
    dialogs.answers.push_back(file);
    click("ButtonLLoad");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"open ldt Listen (*.ldt)|*.ldt"});
    EXPECT_EQ(memo("MemoListe"), "     <--\n[5]\na");
    EXPECT_EQ(field("EditLAnz"), "2");
}

TEST_F(ListPageTest, CancelledDialogsChangeNothing) {
    insert("a");
    const std::string file = path("alt.ldt");
    writeFile(file, "alt");
    click("ButtonLSave");  // no answer queued: cancelled
    click("ButtonLLoad");
    EXPECT_EQ(readFile(file), "alt");
    EXPECT_EQ(memo("MemoListe"), "     <--\na");
    EXPECT_EQ(dialogs.take(), (std::vector<std::string>{"save ldt Listen (*.ldt)|*.ldt",
                                                        "open ldt Listen (*.ldt)|*.ldt"}));
}

TEST_F(ListPageTest, SaveToAPlaceWhereNoFileCanBeMadeReportsAndWritesNothing) {
    insert("a");
    const std::pair<std::string, std::string> cases[] = {
        {path("fehlt/x.ldt"), "Das System kann den angegebenen Pfad nicht finden."},
        {dir.string(), "Der Name bezeichnet ein Verzeichnis."}};
    for (const auto& [target, why] : cases) {
        dialogs.answers.push_back(target);
        click("ButtonLSave");
        EXPECT_EQ(dialogs.take(), (std::vector<std::string>{
                                      "save ldt Listen (*.ldt)|*.ldt",
                                      "information: Datei konnte nicht angelegt werden\n" + why}));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 0);
}

TEST_F(ListPageTest, SaveIntoAnUnwritableFolderReportsAndKeepsTheOldFile) {
    insert("a");
    const std::string file = path("alt.ldt");
    writeFile(file, "alt");
    // Root writes into read-only folders; a path through a plain file is
    // unwritable for everyone. (A writable existing file in a read-only
    // folder is saved in place, so the refused name is a new one.)
    const bool root = ::geteuid() == 0;
    if (!root) {
        std::filesystem::permissions(
            dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    dialogs.answers.push_back(root ? file + "/neu.ldt" : path("neu.ldt"));
    click("ButtonLSave");
    EXPECT_EQ(
        dialogs.take(),
        (std::vector<std::string>{
            "save ldt Listen (*.ldt)|*.ldt",
            std::string("information: Datei konnte nicht angelegt werden\n") +
                (root ? "Ein Teil des Pfades ist kein Verzeichnis." : "Zugriff verweigert.")}));
    EXPECT_EQ(readFile(file), "alt");
}

TEST_F(ListPageTest, SaveOverAnExistingFileLeavesItIntactUntilTheNewOneIsComplete) {
    insert("b");
    const std::string file = path("alt.ldt");
    writeFile(file, "alt");
    dialogs.answers.push_back(file);
    click("ButtonLSave");
    EXPECT_EQ(readFile(file),
              bytes({0x02, 0x01, 0x06, 0x07, 'T', 'S', 't', 'r', 'i', 'n', 'g', 0x06, 0x01, 'b'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(ListPageTest, FailedLoadShowsTheErrorBoxAndWhatTheListNowHolds) {
    insert("old");
    // Two elements announced, one complete, then the file ends.
    const std::string file = path("kaputt.ldt");
    writeFile(file, bytes({0x02, 0x02, 0x06, 0x07, 'T', 'S', 't', 'r', 'i', 'n', 'g', 0x06, 0x01,
                           'z', 0x06, 0x07, 'T', 'S', 't'}));
    dialogs.answers.push_back(file);
    click("ButtonLLoad");
    const auto log = dialogs.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("errorBox: ", 0), 0u) << log[1];
    EXPECT_EQ(form->listPage().list().count(), 1);
    EXPECT_EQ(field("EditLAnz"), "1");
    EXPECT_NE(memo("MemoListe").find("z"), std::string::npos);
    EXPECT_EQ(memo("MemoListe").find("old"), std::string::npos);
    EXPECT_TRUE(hasFocus("EditLEingabe"));
}

TEST_F(ListPageTest, UnknownClassInAFileIsReportedInTheGeneralErrorBox) {
    const std::string file = path("fremd.ldt");
    writeFile(file, bytes({0x02, 0x01, 0x06, 0x04, 'T', 'F', 'o', 'o', 0x02, 0x01}));
    dialogs.answers.push_back(file);
    click("ButtonLLoad");
    EXPECT_EQ(dialogs.take(), (std::vector<std::string>{"open ldt Listen (*.ldt)|*.ldt",
                                                        "errorBox: Klasse TFoo nicht gefunden"}));
}

TEST_F(ListPageTest, MissingFileIsReportedAndTheProgramGoesOn) {
    dialogs.answers.push_back(path("fehlt.ldt"));
    click("ButtonLLoad");
    const auto log = dialogs.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(
        log[1].rfind("errorBox: Datei " + path("fehlt.ldt") + " kann nicht geöffnet werden.", 0),
        0u)
        << log[1];
    insert("weiter");
    EXPECT_EQ(field("EditLAnz"), "1");
}

TEST_F(ListPageTest, FullListShowsTheListsMessageAndDropsTheElement) {
    TListe& list = form->listPage().list();
    for (int i = 0; i < 65535; ++i) list.insert(std::make_unique<TInteger>(i));
    insert("zu viel");
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"information: Die Liste ist voll - maximal 65535 Elemente"});
    EXPECT_EQ(field("EditLAnz"), "65535");
    EXPECT_EQ(list.count(), 65535);
}

TEST_F(ListPageTest, LoadedValueClassesShowInTheMemoAndThroughElem) {
    // TTBruch 3/4 and TBoolean true, as the stored value encoding writes them.
    const std::string file = path("werte.ldt");
    writeFile(file, bytes({0x02, 0x02,  //
                           0x06, 0x07, 'T',  'T', 'B', 'r', 'u', 'c', 'h', 0x02, 0x03, 0x02,
                           0x04, 0x06, 0x08, 'T', 'B', 'o', 'o', 'l', 'e', 'a',  'n',  0x09}));
    dialogs.answers.push_back(file);
    click("ButtonLLoad");
    ASSERT_EQ(dialogs.take().size(), 1u);
    EXPECT_EQ(memo("MemoListe"), "     <--\n[3/4]\n[true]");
    click("ButtonLElem");
    EXPECT_EQ(field("EditLEingabe"), "3/4");
}

TEST_F(ListPageTest, TheArrowLineOfALongListIsScrolledIntoSight) {
    TListe& list = form->listPage().list();
    for (int i = 0; i < 500; ++i) list.insert(std::make_unique<TInteger>(i));
    auto* view = find<MemoView>("MemoListe");
    const int page = view->verticalScrollBar()->pageStep();
    ASSERT_GT(page, 2);
    for (int position : {500, 250, 3, 0, 499}) {
        list.moveTo(position);
        form->listPage().showList();
        ASSERT_EQ(view->lineCount(), 501);
        const std::string arrowLine = view->line(position).toStdString();
        EXPECT_NE(arrowLine.find("<--"), std::string::npos) << arrowLine;
        EXPECT_LE(view->firstVisibleLine(), position);
        EXPECT_LT(position, view->firstVisibleLine() + page) << position;
    }
    // A new list starts from the top again when its arrow is there.
    click("ButtonLReset");
    EXPECT_EQ(view->firstVisibleLine(), 0);
}

TEST_F(ListPageTest, ALongStringWrapsInTheMemoInsteadOfScrollingSideways) {
    insert(QString(120, QLatin1Char('w')) + " " + QString(40, QLatin1Char('v')));
    auto* view = find<MemoView>("MemoListe");
    EXPECT_EQ(view->lineCount(), 2);
    EXPECT_GT(view->rowCount(), 2);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
}
