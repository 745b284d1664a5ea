// Exercises as a student does them on the "Suchbaum" and "AVL-Baum" pages:
// "Übung…" builds task 4711's tree and runs its operation with the panel
// headed by the task and a frame round the picture; a wrong answer is
// refused with its reason and changes nothing shown, two wrong tries mark
// the right answer; the result counts the first tries and is saved as a
// small text file; "Neu beginnen" starts the task again and "Lösung
// zeigen" plays the rest as a demonstration.
#include "workbench/exercise.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "demo/avltreedemo.h"
#include "demo/question.h"
#include "demo/searchtreedemo.h"
#include "tests/ui/pagefixture.h"
#include "trees/treeinteger.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/predictioncontrols.h"

namespace {

class ExerciseUiTest : public PageFixture {
protected:
    // Answers every question, first with wrong answers when wrongFirst, and
    // goes on with "Weiter" until the end; returns the questions answered.
    int solve(DemoTreePage& page, bool wrongFirst, const char* info) {
        Playback& playback = page.player().playback();
        PredictionControls& controls = page.prediction();
        int questions = 0;
        for (int guard = 0; playback.running() && guard < 1000; ++guard) {
            if (const Question* q = playback.question()) {
                ++questions;
                if (wrongFirst) {
                    const int wrong = q->correct == 0 ? 1 : 0;
                    const std::string shown = field(info);
                    const int steps = playback.size();
                    QTest::mouseClick(controls.answerButtons()[static_cast<std::size_t>(wrong)],
                                      Qt::LeftButton);
                    EXPECT_TRUE(playback.asking());
                    EXPECT_EQ(playback.size(), steps);
                    EXPECT_EQ(field(info), shown);
                    EXPECT_EQ(controls.verdictLabel()->text().toStdString(),
                              "Nicht richtig: " + q->why);
                    if (q->answers.size() > 2) {
                        const int other = q->correct == 2 ? 1 : 2;
                        QTest::mouseClick(controls.answerButtons()[static_cast<std::size_t>(other)],
                                          Qt::LeftButton);
                        EXPECT_TRUE(playback.hint());
                        EXPECT_TRUE(controls.answerButtons()[static_cast<std::size_t>(q->correct)]
                                        ->styleSheet()
                                        .contains(QStringLiteral("bold")));
                        EXPECT_EQ(controls.hintMark()->isVisible(), !q->places.empty());
                    }
                }
                QTest::mouseClick(controls.answerButtons()[static_cast<std::size_t>(q->correct)],
                                  Qt::LeftButton);
                continue;
            }
            page.player().weiter();
            timers.runNext();
            timers.runNext();
        }
        EXPECT_FALSE(playback.running());
        return questions;
    }
};

TEST_F(ExerciseUiTest, TaskNumberFourSevenElevenOnTheSearchTreePage) {
    showPage("TabSheetSuchbaum");
    SearchTreePage& page = form->searchTreePage();
    const exercise::Task task = exercise::makeTask(exercise::Board::searchTree, 4711);
    auto* button = find<QPushButton>("ButtonTUebung");
    EXPECT_EQ(button->text(), "Übun&g…");
    // Cancelled: nothing happens.
    click("ButtonTUebung");
    EXPECT_FALSE(page.player().running());
    EXPECT_EQ(page.tree().count(), 0);

    dialogs.exerciseChoice = ExerciseChoice{4711, false};
    click("ButtonTUebung");
    PredictionControls& controls = page.prediction();
    ASSERT_TRUE(page.player().running());
    EXPECT_TRUE(controls.inExercise());
    EXPECT_EQ(field("EditTEingabe"), std::to_string(task.key));
    EXPECT_TRUE(controls.exerciseFrame()->isVisible());
    EXPECT_EQ(controls.exerciseTitle()->text().toStdString(), "Übung - " + task.title());
    EXPECT_TRUE(controls.solutionButton()->isVisible());
    EXPECT_FALSE(controls.saveButton()->isVisible());
    const int asked = solve(page, true, "EditTinfo");
    ASSERT_GT(asked, 0);
    // The tree as the plain operation leaves it.
    TSearchTree plain;
    for (int v : task.values) plain.insert(std::make_unique<TTreeInteger>(v));
    if (task.insert) {
        plain.insert(std::make_unique<TTreeInteger>(task.key));
    } else {
        plain.remove(std::make_unique<TTreeInteger>(task.key));
    }
    EXPECT_EQ(page.tree().count(), plain.count());
    const QString result = controls.questionLabel()->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Aufgabe 4711: 0 von %1 Schritten beim ersten "
                                                  "Versuch richtig, \\d+:\\d\\d min$")
                                       .arg(asked))
                    .match(result)
                    .hasMatch())
        << result.toStdString();
    ASSERT_TRUE(controls.saveButton()->isVisible());
    dialogs.names.push_back("Ada");
    dialogs.answers.push_back(path("ergebnis.txt"));
    QTest::mouseClick(controls.saveButton(), Qt::LeftButton);
    const std::string written = readFile(path("ergebnis.txt"));
    EXPECT_EQ(written.rfind("Tessaro - Ergebnis einer Übung\nAufgabe: 4711 (" + task.operation() +
                                ")\nName: Ada\nRichtig beim ersten Versuch: 0 von " +
                                std::to_string(asked) + "\nZeit: ",
                            0),
              0u)
        << written;

    // The same task again, right at once: the full score.
    click("ButtonTUebung");
    EXPECT_EQ(solve(page, false, "EditTinfo"), asked);
    EXPECT_TRUE(controls.questionLabel()->text().startsWith(
        QStringLiteral("Aufgabe 4711: %1 von %1 Schritten").arg(asked)));
    EXPECT_TRUE(page.tree().verify());
}

TEST_F(ExerciseUiTest, AnAvlTaskStartsAgainAndShowsItsSolution) {
    showPage("TabSheetAVLBaum");
    AvlTreePage& page = form->avlTreePage();
    const exercise::Task task = exercise::makeTask(exercise::Board::avlTree, 12);
    dialogs.exerciseChoice = ExerciseChoice{12, false};
    click("ButtonAUebung");
    PredictionControls& controls = page.prediction();
    Playback& playback = page.player().playback();
    ASSERT_TRUE(playback.asking());
    QTest::mouseClick(controls.restartButton(), Qt::LeftButton);
    ASSERT_TRUE(playback.running());
    EXPECT_TRUE(playback.asking());
    EXPECT_EQ(page.tree().count(), static_cast<int>(task.values.size()) + 1);
    // "Lösung zeigen": the rest runs as a demonstration, without questions.
    QTest::mouseClick(controls.solutionButton(), Qt::LeftButton);
    EXPECT_FALSE(playback.asking());
    for (int guard = 0; playback.running() && guard < 200; ++guard) {
        EXPECT_FALSE(playback.asking());
        page.player().weiter();
        timers.runNext();
        timers.runNext();
    }
    EXPECT_FALSE(playback.running());
    EXPECT_TRUE(page.tree().verify());
    TAvlTree plain;
    for (int v : task.values) plain.insert(std::make_unique<TTreeInteger>(v));
    plain.insert(std::make_unique<TTreeInteger>(task.key));
    EXPECT_EQ(page.tree().depth(), plain.depth());
    EXPECT_TRUE(controls.questionLabel()->text().startsWith(QStringLiteral("Aufgabe 12: 0 von")));
}

}  // namespace
