// The "NBaum" page: every handler through its button, with the exact
// messages, field contents, focus and tree view items; save and load through
// the fake dialogs with byte images; a file chain as deep as the format
// allows; random operation sequences against a reference tree.
#include "ui/pages/ntreepage.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>
#include <random>

#include "linear/liste.h"
#include "tests/trees/ntreesupport.h"
#include "tests/trees/treesupport.h"
#include "tests/ui/pagefixture.h"
#include "ui/platform/qtntreedisplay.h"
#include "workbench/ntreedemo.h"

using Lines = std::vector<std::string>;

namespace {

const std::string kFilter = "N-Bäume (*.ndt)|*.ndt";
const std::string kTString = "06 07 54 53 74 72 69 6E 67";

class NtreePageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        showPage("TabSheetNBaum");
    }

    // Types the text into the field and presses the button.
    void press(const char* button, const char* fieldName = nullptr, const QString& text = {}) {
        if (fieldName) type(fieldName, text);
        click(button);
    }
    void createRoot(const QString& text) { press("ButtonNCreateRoot", "EditNEingabe", text); }
    void insert(const QString& text, const QString& number) {
        type("EditNEingabe", text);
        press("ButtonNInsert", "EditNNummer", number);
    }
    void get(const QString& number) { press("ButtonNGet", "EditNNummer", number); }
    void remove(const QString& number) { press("ButtonNDelete", "EditNNummer", number); }

    TNtreeDemo& tree() { return form->ntreePage().tree(); }
    QTreeWidget* view() { return find<QTreeWidget>("TreeView"); }
    // EditNEbene, EditNAktuell, EditNNummer, EditNTiefe, EditNAnz.
    Lines fields() {
        return {field("EditNEbene"), field("EditNAktuell"), field("EditNNummer"),
                field("EditNTiefe"), field("EditNAnz")};
    }
    // The view's items in pre-order, one dot per level below the top; an
    // item with children that is not expanded is marked "+".
    Lines items() {
        Lines lines;
        std::vector<std::pair<QTreeWidgetItem*, int>> pending;
        for (int i = view()->topLevelItemCount() - 1; i >= 0; --i)
            pending.emplace_back(view()->topLevelItem(i), 0);
        while (!pending.empty()) {
            auto [item, level] = pending.back();
            pending.pop_back();
            std::string line = std::string(level, '.') + item->text(0).toStdString();
            if (item->childCount() > 0 && !item->isExpanded()) line += "+";
            lines.push_back(line);
            for (int i = item->childCount() - 1; i >= 0; --i)
                pending.emplace_back(item->child(i), level + 1);
        }
        return lines;
    }
    // A(B, C) through the buttons, as in the file example.
    void buildExample() {
        createRoot("A");
        insert("B", "0");
        insert("C", "1");
    }
};

TEST_F(NtreePageTest, RootWithTwoChildrenShowsTheTreeAndTheFields) {
    buildExample();
    EXPECT_EQ(items(), (Lines{"A", ".B", ".C"}));
    EXPECT_EQ(fields(), (Lines{"1", "A", "1", "2", "3"}));
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_TRUE(hasFocus("EditNEingabe"));
    EXPECT_EQ(ntreetest::shape(tree()), "A(B,C)");
}

TEST_F(NtreePageTest, CreateRootSetsLevelCurrentAndNumberAndLeavesTheFocus) {
    find<QLineEdit>("EditNNummer")->setFocus();
    type("EditNNummer", "7");
    createRoot("Wurzel");
    EXPECT_EQ(fields(), (Lines{"1", "Wurzel", "0", "1", "1"}));
    EXPECT_EQ(items(), Lines{"Wurzel"});
    EXPECT_TRUE(hasFocus("EditNNummer"));
}

TEST_F(NtreePageTest, CreateRootRefusesAnEmptyEntryAndASecondRoot) {
    createRoot("");
    EXPECT_TRUE(tree().empty());
    createRoot("A");
    createRoot("B");
    EXPECT_EQ(dialogs.take(), (Lines{"information: Es ist kein Element eingegeben worden",
                                     "information: Es existiert bereits eine Wurzel"}));
    EXPECT_EQ(items(), Lines{"A"});
}

TEST_F(NtreePageTest, ChildNumberMistakesAreAnsweredFirst) {
    createRoot("A");
    for (const char* bad : {"", "-1", "abc", "1 ", "2147483648"}) {
        SCOPED_TRACE(bad);
        insert("B", bad);
        get(bad);
        remove(bad);
        EXPECT_EQ(dialogs.take(), Lines(3, "information: Im Nummernfeld ganze Zahl >= 0 eingeben"));
    }
    insert("B", " $0");  // the entry syntax of the list page
    EXPECT_EQ(items(), (Lines{"A", ".B"}));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(NtreePageTest, InsertAppendsAtTheCountPutsZeroFirstAndRefusesBeyond) {
    createRoot("A");
    insert("B", "0");
    insert("C", "1");  // equal to the number of children: appends
    insert("D", "3");
    EXPECT_EQ(dialogs.take(), Lines{"information: Einfügen an dieser Stelle nicht möglich"});
    insert("E", "0");
    EXPECT_EQ(items(), (Lines{"A", ".E", ".B", ".C"}));
    // Showing the tree leaves each child list's cursor where the insertion put it.
    EXPECT_EQ(ntreetest::shape(tree(), true), "A@0(E@0,B@0,C@0)");
    get("1");
    EXPECT_EQ(fields(), (Lines{"2", "B", "1", "2", "4"}));
}

TEST_F(NtreePageTest, InsertChecksTheRootThenTheEntry) {
    insert("", "x");
    EXPECT_EQ(dialogs.take(), Lines{"information: Es muss erst eine Wurzel erzeugt werden"});
    createRoot("A");
    insert("", "x");
    EXPECT_EQ(dialogs.take(), Lines{"information: Es ist kein Element eingegeben worden"});
    EXPECT_TRUE(hasFocus("EditNEingabe"));
}

TEST_F(NtreePageTest, GetMovesDownAndKeepsTheNumberResetReturnsToTheRoot) {
    buildExample();
    get("1");
    EXPECT_EQ(fields(), (Lines{"2", "C", "1", "2", "3"}));
    insert("D", "0");
    get("0");
    EXPECT_EQ(fields(), (Lines{"3", "D", "0", "3", "4"}));
    EXPECT_EQ(items(), (Lines{"A", ".B", ".C", "..D"}));
    type("EditNNummer", "5");
    click("ButtonNReset");
    EXPECT_EQ(fields(), (Lines{"1", "A", "0", "3", "4"}));
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_TRUE(hasFocus("EditNEingabe"));
}

TEST_F(NtreePageTest, GetAndDeleteAnswerLeafBeforeSizeAndEmptyTreeFirst) {
    get("0");
    remove("0");
    EXPECT_EQ(dialogs.take(), Lines(2, "information: Der Baum ist leer"));
    createRoot("A");
    get("9");
    remove("9");
    EXPECT_EQ(dialogs.take(), Lines(2, "information: Keine Kinder vorhanden"));
    insert("B", "0");
    get("1");
    remove("1");
    EXPECT_EQ(dialogs.take(), Lines(2, "information: Nummer zu groß - Kind existiert nicht"));
    EXPECT_EQ(fields(), (Lines{"1", "A", "1", "2", "2"}));
}

TEST_F(NtreePageTest, DeleteReleasesTheWholeSubtreeAndKeepsTheCurrentNode) {
    buildExample();
    get("0");
    insert("B1", "0");
    insert("B2", "1");
    get("1");
    insert("B21", "0");
    click("ButtonNReset");
    EXPECT_EQ(field("EditNAnz"), "6");
    remove("0");
    EXPECT_EQ(items(), (Lines{"A", ".C"}));
    EXPECT_EQ(fields(), (Lines{"1", "A", "0", "2", "2"}));
    EXPECT_EQ(tree().currentNode, tree().root.get());
}

TEST_F(NtreePageTest, ResetOnAnEmptyTreeLeavesTheFocus) {
    find<QLineEdit>("EditNNummer")->setFocus();
    click("ButtonNReset");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    EXPECT_TRUE(hasFocus("EditNNummer"));
}

TEST_F(NtreePageTest, LookUpSearchesTheWholeTreeAndDoesNotMove) {
    press("ButtonNLookUp", "EditNEingabe", "A");
    buildExample();
    get("1");
    press("ButtonNLookUp", "EditNEingabe", "A");
    press("ButtonNLookUp", "EditNEingabe", "B");
    press("ButtonNLookUp", "EditNEingabe", "b");
    press("ButtonNLookUp", "EditNEingabe", "");
    EXPECT_EQ(
        dialogs.take(),
        (Lines{"information: Der Baum ist leer", "information: Element ist vorhanden",
               "information: Element ist vorhanden", "information: Element ist nicht vorhanden",
               "information: Es ist kein Element eingegeben worden"}));
    EXPECT_EQ(fields(), (Lines{"2", "C", "1", "2", "3"}));
}

TEST_F(NtreePageTest, ClearEmptiesViewAndFieldsAndGivesANewTree) {
    buildExample();
    get("0");
    TNtreeDemo* before = &tree();
    click("ButtonNClear");
    EXPECT_NE(&tree(), before);
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(tree().currentNode, nullptr);
    EXPECT_EQ(tree().currentLevel, 1);
    EXPECT_EQ(view()->topLevelItemCount(), 0);
    EXPECT_EQ(fields(), (Lines{"", "", "", "0", "0"}));
    click("ButtonNClear");  // also on an empty tree, without a message
    EXPECT_TRUE(dialogs.log.empty());
    createRoot("X");
    EXPECT_EQ(items(), Lines{"X"});
}

TEST_F(NtreePageTest, ANodeWithTheMostChildrenRefusesOneMoreWithTheListMessage) {
    createRoot("A");
    for (int i = 0; i < 65535; ++i) ASSERT_TRUE(tree().root->insertChildN(i, ntreetest::leaf("c")));
    insert("x", "65535");
    EXPECT_EQ(dialogs.take(), Lines{"information: Die Liste ist voll - maximal 65535 Elemente"});
    EXPECT_EQ(tree().root->numberOfChildren(), 65535);
    EXPECT_EQ(items(), Lines{"A"});  // nothing changed, so the view was not rebuilt
}

TEST_F(NtreePageTest, InsertOnTheDeepestLevelIsRefused) {
    createRoot("A");
    tree().currentLevel = 65535;
    insert("B", "0");
    EXPECT_EQ(dialogs.take(), Lines{"information: Einfügen an dieser Stelle nicht möglich"});
    EXPECT_TRUE(tree().root->leaf());
}

TEST_F(NtreePageTest, SaveWritesTheFortyFourBytesAndLoadRebuildsThePage) {
    click("ButtonNSave");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    buildExample();
    get("1");
    const std::string file = path("baum.ndt");
    dialogs.answers = {file};
    click("ButtonNSave");
    EXPECT_EQ(dialogs.take(), Lines{"save ndt " + kFilter});
    const std::string image = "02 06 " + kTString + " 06 01 41 02 02 " + kTString +
                              " 06 01 42 02 00 " + kTString + " 06 01 43 02 00";
    EXPECT_EQ(readFile(file).size(), 44u);
    EXPECT_EQ(treetest::hex(readFile(file)), image);

    click("ButtonNClear");
    type("EditNNummer", "4");
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(dialogs.take(), Lines{"open ndt " + kFilter});
    EXPECT_EQ(items(), (Lines{"A", ".B", ".C"}));
    EXPECT_EQ(fields(), (Lines{"1", "A", "0", "2", "3"}));
    EXPECT_EQ(tree().currentNode, tree().root.get());
    EXPECT_TRUE(hasFocus("EditNEingabe"));
    get("0");
    EXPECT_EQ(field("EditNAktuell"), "B");
}

// Texts are Windows-1252 inside; a text with bytes above 127 is stored as UTF-8.
TEST_F(NtreePageTest, TextsKeepTheirUmlautsAndOthersBecomeQuestionMarks) {
    createRoot("Bäume");
    insert("Ω", "0");  // outside the code page
    const std::string file = path("umlaut.ndt");
    dialogs.answers = {file};
    click("ButtonNSave");
    EXPECT_EQ(treetest::hex(readFile(file)), "02 04 " + kTString +
                                                 " 14 06 00 00 00 42 C3 A4 75 6D 65 02 01 " +
                                                 kTString + " 06 01 3F 02 00");
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(items(), (Lines{"Bäume", ".?"}));
    EXPECT_EQ(tree().root->getElem()->getValue(), "B\xE4ume");
    EXPECT_EQ(field("EditNAktuell"), "Bäume");
    press("ButtonNLookUp", "EditNEingabe", "Bäume");
    EXPECT_EQ(dialogs.take().back(), "information: Element ist vorhanden");
    // Added to the view in place, behind the texts already there.
    insert("Größe", "1");
    insert("Ähre", "0");
    EXPECT_EQ(items(), (Lines{"Bäume", ".Ähre", ".?", ".Größe"}));
}

TEST_F(NtreePageTest, CancelledLoadKeepsTheTreeButResetsTheNumber) {
    buildExample();
    get("1");
    TNtreeDemo* before = &tree();
    click("ButtonNSave");
    click("ButtonNLoad");
    EXPECT_EQ(dialogs.take(), (Lines{"save ndt " + kFilter, "open ndt " + kFilter}));
    EXPECT_EQ(&tree(), before);
    EXPECT_EQ(fields(), (Lines{"2", "C", "0", "2", "3"}));
    EXPECT_EQ(items(), (Lines{"A", ".B", ".C"}));
}

TEST_F(NtreePageTest, RefusedFilesLeaveAnEmptyUsableTree) {
    const std::string file = path("bad.ndt");
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    const std::string invalid = std::string("errorBox: ") + kInvalidNtreeFile;
    const Case cases[] = {
        {"child counts beyond the node count", "02 02 " + kTString + " 06 01 41 02 01", invalid},
        {"a node count that is odd", "02 03 " + kTString + " 06 01 41 02 00", invalid},
        {"an integer element", "02 02 06 08 54 49 6E 74 65 67 65 72 02 05 02 00", invalid},
        {"a file cut short", "02 04 " + kTString + " 06 01 41 02 01 " + kTString, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        buildExample();
        get("1");
        writeFile(file, treetest::unhex(c.bytes));
        dialogs.answers = {file};
        click("ButtonNLoad");
        const Lines log = dialogs.take();
        ASSERT_EQ(log.size(), 2u);
        if (c.message.empty()) {
            EXPECT_EQ(log[1].rfind("errorBox: ", 0), 0u) << log[1];
        } else {
            EXPECT_EQ(log[1], c.message);
        }
        EXPECT_TRUE(tree().empty());
        EXPECT_EQ(tree().currentNode, nullptr);
        EXPECT_EQ(view()->topLevelItemCount(), 0);
        EXPECT_EQ(fields(), (Lines{"", "", "0", "0", "0"}));
        EXPECT_TRUE(hasFocus("EditNEingabe"));
    }
    createRoot("N");
    EXPECT_EQ(items(), Lines{"N"});
}

TEST_F(NtreePageTest, AFileOfNoNodesLoadsAsAnEmptyPage) {
    buildExample();
    const std::string file = path("leer.ndt");
    writeFile(file, treetest::unhex("02 00"));
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(dialogs.take(), Lines{"open ndt " + kFilter});
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(view()->topLevelItemCount(), 0);
    EXPECT_EQ(fields(), (Lines{"", "", "0", "0", "0"}));
}

TEST_F(NtreePageTest, AChainAsDeepAsTheFormatAllowsLoadsShowsAndClears) {
    const int length = static_cast<int>(TNtree::kMaxFileNodes);
    const std::string file = path("kette.ndt");
    {
        TNtree chain;
        chain.root = ntreetest::chain(length);
        chain.save(file);
    }
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(dialogs.take(), Lines{"open ndt " + kFilter});
    EXPECT_EQ(fields(), (Lines{"1", "0", "0", "32767", "32767"}));
    // One item per level; the levels that Qt can lay out without running
    // out of stack are open, the item below them shows that it has children
    // and gets its child's item when it is opened.
    ASSERT_EQ(view()->topLevelItemCount(), 1);
    QTreeWidgetItem* item = view()->topLevelItem(0);
    int level = 1;
    for (;;) {
        ASSERT_EQ(item->text(0).toStdString(), std::to_string(level - 1));
        if (item->childCount() == 0) break;
        ASSERT_EQ(item->childCount(), 1);
        ASSERT_TRUE(item->isExpanded()) << level;
        item = item->child(0);
        ++level;
    }
    EXPECT_EQ(level, QtNtreeDisplay::kExpandedLevels + 1);
    EXPECT_FALSE(item->isExpanded());
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    item->setExpanded(true);
    ASSERT_EQ(item->childCount(), 1);
    EXPECT_EQ(item->child(0)->text(0).toStdString(), std::to_string(level));
    EXPECT_EQ(item->child(0)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    view()->scrollToBottom();
    view()->grab();
    for (int i = 0; i < 3; ++i) get("0");
    EXPECT_EQ(field("EditNEbene"), "4");
    insert("x", "1");
    EXPECT_EQ(field("EditNAnz"), "32768");
    // One node more than the format holds: refused before anything is written.
    dialogs.answers = {path("gross.ndt")};
    click("ButtonNSave");
    EXPECT_EQ(dialogs.take(),
              (Lines{"save ndt " + kFilter, std::string("errorBox: ") + kNtreeTooLarge}));
    EXPECT_EQ(readFile(path("gross.ndt")), "");
    click("ButtonNClear");
    EXPECT_EQ(view()->topLevelItemCount(), 0);
    // Reloaded and left on the page: the window's end removes it.
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(field("EditNAnz"), "32767");
}

// Reference model: nodes in a pool, children by index.
struct RefTree {
    struct Node {
        std::string text;
        std::vector<int> children;
    };
    std::vector<Node> nodes;
    int current = -1;
    int level = 1;

    Lines lines() const {
        Lines out;
        if (nodes.empty()) return out;
        std::vector<std::pair<int, int>> pending{{0, 0}};
        while (!pending.empty()) {
            auto [n, depth] = pending.back();
            pending.pop_back();
            out.push_back(std::string(depth, '.') + nodes[n].text);
            const auto& c = nodes[n].children;
            for (auto it = c.rbegin(); it != c.rend(); ++it) pending.emplace_back(*it, depth + 1);
        }
        return out;
    }
    std::pair<int, int> countAndDepth() const {
        int count = 0, deepest = 0;
        std::vector<std::pair<int, int>> pending{{0, 1}};
        while (!pending.empty()) {
            auto [n, depth] = pending.back();
            pending.pop_back();
            ++count;
            deepest = std::max(deepest, depth);
            for (int c : nodes[n].children) pending.emplace_back(c, depth + 1);
        }
        return {count, deepest};
    }
};

TEST_F(NtreePageTest, RandomOperationsMatchAReferenceTreeAfterEveryStep) {
    std::mt19937 random(4711);
    RefTree ref;
    createRoot("r");
    ref.nodes.push_back({"r", {}});
    ref.current = 0;
    for (int step = 0; step < 300; ++step) {
        const int op = static_cast<int>(random() % 10);
        auto& children = ref.nodes[ref.current].children;
        const int n = static_cast<int>(random() % (children.size() + 2));
        Lines expected;
        if (op < 5) {  // insert
            const std::string text = "n" + std::to_string(step);
            insert(QString::fromStdString(text), QString::number(n));
            if (n > static_cast<int>(children.size())) {
                expected = {"information: Einfügen an dieser Stelle nicht möglich"};
            } else {
                ref.nodes.push_back({text, {}});
                auto& kids = ref.nodes[ref.current].children;
                kids.insert(kids.begin() + n, static_cast<int>(ref.nodes.size()) - 1);
            }
        } else if (op < 7) {  // move down
            get(QString::number(n));
            if (children.empty()) {
                expected = {"information: Keine Kinder vorhanden"};
            } else if (n >= static_cast<int>(children.size())) {
                expected = {"information: Nummer zu groß - Kind existiert nicht"};
            } else {
                ref.current = children[n];
                ++ref.level;
            }
        } else if (op < 9) {  // delete
            remove(QString::number(n));
            if (children.empty()) {
                expected = {"information: Keine Kinder vorhanden"};
            } else if (n >= static_cast<int>(children.size())) {
                expected = {"information: Nummer zu groß - Kind existiert nicht"};
            } else {
                children.erase(children.begin() + n);
            }
        } else {
            click("ButtonNReset");
            ref.current = 0;
            ref.level = 1;
        }
        ASSERT_EQ(dialogs.take(), expected) << step;
        ASSERT_EQ(items(), ref.lines()) << step;
        const auto [count, depth] = ref.countAndDepth();
        ASSERT_EQ(field("EditNAnz"), std::to_string(count));
        ASSERT_EQ(field("EditNTiefe"), std::to_string(depth));
        ASSERT_EQ(field("EditNEbene"), std::to_string(ref.level));
        ASSERT_EQ(field("EditNAktuell"), ref.nodes[ref.current].text);
        ASSERT_EQ(tree().currentLevel, ref.level);
    }
}

// Everything the view shows of its items in pre-order (text, open, child
// indicator, selected, current) and where it is scrolled to.
Lines viewState(QTreeWidget& view) {
    QApplication::processEvents();
    Lines lines{std::to_string(view.verticalScrollBar()->value()) + " " +
                std::to_string(view.horizontalScrollBar()->value())};
    std::vector<std::pair<QTreeWidgetItem*, int>> pending;
    for (int i = view.topLevelItemCount() - 1; i >= 0; --i)
        pending.emplace_back(view.topLevelItem(i), 0);
    while (!pending.empty()) {
        auto [item, level] = pending.back();
        pending.pop_back();
        lines.push_back(
            std::string(level, '.') + item->text(0).toStdString() + " " +
            std::to_string(item->isExpanded()) + std::to_string(item->childIndicatorPolicy()) +
            std::to_string(item->isSelected()) + std::to_string(view.currentItem() == item));
        for (int i = item->childCount() - 1; i >= 0; --i)
            pending.emplace_back(item->child(i), level + 1);
    }
    return lines;
}

TEST_F(NtreePageTest, InsertAndDeleteLeaveTheViewAsARebuildWould) {
    std::mt19937 random(99);
    createRoot("r");
    for (int step = 0; step < 400; ++step) {
        const int op = static_cast<int>(random() % 12);
        const int children = tree().currentNode->numberOfChildren();
        const int n = static_cast<int>(random() % (children + 1));
        if (op < 6) {
            insert(QString::fromStdString("n" + std::to_string(step)), QString::number(n));
        } else if (op < 8 && children > 0) {
            remove(QString::number(n % children));
        } else if (op < 10 && children > 0) {
            get(QString::number(n % children));
        } else if (op < 11) {
            click("ButtonNReset");
        } else {
            // The user closes an item with children.
            std::vector<QTreeWidgetItem*> open;
            for (QTreeWidgetItemIterator it(view(), QTreeWidgetItemIterator::HasChildren); *it;
                 ++it)
                open.push_back(*it);
            if (!open.empty()) open[random() % open.size()]->setExpanded(false);
        }
        dialogs.take();
        if (step % 25 == 24) {
            insert("last", "0");
            const Lines kept = viewState(*view());
            form->ntreePage().refreshView();
            ASSERT_EQ(kept, viewState(*view())) << step;
        }
    }
}

}  // namespace

namespace {
// The current node's item as the view marks it: the one current and selected
// item, by its path of child indexes from the top ("" when none is marked).
std::string markedPath(QTreeWidget& view) {
    const QList<QTreeWidgetItem*> selected = view.selectedItems();
    if (selected.size() != 1 || view.currentItem() != selected[0]) return "";
    std::string path;
    for (QTreeWidgetItem* item = selected[0]; item->parent(); item = item->parent())
        path.insert(0, "/" + std::to_string(item->parent()->indexOfChild(item)));
    return "top" + path;
}
}  // namespace

TEST_F(NtreePageTest, TheViewMarksTheCurrentNodeAfterEveryMoveAndChange) {
    createRoot("r");
    EXPECT_EQ(markedPath(*view()), "top");
    insert("a", "0");
    insert("a", "1");
    get("1");  // the second of the two nodes with the same text
    EXPECT_EQ(markedPath(*view()), "top/1");
    insert("x", "0");
    EXPECT_EQ(markedPath(*view()), "top/1");
    get("0");
    EXPECT_EQ(markedPath(*view()), "top/1/0");
    click("ButtonNReset");
    EXPECT_EQ(markedPath(*view()), "top");
    remove("0");
    EXPECT_EQ(markedPath(*view()), "top");
    get("0");
    EXPECT_EQ(markedPath(*view()), "top/0");
    const std::string file = path("marked.ndt");
    dialogs.answers = {file};
    click("ButtonNSave");
    click("ButtonNClear");
    EXPECT_EQ(markedPath(*view()), "");
    dialogs.answers = {file};
    click("ButtonNLoad");
    EXPECT_EQ(markedPath(*view()), "top");
    EXPECT_EQ(dialogs.take(), (Lines{"save ndt " + kFilter, "open ndt " + kFilter}));
}
