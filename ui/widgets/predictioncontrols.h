// PredictionControls: the mode "Vorhersagen" of a demonstrating page (or the
// sort window). A check box, remembered across starts, switches it on; while
// it is on, the player holds each step that comes with questions and this
// panel asks them over the lower part of the picture: the question, its
// answers as buttons (also the number keys 1 to 5, and a click on a node or
// key of the picture where the answer is one), then "Richtig" or "Leider
// falsch: richtig ist …" with the reason, while the step is shown. The score
// "3 von 4 richtig" stands beside the check box; at the end a summary; the
// list of steps marks the steps whose question was answered wrongly, and
// going back to such a step shows the question with both answers.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "workbench/exercise.h"

class Playback;
class StepPlayer;
class ImageView;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace predicttext {
inline constexpr const char* mode = "&Vorhersagen";
inline constexpr const char* modeHint =
    "Vor jedem Schritt, in dem der Algorithmus etwas entscheidet, eine Frage beantworten: "
    "Klick auf eine Antwort, Taste 1 bis 5 oder Klick ins Bild";
inline constexpr const char* answerHint = "Antwort (Taste %1)";
inline constexpr const char* given = "Deine Antwort: ";
inline constexpr const char* wrongEntry = "Vorhersage falsch";
inline constexpr const char* solution = "Lös&ung zeigen";
inline constexpr const char* solutionHint = "Spielt die übrigen Schritte als Demonstration ab";
inline constexpr const char* restart = "Neu begi&nnen";
inline constexpr const char* restartHint = "Beginnt dieselbe Aufgabe von vorn";
inline constexpr const char* save = "Ergebnis speic&hern…";
inline constexpr const char* saveHint =
    "Schreibt Aufgabe, Name, Ergebnis, Zeit und Datum in eine kleine Textdatei";
}  // namespace predicttext

// The settings key of the mode.
inline constexpr const char* kPredictKey = "Lektion/Vorhersagen";

class PredictionControls final : public QObject {
    Q_OBJECT
public:
    struct Names {
        const char* mode;
        const char* score;
        const char* panel;
    };
    // page, player, the picture (may be null) and the list of steps are lent;
    // the controls become children of page: the score and the check box in
    // one row from modeAt, 300 wide, the score right-aligned in its right
    // half; the question panel over panelArea.
    PredictionControls(QWidget* page, const Names& names, QPoint modeAt, QRect panelArea,
                       StepPlayer& player, ImageView* picture, QListWidget* steps);

    // The check box; the page locks it while a demonstration runs, like its
    // other choices.
    QCheckBox* modeBox() const { return mode_; }
    QLabel* scoreLabel() const { return score_; }
    QFrame* panel() const { return panel_; }
    QLabel* questionLabel() const { return question_; }
    QLabel* verdictLabel() const { return verdict_; }
    const std::vector<QPushButton*>& answerButtons() const { return answers_; }

    static bool storedMode();

    // An exercise runs on the page (its demonstration is the task's
    // operation): the panel stays, headed "Übung - Aufgabe …", a coloured
    // frame marks the picture, a wrong answer is refused with its reason,
    // after two tries the right one is marked; "Lösung zeigen" lets the
    // rest run as a demonstration, "Neu beginnen" calls restart; at the end
    // the result, and "Ergebnis speichern…" calls save with the text of the
    // result file's task, score and time (the page asks for the name).
    struct ExerciseHooks {
        std::function<void()> restart;
        std::function<void(int rightFirst, int steps, int seconds)> save;
    };
    void beginExercise(const exercise::Task& task, ExerciseHooks hooks);
    bool inExercise() const { return exercising_; }
    QLabel* exerciseTitle() const { return title_; }
    QPushButton* solutionButton() const { return solution_; }
    QPushButton* restartButton() const { return restart_; }
    QPushButton* saveButton() const { return save_; }
    QFrame* exerciseFrame() const { return frame_; }
    QFrame* hintMark() const { return hintMark_; }

protected:
    // Number keys while a question waits; clicks in the picture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Playback& playback() const;
    void modeChanged(bool on);
    void answer(int index);
    void refresh();
    void markList();
    void showExercise();
    void endExercise();

    QWidget* page_;
    StepPlayer& player_;
    ImageView* picture_;
    QListWidget* steps_;
    QCheckBox* mode_;
    QLabel* score_;
    QFrame* panel_;
    QLabel* question_;
    QLabel* verdict_;
    std::vector<QPushButton*> answers_;
    bool ended_ = false;

    QLabel* title_;
    QPushButton* solution_;
    QPushButton* restart_;
    QPushButton* save_;
    QFrame* frame_;
    QFrame* hintMark_;
    bool exercising_ = false;
    bool finished_ = false;  // the exercise's demonstration has ended
    exercise::Task task_;
    ExerciseHooks hooks_;
    QElapsedTimer clock_;
    int seconds_ = 0;
};
