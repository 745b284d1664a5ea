// The six animated sorts step by step: exact step texts, the memos as each
// step waits, the final order and cursor, the end the window shows; "Ende",
// a run given up, and the level prefixes.
#include <gtest/gtest.h>

#include "demo/sorts.h"
#include "tests/demo/sortdemosupport.h"

using namespace sorttest;
using Lines = std::vector<std::string>;

namespace {

class ListDemoTest : public ::testing::Test {
protected:
    void SetUp() override { registerListDemoClasses(); }
};

const std::string kQuick1Split =
    "Da sich das Durchlaufen vom Anfang und vom Ende der Liste überlappt, wird die Liste "
    "(Teiliste) aufgeteilt.";
std::string quick1Pivot(const char* v) {
    return std::string("Aus der Mitte der Liste (Teiliste) wird ein Vergleichselement (") + v +
           ") bestimmt.";
}
std::string quick1Forward(int at, const char* pv, const char* found) {
    return "Ab der Stelle " + std::to_string(at) +
           " wird vorwärts ein Element gesucht, welches größer oder gleich " + pv +
           " ist. Gefunden wurde " + found + ".";
}
std::string quick1Backward(int at, const char* pv, const char* found) {
    return "Ab der Stelle " + std::to_string(at) +
           " wird rückwärts ein Element gesucht, welches kleiner oder gleich " + pv +
           " ist. Gefunden wurde " + found + ".";
}
std::string quick1Parts(const char* pv) {
    return std::string(
               "In der oberen (unteren) Teilliste stehen nur Elemente, die kleiner "
               "(größer) oder gleich dem Vergleichselement (") +
           pv + ") sind.";
}

}  // namespace

TEST_F(ListDemoTest, BubbleSortShowsEachExchangeBeforeAndAfterIt) {
    auto list = integers({3, 1, 2});
    const RecordedRun rec(SortKind::bubble, *list);
    const Lines infos = {
        "Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend sortierten Paares",
        "3 und 1 werden miteinander getauscht",
        "3 und 2 werden miteinander getauscht",
        "Das Listenende (ab dem 3.ten Element) ist jetzt sotiert",
        "Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend sortierten Paares",
        "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert",
    };
    const Lines memos = {
        "     <--\n[3]\n[1]\n[2]", "\n[3]  <--\n[1]\n[2]",    "\n[1]\n[3]  <--\n[2]",
        "\n[1]  <--\n[2]\n[3]",    "     <--\n[1]\n[2]\n[3]", "\n[1]  <--\n[2]\n[3]",
    };
    ASSERT_EQ(rec.infos(), infos);
    for (std::size_t k = 0; k < memos.size(); ++k) EXPECT_EQ(rec.steps[k].quelle, memos[k]) << k;
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list->position(), 1);
    // The end: the list as the sort left it, the info field emptied.
    EXPECT_EQ(rec.end.quelle, "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(rec.end.info, "");
    EXPECT_FALSE(rec.ended);
}

TEST_F(ListDemoTest, BubbleSortOfASortedListMakesOnePassAndOfOneElementNothing) {
    auto sorted = integers({1, 2});
    const RecordedRun rec(SortKind::bubble, *sorted);
    EXPECT_EQ(rec.infos(),
              (Lines{"Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend "
                     "sortierten Paares",
                     "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert"}));
    auto one = integers({3});
    const RecordedRun single(SortKind::bubble, *one);
    EXPECT_TRUE(single.steps.empty());
    EXPECT_EQ(single.end.quelle, "");
    EXPECT_EQ(single.endStep.lists[0], nullptr);
}

TEST_F(ListDemoTest, StraightInsertionDeletesThenInsertsAtTheArrow) {
    auto list = integers({2, 1});
    const RecordedRun rec(SortKind::insertion, *list);
    ASSERT_EQ(rec.infos(),
              (Lines{"1 wird gelöscht",
                     "1 wird in den vorderen Teil der Liste an der richtigen Position eingefügt",
                     "Die Liste ist jetzt sortiert"}));
    EXPECT_EQ(rec.steps[0].quelle, "\n[2]  <--\n[1]");
    EXPECT_EQ(rec.steps[1].quelle, "     <--\n[2]");
    EXPECT_EQ(rec.steps[2].quelle, "     <--\n[1]\n[2]");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2}));
}

TEST_F(ListDemoTest, StraightSelectionNotesThePlaceThenExchangesTheSmallest) {
    auto list = integers({3, 1, 2});
    const RecordedRun rec(SortKind::selection, *list);
    ASSERT_EQ(rec.infos(),
              (Lines{"Die Postion des ersten Elementes (3) wird notiert",
                     "Das kleinste Element 1 des nicht sortierten Restfeldes wird mit dem Element "
                     "3 ausgetauscht",
                     "Die Postion des nächsten Elementes (3) wird notiert",
                     "Das kleinste Element 2 des nicht sortierten Restfeldes wird mit dem Element "
                     "3 ausgetauscht",
                     "Die Liste ist jetzt sortiert"}));
    const Lines memos = {"     <--\n[3]\n[1]\n[2]", "\n[3]  <--\n[1]\n[2]", "\n[1]  <--\n[3]\n[2]",
                         "\n[1]\n[3]  <--\n[2]", "\n[1]\n[2]  <--\n[3]"};
    for (std::size_t k = 0; k < memos.size(); ++k) EXPECT_EQ(rec.steps[k].quelle, memos[k]) << k;
    EXPECT_EQ(list->position(), 2);
}

TEST_F(ListDemoTest, SelectionSaysInPlaceAndOneElementShowsOnlyTheFinalStep) {
    auto list = integers({1, 2});
    const RecordedRun rec(SortKind::selection, *list);
    EXPECT_EQ(rec.infos()[1],
              "Das kleinste Element 1 des nicht sortierten Restfeldes steht an der richtigen "
              "Stelle");
    auto one = integers({3});
    const RecordedRun single(SortKind::selection, *one);
    EXPECT_EQ(single.infos(), Lines{"Die Liste ist jetzt sortiert"});
}

TEST_F(ListDemoTest, QuickSort1FramesTheRangeAndAnnouncesTheLowerPart) {
    auto list = integers({3, 1, 2});
    const RecordedRun rec(SortKind::quick1, *list);
    ASSERT_EQ(rec.infos(),
              (Lines{quick1Pivot("1"), quick1Forward(0, "1", "3"), quick1Backward(2, "1", "1"),
                     "3 und 1 werden ausgetauscht.", kQuick1Split, quick1Parts("1"),
                     "Da eine abgespaltene untere Teilliste mehr als ein Element enthält, wird "
                     "das Verfahren rekursiv auf die Elemente von der Position 1 bis zur Position "
                     "2 angewandt.",
                     quick1Pivot("3"), quick1Forward(1, "3", "3"), quick1Backward(2, "3", "2"),
                     "3 und 2 werden ausgetauscht.", kQuick1Split, quick1Parts("3")}));
    EXPECT_EQ(rec.steps[0].quelle, "\n--------\n[3]  <--\n[1]\n[2]\n--------");
    EXPECT_EQ(rec.steps[5].quelle, "     <--\n[1]\n--------\n[3]\n[2]");
    EXPECT_EQ(rec.steps[7].quelle, "\n[1]  <--\n--------\n[3]\n[2]\n--------");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 3}));
}

TEST_F(ListDemoTest, QuickSort1AnnouncesTheUpperPartThenFramesIt) {
    auto list = integers({2, 3, 1});
    const RecordedRun rec(SortKind::quick1, *list);
    ASSERT_EQ(rec.infos().size(), 13u);
    EXPECT_EQ(rec.infos()[6],
              "Da eine abgespaltene obere Teilliste mehr als ein Element enthält, wird das "
              "Verfahren rekursiv auf die Elemente von der Position 0 bis zur Position 1 "
              "angewandt.");
    EXPECT_EQ(rec.infos()[7], quick1Pivot("2"));
    EXPECT_EQ(rec.steps[7].quelle, "     <--\n--------\n[2]\n[1]\n--------\n[3]");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 3}));
}

TEST_F(ListDemoTest, QuickSort1ExchangesEqualKeysAndSaysItCouldBeSpared) {
    auto list = std::make_unique<TListDemo>();
    list->append(std::make_unique<TString>("x"));
    list->append(std::make_unique<TString>("x"));
    const TBase* first = list->elemAt(0);
    list->reset();
    const RecordedRun rec(SortKind::quick1, *list);
    EXPECT_EQ(rec.infos()[3],
              "x und x werden ausgetauscht, worauf wegen der Gleicheit auch verzichtet werden "
              "kann.");
    EXPECT_EQ(list->elemAt(1), first);
    EXPECT_EQ(rec.steps[0].quelle, "     <--\n--------\nx\nx\n--------");
}

TEST_F(ListDemoTest, QuickSort2SplitsAroundTheFirstElementAndJoinsTheParts) {
    auto list = integers({5, 3, 8, 1});
    const RecordedRun rec(SortKind::quick2, *list);
    const std::string upper = "Anwendung auf eine obere Teilliste: ";
    const std::string lower = "Anwendung auf eine untere Teilliste: ";
    const std::string parts =
        "In der ersten (zweiten) Teilliste stehen nur Elemente, die kleiner (größer) oder gleich "
        "dem Vergleichelement (";
    const std::string recursion =
        "Das Verfahren wird rekursiv auf die einzelnen Teillisten angewandt, falls sie mehr als "
        "ein Element enthalten.";
    const std::string joined =
        "Die vorher getrennten Listen werden aneinander gefügt (rekursive Rückschritte).";
    ASSERT_EQ(
        rec.infos(),
        (Lines{
            "Es wird das erste Element (5) als Vergleichselement bestimmt und entfernt.",
            "Da 3 kleiner als 5 ist, kommt es in die 1. Teilliste und wird in der Quelle entfernt",
            "Da 8 größer oder gleich 5 ist, kommt es in die 2. Teilliste und wird in der Quelle "
            "entfernt",
            "Da 1 kleiner als 5 ist, kommt es in die 1. Teilliste und wird in der Quelle entfernt",
            "Da die 1. Teilliste nicht leer ist, kommt das Vergleichselement 5 in die 2. "
            "Teilliste",
            parts + "5) sind",
            recursion,
            upper,
            upper + "Es wird das erste Element (1) als Vergleichselement bestimmt und entfernt.",
            upper + "Da 3 größer oder gleich 1 ist, kommt es in die 2. Teilliste und wird in der "
                    "Quelle entfernt",
            upper + "Da die 1. Teilliste leer ist, kommt das Vergleichselement 1 in diese Liste",
            parts + "1) sind",
            recursion,
            joined,
            lower,
            lower + "Es wird das erste Element (5) als Vergleichselement bestimmt und entfernt.",
            lower + "Da 8 größer oder gleich 5 ist, kommt es in die 2. Teilliste und wird in der "
                    "Quelle entfernt",
            lower + "Da die 1. Teilliste leer ist, kommt das Vergleichselement 5 in diese Liste",
            parts + "5) sind",
            recursion,
            joined,
            joined}));
    // The 1. Teilliste got 3, then 1 in front; the 2. Teilliste 8, then the pivot.
    EXPECT_EQ(rec.steps[4].zwischen1, "     <--\n[1]\n[3]");
    EXPECT_EQ(rec.steps[5].zwischen2, "     <--\n[5]\n[8]");
    EXPECT_EQ(rec.steps[7].quelle, "     <--\n[1]\n[3]");
    EXPECT_EQ(rec.steps[7].zwischen1, "");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 3, 5, 8}));
    EXPECT_EQ(list->position(), 2);  // before the first element of the 2. Teilliste
    EXPECT_EQ(rec.end.quelle, "\n[1]\n[3]  <--\n[5]\n[8]");
    EXPECT_EQ(rec.end.zwischen1, "");
    EXPECT_EQ(rec.end.zwischen2, "");
}

TEST_F(ListDemoTest, QuickSort2PutsTheSmallestPivotAloneIntoTheFirstPart) {
    auto list = integers({1, 3, 2});
    const RecordedRun rec(SortKind::quick2, *list);
    EXPECT_EQ(rec.infos()[3],
              "Da die 1. Teilliste leer ist, kommt das Vergleichselement 1 in diese Liste");
    EXPECT_EQ(rec.steps[4].zwischen1, "     <--\n[1]");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 3}));
}

TEST_F(ListDemoTest, MergeSortOfAnAscendingListEndsAfterOneDistribution) {
    auto list = integers({1, 2, 3});
    const RecordedRun rec(SortKind::merge, *list);
    ASSERT_EQ(rec.infos(),
              (Lines{"Sortierte Teilfolgen der Quelle werden wechselweise in 2 Zwischenlisten "
                     "geschrieben.",
                     "Da die 2. Zwischenliste leer ist, ist das Verfahren abgeschlossen."}));
    EXPECT_EQ(rec.steps[0].zwischen1, "\n[1]\n[2]  <--\n[3]");
    EXPECT_EQ(rec.steps[0].zwischen2, "     <--");
    EXPECT_EQ(rec.steps[1].quelle, "     <--\n[1]\n[2]\n[3]");
}

TEST_F(ListDemoTest, MergeSortOfTwoOneDistributesMergesAndFinishesNextPass) {
    auto list = integers({2, 1});
    const RecordedRun rec(SortKind::merge, *list);
    const std::string distributed =
        "Sortierte Teilfolgen der Quelle werden wechselweise in 2 Zwischenlisten geschrieben.";
    ASSERT_EQ(
        rec.infos(),
        (Lines{distributed,
               "Sortierte Teilstücke der Zwischenlisten wurden sortiert zusammengefügt.",
               distributed, "Da die 2. Zwischenliste leer ist, ist das Verfahren abgeschlossen."}));
    EXPECT_EQ(rec.steps[0].zwischen1, "     <--\n[2]");
    EXPECT_EQ(rec.steps[0].zwischen2, "     <--\n[1]");
    EXPECT_EQ(rec.steps[1].quelle, "     <--\n[1]\n[2]");
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2}));
}

TEST_F(ListDemoTest, MergeSortSeparatesTheRunsInTheIntermediateLists) {
    auto list = integers({3, 1, 4, 2});
    const RecordedRun rec(SortKind::merge, *list);
    // Runs 3 | 1 4 | 2: the first and third go to the 1. Zwischenliste, where
    // they stay two runs; merging gives the runs 1 3 4 | 2.
    EXPECT_EQ(rec.steps[0].zwischen1, "\n[3]  <--\n---------\n[2]");
    EXPECT_EQ(rec.steps[0].zwischen2, "\n[1]  <--\n[4]");
    EXPECT_EQ(rec.steps[1].quelle, "\n[1]\n[3]\n[4]  <--\n---------\n[2]");
    EXPECT_EQ(rec.infos().size(), 6u);
    EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 3, 4}));
}

// A sort starts at level 3, without a prefix; a step that switches the level
// empties both auxiliary memos, and the steps after it carry the level's
// prefix.
TEST_F(ListDemoTest, StepTextsCarryThePrefixOfTheLevel) {
    const char* prefixes[] = {
        "Anwendung auf die Ursprungsliste: ", "Anwendung auf eine obere Teilliste: ",
        "Anwendung auf eine untere Teilliste: ", ""};
    auto aux = integers({7});
    for (int level = 0; level <= 3; ++level) {
        SortScreen screen;
        EXPECT_TRUE(screen.step("vorher"));
        EXPECT_EQ(screen.info(), "vorher");
        screen.show(1, *aux);
        screen.show(2, *aux);
        EXPECT_TRUE(screen.step("", {.level = level}));
        EXPECT_EQ(screen.info(), prefixes[level]) << level;
        EXPECT_EQ(screen.memo(1), nullptr) << level;
        EXPECT_EQ(screen.memo(2), nullptr) << level;
        EXPECT_TRUE(screen.step("Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert"));
        EXPECT_EQ(screen.snapshot().text,
                  std::string(prefixes[level]) +
                      "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert")
            << level;
        // Some steps never carry the prefix.
        EXPECT_TRUE(screen.step("ohne", {.prefixed = false}));
        EXPECT_EQ(screen.info(), "ohne");
    }
}

TEST_F(ListDemoTest, StringStepsShowTheTextAndTheMemoShowsNoBrackets) {
    auto list = std::make_unique<TListDemo>();
    for (const char* s : {"b", "a"}) list->append(std::make_unique<TString>(s));
    list->reset();
    const RecordedRun rec(SortKind::bubble, *list);
    EXPECT_EQ(rec.infos()[1], "b und a werden miteinander getauscht");
    EXPECT_EQ(rec.steps[1].quelle, "\nb  <--\na");
}

// "Ende" during the first step: every sort completes at once, no further
// step is handed out, and the end shows the sorted list in MemoQuelle
// without marks and an empty info field.
TEST_F(ListDemoTest, EndeAtTheFirstStepCompletesEverySortWithoutFurtherSteps) {
    for (const NamedSort& s : kSorts) {
        auto list = integers({4, 2, 5, 1, 3, 2});
        const RecordedRun r(s.kind, *list, {.endeAtStep = 1});
        EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 2, 3, 4, 5})) << s.name;
        EXPECT_EQ(r.steps.size(), 1u) << s.name;
        EXPECT_TRUE(r.ended) << s.name;
        EXPECT_EQ(r.end.info, "") << s.name;
        EXPECT_EQ(r.end.quelle, renderList(*list).text) << s.name;
        EXPECT_EQ(r.end.quelle.find("---"), std::string::npos) << s.name;
        EXPECT_TRUE(list->verify());
    }
}

// Stepwise false: "Ende" before the first step; no step at all.
TEST_F(ListDemoTest, EndeBeforeTheFirstStepShowsOnlyTheEnd) {
    for (const NamedSort& s : kSorts) {
        auto list = integers({4, 2, 5, 1, 3, 2});
        const RecordedRun r(s.kind, *list, {.stepwise = false});
        EXPECT_TRUE(r.steps.empty()) << s.name;
        EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 2, 3, 4, 5})) << s.name;
        EXPECT_EQ(r.end.quelle, renderList(*list).text) << s.name;
    }
}

// A run given up while a step waits (the window closes) finishes the sort:
// every element is back in the list, in the sorted order.
TEST_F(ListDemoTest, ARunGivenUpDuringAStepEndsTheSortWithEveryElement) {
    for (const NamedSort& s : kSorts) {
        auto list = integers({4, 2, 5, 1, 3, 2, 9});
        {
            SortRun run(s.kind, *list, nullptr);
            for (int k = 0; k < 3; ++k) ASSERT_TRUE(run.next()) << s.name;
        }
        EXPECT_EQ(values(*list), (std::vector<int>{1, 2, 2, 3, 4, 5, 9})) << s.name;
        EXPECT_TRUE(list->verify()) << s.name;
    }
}

// MemoQuelle shows the list as the window opened it until a step shows the
// list: quicksort 2 takes out the pivot before its first step, which shows the
// list only after its wait; the mergesort's first step shows only the
// intermediate lists.
TEST_F(ListDemoTest, MemoQuelleKeepsTheOpeningPictureUntilAStepShowsTheList) {
    for (SortKind kind : {SortKind::quick2, SortKind::merge}) {
        auto list = integers({2, 1});
        auto opened =
            std::make_shared<const ListView>(viewList(*list, std::make_shared<ListTexts>()));
        const RecordedRun rec(kind, *list, {.quelle = opened});
        ASSERT_GE(rec.steps.size(), 2u);
        EXPECT_EQ(rec.steps[0].quelle, "     <--\n[2]\n[1]");
        EXPECT_NE(rec.steps[1].quelle, rec.steps[0].quelle);
    }
    auto list = integers({2, 1});
    auto opened = std::make_shared<const ListView>(viewList(*list, std::make_shared<ListTexts>()));
    const RecordedRun rec(SortKind::quick2, *list, {.quelle = opened});
    EXPECT_EQ(rec.steps[1].quelle, "     <--\n[1]");
}
