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

#include <QObject>
#include <QPoint>
#include <QRect>
#include <vector>

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

protected:
    // Number keys while a question waits; clicks in the picture.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Playback& playback() const;
    void modeChanged(bool on);
    void answer(int index);
    void refresh();
    void markList();

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
};
