// The "Keller" and "Schlange" pages driven through their buttons.
#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "tests/ui/pagefixture.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/stackpage.h"

class StackPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        showPage("TabSheetKeller");
    }
    void push(const QString& text) {
        type("EditKEingabe", text);
        click("ButtonKpush");
    }
};

TEST_F(StackPageTest, PushShowsTopFirstAndKeepsTheEntry) {
    push("a");
    push("b");
    push("c");
    EXPECT_EQ(memo("Memolifo"), "c\nb\na");
    EXPECT_EQ(field("EditKAnz"), "3");
    EXPECT_EQ(field("EditKEingabe"), "c");
    EXPECT_TRUE(hasFocus("EditKEingabe"));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(StackPageTest, AltPPressesPushAndPopHasAltOFromItsHint) {
    auto* pop = find<QAbstractButton>("ButtonKpop");
    EXPECT_EQ(pop->text(), "&Pop");
    EXPECT_EQ(pop->toolTip(), "Nimmt das oberste Element vom Keller (Alt+O)");
    type("EditKEingabe", "a");
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo("Memolifo") == "a"; }));
    type("EditKEingabe", "b");
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo("Memolifo") == "b\na"; }));
    QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo("Memolifo") == "a"; }));
    EXPECT_EQ(field("EditKAnz"), "1");
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(StackPageTest, TopPutsTheTopIntoTheEntryAndAPushStoresItAgain) {
    push("a");
    push("c");
    type("EditKEingabe", "");
    click("ButtonKtop");
    EXPECT_EQ(field("EditKEingabe"), "c");
    EXPECT_EQ(memo("Memolifo"), "c\na");
    click("ButtonKpush");
    EXPECT_EQ(memo("Memolifo"), "c\nc\na");
}

TEST_F(StackPageTest, BlanksAndUmlautsAreStoredAsTyped) {
    push("   ");
    push(QString::fromUtf8("Bäume "));
    EXPECT_EQ(memo("Memolifo"), "Bäume \n   ");
    EXPECT_EQ(field("EditKAnz"), "2");
}

TEST_F(StackPageTest, EmptyEntryAndEmptyStackAreReportedAndChangeNothing) {
    push("");
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"information: Es ist kein Element eingegeben worden"});
    for (const char* name : {"ButtonKpop", "ButtonKtop", "ButtonKclear", "ButtonKSave"}) {
        click(name);
        EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Der Keller ist leer"})
            << name;
        EXPECT_TRUE(hasFocus("EditKEingabe"));
    }
    EXPECT_EQ(field("EditKAnz"), "");
}

TEST_F(StackPageTest, PopAndClearShrinkTheStackAndClearReplacesIt) {
    push("a");
    push("b");
    click("ButtonKpop");
    EXPECT_EQ(memo("Memolifo"), "a");
    EXPECT_EQ(field("EditKAnz"), "1");
    const TLifo* before = &form->stackPage().stack();
    click("ButtonKclear");
    EXPECT_EQ(memo("Memolifo"), "");
    EXPECT_EQ(field("EditKAnz"), "0");
    EXPECT_NE(&form->stackPage().stack(), before);
    EXPECT_TRUE(form->stackPage().stack().empty());
}

TEST_F(StackPageTest, SaveWritesTheDocumentedBytesAndLoadReadsThemBack) {
    push("a");
    push("b");
    const std::string file = path("keller.kdt");
    dialogs.answers.push_back(file);
    click("ButtonKSave");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"save kdt Keller (*.kdt)|*.kdt"});
    const std::string name = "\x06\x0BTLifoString";
    EXPECT_EQ(readFile(file), bytes({0x02, 0x02}) + name + bytes({0x06, 0x01, 'b'}) + name +
                                  bytes({0x06, 0x01, 'a'}));
    EXPECT_EQ(readFile(file).size(), 34u);

    click("ButtonKclear");
    dialogs.answers.push_back(file);
    click("ButtonKLoad");
    EXPECT_EQ(memo("Memolifo"), "b\na");
    EXPECT_EQ(field("EditKAnz"), "2");
}

TEST_F(StackPageTest, LoadOpensTheDialogOnAnEmptyStackAndCancelChangesNothing) {
    click("ButtonKLoad");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"open kdt Keller (*.kdt)|*.kdt"});
    EXPECT_EQ(field("EditKAnz"), "");
}

TEST_F(StackPageTest, FailedLoadReportsAndShowsWhatWasRead) {
    push("alt");
    const std::string file = path("kaputt.kdt");
    writeFile(file, bytes({0x02, 0x03}) + "\x06\x0BTLifoString" + bytes({0x06, 0x01, 'x'}) +
                        "\x06\x0BTLifo");
    dialogs.answers.push_back(file);
    click("ButtonKLoad");
    const auto log = dialogs.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("errorBox: ", 0), 0u);
    EXPECT_EQ(memo("Memolifo"), "x");
    EXPECT_EQ(field("EditKAnz"), "1");
}

TEST_F(StackPageTest, FullStackShowsOverflowAsAnErrorAndTheUnchangedStack) {
    TLifo& lifo = form->stackPage().stack();
    for (int i = 0; i < 65535; ++i) lifo.push(std::make_unique<TLifoString>("e"));
    push("zu viel");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"error: Überlauf"});
    EXPECT_EQ(field("EditKAnz"), "65535");
    EXPECT_EQ(memo("Memolifo").substr(0, 4), "e\ne\n");
}

class QueuePageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        showPage("TabSheetSchlange");
    }
    void insert(const QString& text) {
        type("EditSEingabe", text);
        click("ButtonSInsert");
    }
};

TEST_F(QueuePageTest, InsertShowsFrontFirst) {
    insert("a");
    insert("b");
    insert("c");
    EXPECT_EQ(memo("MemoFifo"), "a\nb\nc");
    EXPECT_EQ(field("EditSAnz"), "3");
    EXPECT_TRUE(hasFocus("EditSEingabe"));
}

TEST_F(QueuePageTest, FrontDeleteAndClearWorkOnTheSameQueue) {
    insert("a");
    insert("b");
    click("ButtonSFront");
    EXPECT_EQ(field("EditSEingabe"), "a");
    click("ButtonSDelete");
    EXPECT_EQ(memo("MemoFifo"), "b");
    EXPECT_EQ(field("EditSAnz"), "1");
    const TFifo* before = &form->queuePage().queue();
    click("ButtonSClear");
    EXPECT_EQ(memo("MemoFifo"), "");
    EXPECT_EQ(field("EditSAnz"), "0");
    EXPECT_EQ(&form->queuePage().queue(), before);
    insert("neu");
    EXPECT_EQ(memo("MemoFifo"), "neu");
}

TEST_F(QueuePageTest, EmptyEntryAndEmptyQueueAreReported) {
    insert("");
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"information: Es ist kein Element eingegeben worden"});
    for (const char* name : {"ButtonSDelete", "ButtonSFront", "ButtonSClear", "ButtonSSave"}) {
        click(name);
        EXPECT_EQ(dialogs.take(), std::vector<std::string>{"information: Die Schlange ist leer"})
            << name;
    }
    EXPECT_EQ(field("EditSAnz"), "");
}

TEST_F(QueuePageTest, SaveWritesTheDocumentedBytesAndLoadReplacesTheContent) {
    insert("a");
    insert("b");
    const std::string file = path("schlange.sdt");
    dialogs.answers.push_back(file);
    click("ButtonSSave");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"save sdt Schlangen (*.sdt)|*.sdt"});
    const std::string name = "\x06\x0BTFifoString";
    EXPECT_EQ(readFile(file), bytes({0x02, 0x02}) + name + bytes({0x06, 0x01, 'a'}) + name +
                                  bytes({0x06, 0x01, 'b'}));

    insert("c");
    dialogs.answers.push_back(file);
    click("ButtonSLoad");
    EXPECT_EQ(memo("MemoFifo"), "a\nb");
    EXPECT_EQ(field("EditSAnz"), "2");
}

TEST_F(QueuePageTest, FullQueueShowsOverflowAsAnError) {
    TFifo& fifo = form->queuePage().queue();
    for (int i = 0; i < 65535; ++i) fifo.insert(std::make_unique<TFifoString>("e"));
    insert("zu viel");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"error: Überlauf"});
    EXPECT_EQ(field("EditSAnz"), "65535");
}

TEST_F(QueuePageTest, AFullQueueShowsEveryElementInItsOwnLine) {
    TFifo& fifo = form->queuePage().queue();
    for (int i = 0; i < 65535; ++i) fifo.insert(std::make_unique<TFifoString>(std::to_string(i)));
    insert("zu viel");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"error: Überlauf"});
    auto* view = find<MemoView>("MemoFifo");
    ASSERT_EQ(view->lineCount(), 65535);
    EXPECT_EQ(view->line(0), "0");
    EXPECT_EQ(view->line(65534), "65534");
    EXPECT_EQ(view->firstVisibleLine(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 65535 - view->verticalScrollBar()->pageStep());
}
