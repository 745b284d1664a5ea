// LessonControls: what a demonstrating page (or the sort window) offers for
// teaching in front of a class: "Zurück" (Left) shows the previous step again,
// "Abspielen" / "Pause" (Space) lets the steps go on by themselves, "Tempo"
// sets the time per step while playing (remembered across starts), and the
// list of steps shows every step text of the running or last demonstration,
// the current one marked; clicking an earlier one goes back to it. Right
// steps like "Weiter". The controls work on the page's StepPlayer.
//
// Back, play and the list's clicks are enabled only while a step of the
// page's demonstration waits; they never start a demonstration. Their buttons
// carry the property "lessonControl", so that the window's locking leaves
// them to this class.
//
// After the end, while the page is shown and enabled, "Zurück" and the list
// show the steps again, blinking as they did; the last entry of the list
// returns to the final state. While a step of the past is shown the
// list holds the focus; Left / Up, Right / Down, Home and End go through the
// steps when the focus is on the list or the lesson controls, or nowhere in
// the window; in a text field or a memo these keys keep editing and
// scrolling. Any other key, any click on the window
// outside the lesson controls (a left click on the picture only looks), and
// hiding the page return to the final state first.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

class Playback;
class StepPlayer;
class QAbstractButton;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QWidget;

namespace lessontext {
inline constexpr const char* back = "&Zurück";
inline constexpr const char* backHint = "Zeigt den vorigen Schritt noch einmal (Pfeil links)";
inline constexpr const char* play = "&Abspielen";
inline constexpr const char* playHint =
    "Lässt die Schritte von selbst weiterlaufen (Leertaste hält an)";
inline constexpr const char* pause = "&Pause";
inline constexpr const char* pauseHint = "Hält beim aktuellen Schritt an (Leertaste)";
inline constexpr const char* speed = "&Tempo";
inline constexpr const char* speedHint = "Zeit je Schritt beim Abspielen";
inline constexpr const char* steps = "Schritte";
inline constexpr const char* stepsHint =
    "Alle Schritte der Demonstration; ein Klick auf einen früheren zeigt ihn noch einmal";
}  // namespace lessontext

// The settings key of the time per step, in milliseconds.
inline constexpr const char* kStepTimeKey = "Lektion/SchrittzeitMs";

class LessonControls final : public QObject {
    Q_OBJECT
public:
    // Object names of the controls.
    struct Names {
        const char* back;
        const char* play;
        const char* speedLabel;
        const char* speed;
        const char* speedValue;
        const char* listLabel;
        const char* list;
    };
    // Where they stand on the page: the strip's top left corner (back, play,
    // speed in one row of height 25, `stripWidth` wide) and the list with its
    // caption above it.
    struct Layout {
        QPoint strip;
        int stripWidth;
        QRect list;
    };

    // page, player and weiter are lent; the controls become children of page.
    LessonControls(QWidget* page, const Names& names, const Layout& layout, StepPlayer& player,
                   QAbstractButton* weiter);
    ~LessonControls() override;

    // A demonstration of the page starts: the time per step as stored.
    void begin();
    // After the end: shows the final state again when a step of the past is
    // shown (before anything else happens on the page).
    void returnToEnd();
    // A picture of the page (lent; a child of the page): a left click on it
    // only looks.
    void addPicture(QWidget* picture) { pictures_.push_back(picture); }

    QPushButton* backButton() const { return back_; }
    QPushButton* playButton() const { return play_; }
    QSlider* speedSlider() const { return speed_; }
    QListWidget* stepList() const { return list_; }
    QLabel* stepListCaption() const { return listLabel_; }
    // The row of controls under the picture: "Zurück", "Abspielen", the
    // "Tempo" caption, slider and value, left to right.
    std::vector<QWidget*> strip() const;

    // The time per step as stored in the settings (default 1.5 s).
    static int storedStepMs();

protected:
    // Space, Left and Right while the page's demonstration waits; after the
    // end the keys and clicks described above.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Playback& playback() const;
    bool runningKey(QKeyEvent* key);
    bool afterEndEvent(QObject* watched, QEvent* event);
    // After the end: the page is shown and usable, the steps can be shown
    // again.
    bool reviewFree() const;
    // Shows the step at index: from "Zurück" and the list.
    void goTo(int index);
    // A lesson control or part of one (the list's viewport, say).
    bool lessonWidget(const QWidget* widget) const;
    void togglePlay();
    void speedChanged(int tenths);
    // Brings the buttons and the list up to the player.
    void refresh();
    void showSpeed();
    // The current entry in the list's font, bold.
    void markCurrentBold();
    // Watches the window's keys and clicks while a demonstration runs or its
    // steps can be shown again.
    void watchEvents(bool on);

    QWidget* page_;
    StepPlayer& player_;
    QAbstractButton* weiter_;
    QPushButton* back_;
    QPushButton* play_;
    QLabel* speedLabel_;
    QSlider* speed_;
    QLabel* speedValue_;
    QLabel* listLabel_;
    QListWidget* list_;
    std::vector<QWidget*> pictures_;
    int marked_ = -1;  // the list row shown marked
    bool filtering_ = false;
};
