// Prediction questions: the builder's choice of answers, and for every kind
// of question, on random trees and lists, that the answer marked correct is
// exactly what the real algorithm does next and that every offered answer is
// distinct: the search path and the place where a number is linked in, the
// key that replaces a deleted key with two children, where the AVL property
// breaks and which rotation follows, and the sorts' next exchange, place,
// minimum, pivot, stop of a scan and part list; the B-tree's overflow, the
// key that moves up, the underflow repair and the shrinking root; the runs
// of the natural mergesort.
#include "demo/question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "demo/sorts.h"
#include "demo/steprecorder.h"
#include "tests/demo/demosupport.h"
#include "tests/demo/sortdemosupport.h"
#include "trees/treeinteger.h"

using demotest::drain;
using demotest::FakePage;
using demotest::Played;

namespace {

const std::string& correctOf(const Question& q) {
    return q.answers[static_cast<std::size_t>(q.correct)];
}

// Every question offers 2 to 5 distinct answers, one of them correct, and
// its places name answers.
void expectWellFormed(const Question& q) {
    ASSERT_GE(q.answers.size(), 2u) << q.text;
    ASSERT_LE(q.answers.size(), 5u) << q.text;
    ASSERT_GE(q.correct, 0);
    ASSERT_LT(q.correct, static_cast<int>(q.answers.size()));
    const std::set<std::string> distinct(q.answers.begin(), q.answers.end());
    EXPECT_EQ(distinct.size(), q.answers.size()) << q.text;
    for (const Question::Place& p : q.places)
        EXPECT_LT(p.answer, static_cast<int>(q.answers.size()));
    EXPECT_FALSE(q.why.empty());
}

TEST(QuestionBuilderTest, KeepsAtMostFiveAroundTheCorrectAnswerWithoutRepeats) {
    struct Case {
        int candidates;
        int correct;
        std::vector<std::string> answers;
        int index;
    };
    const Case cases[] = {
        {3, 0, {"a0", "a1", "a2"}, 0},
        {9, 0, {"a0", "a1", "a2", "a3", "a4"}, 0},
        {9, 1, {"a0", "a1", "a2", "a3", "a4"}, 1},
        {9, 4, {"a2", "a3", "a4", "a5", "a6"}, 2},
        {9, 8, {"a4", "a5", "a6", "a7", "a8"}, 4},
        {9, 7, {"a4", "a5", "a6", "a7", "a8"}, 3},
    };
    for (const Case& c : cases) {
        QuestionBuilder b("Frage", "weil");
        for (int i = 0; i < c.candidates; ++i) b.add("a" + std::to_string(i), i == c.correct);
        const auto q = b.build();
        ASSERT_TRUE(q);
        EXPECT_EQ(q->answers, c.answers) << c.candidates << " " << c.correct;
        EXPECT_EQ(q->correct, c.index);
    }
    // A repeated text is offered once; the correct one wins and keeps its place.
    const auto q = QuestionBuilder("F", "w")
                       .add("x", false, Question::Place{1, 1, 0})
                       .add("y")
                       .add("x", true, Question::Place{5, 5, 0})
                       .build();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->answers, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(q->correct, 0);
    EXPECT_EQ(q->answerAt(6, 4), 0);
    EXPECT_FALSE(q->answerAt(30, 30));
    // Fewer than two answers or none correct make no question.
    EXPECT_FALSE(QuestionBuilder("F", "w").add("x", true).add("x").build());
    EXPECT_FALSE(QuestionBuilder("F", "w").add("x").add("y").build());
}

TEST(QuestionBuilderTest, AClickChoosesTheNearestPlaceWithinItsRadius) {
    Question q;
    q.answers = {"links", "rechts"};
    q.places = {{100, 50, 0}, {120, 50, 1}};
    EXPECT_EQ(q.answerAt(108, 50), 0);
    EXPECT_EQ(q.answerAt(112, 52), 1);
    EXPECT_FALSE(q.answerAt(160, 50));
}

// --- Search tree and AVL tree -------------------------------------------------

template <typename Tree>
class TreeQuestions {
public:
    TreeQuestions() {
        registerElementClasses();
        registerAvlTreeClasses();
    }
    Played run(int value, bool doInsert) {
        page.entry.setText(std::to_string(value));
        const std::unique_ptr<RecordedSteps> steps = tree.insdel(doInsert);
        return steps ? drain(*steps) : Played{};
    }
    RecordingMessages messages;
    FakePage page{505, true};
    Tree tree{page};
};

std::int32_t keyOf(const TBinTreeNode* n) {
    return static_cast<const TInteger&>(*n->getValue()).getValue();
}

// The path the search for key takes, as "links"/"rechts" with each node passed.
std::vector<std::pair<int, std::string>> searchPath(const TBinTreeNode* n, int key) {
    std::vector<std::pair<int, std::string>> path;
    while (n != nullptr && keyOf(n) != key) {
        const bool left = key < keyOf(n);
        path.push_back({keyOf(n), left ? "links" : "rechts"});
        n = left ? n->getLeft() : n->getRight();
    }
    return path;
}

const TBinTreeNode* findNode(const TBinTreeNode* n, int key) {
    while (n != nullptr && keyOf(n) != key) n = key < keyOf(n) ? n->getLeft() : n->getRight();
    return n;
}

TEST(TreeQuestionTest, SearchTreeQuestionsFollowThePathTheLinkAndThePredecessor) {
    TreeQuestions<TSearchTreeDemo> t;
    std::mt19937 random(4711);
    int paths = 0, links = 0, replacements = 0;
    for (int round = 0; round < 400; ++round) {
        const int value = 1 + static_cast<int>(random() % 99);
        const bool doInsert = random() % 3 != 0;
        const bool present = findNode(t.tree.root.get(), value) != nullptr;
        if (doInsert == present) continue;
        // Taken before the operation, from the tree as it stands.
        const auto path = searchPath(t.tree.root.get(), value);
        std::optional<int> predecessor;
        if (!doInsert) {
            const TBinTreeNode* n = findNode(t.tree.root.get(), value);
            if (n->getLeft() && n->getRight()) {
                const TBinTreeNode* p = n->getLeft();
                while (p->getRight()) p = p->getRight();
                predecessor = keyOf(p);
            }
        }
        const Played played = t.run(value, doInsert);
        if (played.steps.empty()) continue;  // refused: too deep
        std::vector<Question> asked;
        for (const Step& s : played.steps)
            for (const Question& q : s.questions) {
                expectWellFormed(q);
                asked.push_back(q);
            }
        // The search questions come with the first step, one per node passed
        // (inserting, the last node asks where the number is linked in).
        const std::vector<Question>& first = played.steps.front().questions;
        ASSERT_GE(first.size(), path.size()) << round;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const Question& q = first[i];
            if (doInsert && i + 1 == path.size()) {
                EXPECT_EQ(q.text, "Wo wird " + std::to_string(value) + " eingehängt?");
                EXPECT_EQ(correctOf(q), path[i].second + " unter " + std::to_string(path[i].first));
                ++links;
            } else {
                EXPECT_EQ(q.text, (doInsert ? "Einfügen von " : "Suche nach ") +
                                      std::to_string(value) + ": Bei " +
                                      std::to_string(path[i].first) + " links oder rechts weiter?");
                EXPECT_EQ(correctOf(q), path[i].second);
                ++paths;
            }
        }
        if (predecessor) {
            auto it = std::find_if(asked.begin(), asked.end(), [&](const Question& q) {
                return q.text == "Welche Zahl ersetzt " + std::to_string(value) + "?";
            });
            ASSERT_NE(it, asked.end()) << round;
            EXPECT_EQ(correctOf(*it), std::to_string(*predecessor));
            ++replacements;
        }
    }
    EXPECT_GT(paths, 200);
    EXPECT_GT(links, 50);
    EXPECT_GT(replacements, 10);
}

TEST(TreeQuestionTest, AvlQuestionsNameTheViolatedNodeAndTheRotationTheNextStepsShow) {
    TreeQuestions<TAvlTreeDemo> t;
    std::mt19937 random(2027);
    std::map<std::string, int> rotations;
    int nowhere = 0;
    for (int round = 0; round < 600; ++round) {
        const int value = 1 + static_cast<int>(random() % 99);
        const bool doInsert = random() % 4 != 0;
        if (doInsert == (findNode(t.tree.root.get(), value) != nullptr)) continue;
        const Played played = t.run(value, doInsert);
        for (std::size_t i = 0; i < played.steps.size(); ++i) {
            const std::string& text = played.steps[i].text;
            if (text.rfind("Bei ", 0) != 0 ||
                text.find("AVL-Eigenschaft verletzt") == std::string::npos)
                continue;
            const std::string a = text.substr(4, text.find(' ', 4) - 4);
            const auto& before = played.steps[i].questions;
            auto violated = std::find_if(before.begin(), before.end(), [](const Question& q) {
                return q.text.find("die AVL-Eigenschaft verletzt? Wo?") != std::string::npos;
            });
            ASSERT_NE(violated, before.end()) << round;
            EXPECT_EQ(correctOf(*violated), "bei " + a);
            // The rotation question comes with the next step, which names it.
            ASSERT_LT(i + 1, played.steps.size());
            ASSERT_EQ(played.steps[i + 1].questions.size(), 1u);
            const Question& r = played.steps[i + 1].questions[0];
            expectWellFormed(r);
            EXPECT_EQ(r.text, "Welche Rotation folgt bei " + a + "?");
            EXPECT_EQ(played.steps[i + 1].text, correctOf(r) + " wird durchgeführt") << round;
            ++rotations[correctOf(r)];
        }
        const bool rotated = std::any_of(
            played.steps.begin(), played.steps.end(),
            [](const Step& s) { return s.text.find("-Rotation wird") != std::string::npos; });
        // Into an empty tree there is nothing to ask.
        if (doInsert && !played.steps.empty() && !rotated && t.tree.count() > 1) {
            ASSERT_EQ(played.end.questions.size(), 1u) << round;
            expectWellFormed(played.end.questions[0]);
            EXPECT_EQ(correctOf(played.end.questions[0]), "nirgends");
            ++nowhere;
        }
        ASSERT_TRUE(t.tree.verify());
    }
    for (const char* kind : {"LL-Rotation", "LR-Rotation", "RR-Rotation", "RL-Rotation"})
        EXPECT_GT(rotations[kind], 3) << kind;
    EXPECT_GT(nowhere, 50);
}

// --- B-tree -------------------------------------------------------------------

class BayerQuestions {
public:
    BayerQuestions() {
        registerElementClasses();
        registerBayerTreeClasses();
    }
    // The operation's steps; the page shows the end afterwards.
    Played run(int value, bool doInsert) {
        StepRecorder page(497, 305, shown, fields, false);
        const std::unique_ptr<RecordedSteps> steps =
            doInsert ? tree.insert(page, std::make_unique<TInteger>(value))
                     : tree.remove(page, std::make_unique<TInteger>(value));
        Played played = drain(*steps);
        shown = played.end.picture.record(0);
        fields = played.end.fields;
        return played;
    }
    // The keys of the leaf the search for value reaches.
    std::vector<int> leafKeys(int value) const {
        const TInteger x(value);
        const TBayerTreeNode* page = tree.root();
        while (page && page->child(0)) page = page->child(TBayerTree::searchPage(*page, x).pos);
        std::vector<int> keys;
        for (int k = 1; page && k <= page->count(); ++k)
            keys.push_back(static_cast<const TInteger&>(page->key(k)).getValue());
        return keys;
    }
    RecordingMessages messages;
    DrawingRecord shown;
    PageFields fields;
    TBayerTreeDemo tree;
};

// The key the picture shows, in black, at the place of a key answer.
std::string keyShownAt(const std::vector<DrawingOp>& ops, const Question::Place& place,
                       const std::string& answer) {
    const int x = place.x - 7 * static_cast<int>(answer.size()) / 2;
    const int y = place.y - 6;
    std::string shownText;
    for (const DrawingOp& op : ops) {
        if (op.kind == DrawingOp::Kind::text && op.x1 == x && op.y1 == y)
            shownText = op.fontColor == clBlack ? op.text : "";
    }
    return shownText;
}

TEST(BayerQuestionTest, QuestionsNameTheOverflowTheMiddleKeyTheRepairAndTheShrinkingRoot) {
    BayerQuestions t;
    std::mt19937 random(1234);
    std::map<std::string, int> seen;
    const std::string splitText =
        "Aufteilen der Seite und mittleres Element eine Ebene höher setzen";
    for (int round = 0; round < 3000; ++round) {
        // The tree grows and shrinks by turns, so that the root splits and
        // shrinks again and again.
        const bool growing = round / 200 % 2 == 0;
        const int value = 1 + static_cast<int>(random() % 80);
        const bool present = t.tree.lookUp(TInteger(value)) != nullptr;
        const bool doInsert = !present && random() % 8 < (growing ? 7u : 1u);
        if (!doInsert && !present) continue;
        const std::vector<int> leaf = t.leafKeys(value);
        const int depthBefore = t.tree.depth();
        const Played played = t.run(value, doInsert);
        ASSERT_TRUE(t.tree.verify()) << round;
        bool firstOverflow = true;
        bool firstMiddle = true;
        auto check = [&](const Question& q, const std::string& nextText,
                         const std::vector<DrawingOp>& picture) {
            expectWellFormed(q);
            const std::string& answer = correctOf(q);
            if (q.text == "Läuft die Seite über?") {
                EXPECT_EQ(q.answers, (std::vector<std::string>{"ja", "nein"}));
                EXPECT_EQ(nextText, answer == "ja" ? splitText : "Zahl wird eingefügt") << round;
                if (firstOverflow) {
                    EXPECT_EQ(answer == "ja", leaf.size() == 4) << round;
                }
                firstOverflow = false;
                ++seen[q.text + " " + answer];
            } else if (q.text == "Welcher Schlüssel wird eine Ebene höher gesetzt?") {
                ASSERT_EQ(q.answers.size(), 5u);
                EXPECT_EQ(q.correct, 2);
                std::vector<int> keys;
                for (const std::string& a : q.answers) keys.push_back(std::stoi(a));
                EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
                if (firstMiddle) {
                    std::vector<int> five = leaf;
                    five.push_back(value);
                    std::sort(five.begin(), five.end());
                    EXPECT_EQ(keys, five) << round;
                }
                firstMiddle = false;
                EXPECT_EQ(nextText, splitText);
                ASSERT_EQ(q.places.size(), 5u);
                for (const Question::Place& p : q.places) {
                    const std::string& a = q.answers[static_cast<std::size_t>(p.answer)];
                    EXPECT_EQ(keyShownAt(picture, p, a), a) << round;
                }
                ++seen[q.text];
            } else if (q.text == "Die Seite hat zu wenige Schlüssel. Wie geht es weiter?") {
                EXPECT_EQ(q.answers, (std::vector<std::string>{"vom linken Nachbarn leihen",
                                                               "vom rechten Nachbarn leihen",
                                                               "mit einem Nachbarn verschmelzen"}));
                const char* want = q.correct == 0   ? "Mit linkem Nachbar ausgleichen"
                                   : q.correct == 1 ? "Mit rechtem Nachbar ausgleichen"
                                                    : nullptr;
                if (want) {
                    EXPECT_EQ(nextText.rfind(want, 0), 0u) << nextText;
                } else {
                    EXPECT_NE(nextText.find("verschmelzen - Element vom Vorgänger"),
                              std::string::npos)
                        << nextText;
                }
                ++seen[answer];
            } else if (q.text == "Schrumpft die Wurzel?") {
                EXPECT_EQ(answer == "ja", t.tree.depth() < depthBefore) << round;
                ++seen[q.text + " " + answer];
            } else {
                ADD_FAILURE() << q.text;
            }
        };
        std::vector<DrawingOp> picture = demotest::flat(played.end.picture);
        for (std::size_t i = 0; i < played.steps.size(); ++i) {
            const std::vector<DrawingOp> before =
                i == 0 ? std::vector<DrawingOp>{} : demotest::shownAfter(played.steps[i - 1]);
            for (const Question& q : played.steps[i].questions)
                check(q, played.steps[i].text, before);
        }
        for (const Question& q : played.end.questions) {
            // Only the root's fate is asked before the end.
            EXPECT_EQ(q.text, "Schrumpft die Wurzel?");
            check(q, played.end.text, picture);
        }
    }
    for (const char* kind :
         {"Läuft die Seite über? ja", "Läuft die Seite über? nein",
          "Welcher Schlüssel wird eine Ebene höher gesetzt?", "vom linken Nachbarn leihen",
          "vom rechten Nachbarn leihen", "mit einem Nachbarn verschmelzen",
          "Schrumpft die Wurzel? ja", "Schrumpft die Wurzel? nein"})
        EXPECT_GT(seen[kind], 10) << kind;
}

// --- Sorts --------------------------------------------------------------------

struct SortQuestion {
    Question question;
    std::string nextText;  // the text of the step it was asked before
};

std::vector<SortQuestion> sortQuestions(SortKind kind, const std::vector<int>& values) {
    auto list = sorttest::integers(values);
    SortRun run(kind, *list, nullptr);
    std::vector<SortQuestion> out;
    while (auto step = run.next())
        for (const Question& q : step->questions) out.push_back({q, step->text});
    EXPECT_EQ(sorttest::values(*list), [&] {
        std::vector<int> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }());
    return out;
}

std::string placed(int value, std::size_t index) {
    return std::to_string(value) + " (Platz " + std::to_string(index + 1) + ")";
}

// The correct answers, from each sort run on the numbers themselves.
std::vector<std::string> bubbleAnswers(std::vector<int> u) {
    std::vector<std::string> want;
    for (std::size_t i = 0; i + 1 < u.size(); ++i) {
        bool swapped = false;
        for (std::size_t j = 0; j + 1 < u.size() - i; ++j) {
            if (u[j] <= u[j + 1]) continue;
            want.push_back(std::to_string(u[j]) + " und " + std::to_string(u[j + 1]) + " (Platz " +
                           std::to_string(j + 1) + " und " + std::to_string(j + 2) + ")");
            std::swap(u[j], u[j + 1]);
            swapped = true;
        }
        if (!swapped) break;
    }
    return want;
}

std::vector<std::string> insertionAnswers(std::vector<int> u) {
    std::vector<std::string> want;
    for (std::size_t i = 1; i < u.size(); ++i) {
        const int e = u[i];
        u.erase(u.begin() + static_cast<std::ptrdiff_t>(i));
        const std::size_t p = static_cast<std::size_t>(
            std::lower_bound(u.begin(), u.begin() + static_cast<std::ptrdiff_t>(i), e) - u.begin());
        want.push_back(p < i
                           ? "vor " + placed(u[p], p)
                           : "ans Ende des sortierten Teils (Platz " + std::to_string(p + 1) + ")");
        u.insert(u.begin() + static_cast<std::ptrdiff_t>(p), e);
    }
    return want;
}

std::vector<std::string> selectionAnswers(std::vector<int> u) {
    std::vector<std::string> want;
    for (std::size_t i = 0; i + 1 < u.size(); ++i) {
        const std::size_t m = static_cast<std::size_t>(
            std::min_element(u.begin() + static_cast<std::ptrdiff_t>(i), u.end()) - u.begin());
        want.push_back(placed(u[m], m));
        std::swap(u[i], u[m]);
    }
    return want;
}

TEST(SortQuestionTest, SimpleSortsAskForTheExchangeThePlaceAndTheMinimumTheyTakeNext) {
    struct Kind {
        SortKind kind;
        std::vector<std::string> (*answers)(std::vector<int>);
        const char* nextStep;  // what the step after each question says
    };
    const Kind kinds[] = {
        {SortKind::bubble, bubbleAnswers, " werden miteinander getauscht"},
        {SortKind::insertion, insertionAnswers, " an der richtigen Position eingefügt"},
        {SortKind::selection, selectionAnswers, "Das kleinste Element "}};
    for (const Kind& k : kinds) {
        std::mt19937 random(11);
        std::size_t asked = 0;
        for (int round = 0; round < 80; ++round) {
            std::vector<int> v(8 + random() % 5);
            for (int& x : v) x = static_cast<int>(random() % 20);
            const auto got = sortQuestions(k.kind, v);
            const auto want = k.answers(v);
            ASSERT_EQ(got.size(), want.size()) << round;
            for (std::size_t q = 0; q < got.size(); ++q) {
                expectWellFormed(got[q].question);
                EXPECT_EQ(correctOf(got[q].question), want[q]) << round << " " << q;
                EXPECT_NE(got[q].nextText.find(k.nextStep), std::string::npos) << got[q].nextText;
            }
            asked += got.size();
        }
        EXPECT_GT(asked, 500u);
    }
}

TEST(SortQuestionTest, QuicksortQuestionsNameThePivotTheScansAndThePartsTheStepsShow) {
    std::mt19937 random(5);
    std::map<std::string, int> seen;
    for (int round = 0; round < 80; ++round) {
        std::vector<int> v(8 + random() % 5);
        for (int& x : v) x = static_cast<int>(random() % 20);
        for (SortKind kind : {SortKind::quick1, SortKind::quick2}) {
            for (const SortQuestion& sq : sortQuestions(kind, v)) {
                const Question& q = sq.question;
                expectWellFormed(q);
                const std::string& next = sq.nextText;
                const std::string answer = correctOf(q);
                const std::string value = answer.substr(0, answer.find(' '));
                if (q.text.rfind("Welches Element wird das Vergleichselement", 0) == 0) {
                    // "… ein Vergleichselement (7) bestimmt." / "… das erste Element (7) …"
                    EXPECT_NE(next.find("(" + value + ")"), std::string::npos) << next;
                    ++seen["Vergleichselement"];
                } else if (q.text.rfind("Wo bleibt die Suche", 0) == 0) {
                    EXPECT_NE(next.find("Gefunden wurde " + value + "."), std::string::npos)
                        << next;
                    ++seen["Suche"];
                } else if (q.text.rfind("In welche Teilliste kommt", 0) == 0) {
                    const bool first = answer.rfind("in die erste", 0) == 0;
                    EXPECT_NE(next.find(first ? "in die 1. Teilliste" : "in die 2. Teilliste"),
                              std::string::npos)
                        << next;
                    ++seen[first ? "erste" : "zweite"];
                } else {
                    ADD_FAILURE() << q.text;
                }
            }
        }
    }
    for (const char* kind : {"Vergleichselement", "Suche", "erste", "zweite"})
        EXPECT_GT(seen[kind], 100) << kind;
}

// Natural mergesort on the numbers: the number of ascending runs at the
// start of each pass, as the answer names it.
std::vector<std::string> mergeAnswers(std::vector<int> u) {
    std::vector<std::string> want;
    auto ascendingPrefix = [](const std::vector<int>& v, std::size_t from) {
        std::size_t end = from + 1;
        while (end < v.size() && v[end] >= v[end - 1]) ++end;
        return end;
    };
    while (u.size() > 1) {
        std::vector<int> z[2];
        int runs = 1;
        int target = 0;
        for (std::size_t i = 0; i < u.size(); ++i) {
            if (i > 0 && u[i] < u[i - 1]) {
                ++runs;
                target = 1 - target;
            }
            z[target].push_back(u[i]);
        }
        want.push_back(std::to_string(runs) + (runs == 1 ? " Teilfolge" : " Teilfolgen"));
        if (runs == 1) break;
        u.clear();
        std::size_t at[2] = {0, 0};
        while (at[0] < z[0].size() || at[1] < z[1].size()) {
            std::vector<int> merged;
            for (int k = 0; k < 2; ++k) {
                if (at[k] >= z[k].size()) continue;
                const std::size_t end = ascendingPrefix(z[k], at[k]);
                merged.insert(merged.end(), z[k].begin() + static_cast<std::ptrdiff_t>(at[k]),
                              z[k].begin() + static_cast<std::ptrdiff_t>(end));
                at[k] = end;
            }
            std::sort(merged.begin(), merged.end());
            u.insert(u.end(), merged.begin(), merged.end());
        }
    }
    return want;
}

TEST(SortQuestionTest, MergesortAsksForTheRunsEachDistributionShows) {
    std::mt19937 random(23);
    std::size_t asked = 0;
    std::set<int> counts;
    for (int round = 0; round < 150; ++round) {
        std::vector<int> v(2 + random() % 12);
        for (int& x : v) x = static_cast<int>(random() % 20);
        const auto got = sortQuestions(SortKind::merge, v);
        const auto want = mergeAnswers(v);
        ASSERT_EQ(got.size(), want.size()) << round;
        for (std::size_t q = 0; q < got.size(); ++q) {
            expectWellFormed(got[q].question);
            EXPECT_EQ(got[q].question.text,
                      "In wie viele sortierte Teilfolgen zerfällt die Quelle?");
            EXPECT_EQ(correctOf(got[q].question), want[q]) << round << " " << q;
            EXPECT_NE(got[q].nextText.find("Sortierte Teilfolgen der Quelle werden wechselweise"),
                      std::string::npos)
                << got[q].nextText;
            counts.insert(std::stoi(want[q]));
        }
        asked += got.size();
    }
    EXPECT_GT(asked, 300u);
    // Sorted input (one run) and many runs are both asked.
    EXPECT_TRUE(counts.count(1));
    EXPECT_GT(*counts.rbegin(), 5);
}

TEST(SortQuestionTest, EndeAsksNothingMore) {
    auto list = sorttest::integers({5, 4, 3, 2, 1, 0});
    SortRun run(SortKind::bubble, *list, nullptr);
    ASSERT_TRUE(run.next());
    run.finish();
    EXPECT_TRUE(run.end().questions.empty());
    EXPECT_EQ(sorttest::values(*list), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
