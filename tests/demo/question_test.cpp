// Prediction questions: the builder's choice of answers, and for every kind
// of question, on random trees and lists, that the answer marked correct is
// exactly what the real algorithm does next and that every offered answer is
// distinct: the search path and the place where a number is linked in, the
// key that replaces a deleted key with two children, where the AVL property
// breaks and which rotation follows, and the sorts' next exchange, place,
// minimum, pivot, stop of a scan and part list.
#include "demo/question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "demo/searchtreedemo.h"
#include "demo/sorts.h"
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

TEST(SortQuestionTest, EndeAsksNothingMore) {
    auto list = sorttest::integers({5, 4, 3, 2, 1, 0});
    SortRun run(SortKind::bubble, *list, nullptr);
    ASSERT_TRUE(run.next());
    run.finish();
    EXPECT_TRUE(run.end().questions.empty());
    EXPECT_EQ(sorttest::values(*list), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
