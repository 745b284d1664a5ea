// DemoTreePage: what the "Suchbaum", "AVL-Baum" and "BayerBaum" tab sheets
// share: the host, the number entry, the step player of the step-by-step
// demonstrations with its "Weiter" button and lesson controls, the guard of
// the handlers and the answer to an empty tree. Each subclass owns its tree.
// An operation's steps are taken at once (the tree is done); the window is
// locked for the page while the player shows them and unlocked at their end.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/pages/pagehost.h"
#include "ui/pages/undoablepage.h"
#include "ui/platform/guard.h"
#include "ui/widgets/weiterkeys.h"
#include "workbench/examples.h"
#include "workbench/exercise.h"

namespace handout {
struct Step;
enum class Kind;
}  // namespace handout

class AlgorithmPanel;
class QAction;
class QMenu;
class ImageView;
class LessonControls;
class PredictionControls;
class QLineEdit;
class QPushButton;
class StepPlayer;
class StepSource;
class TreeStepScreen;

namespace treetext {
inline constexpr const char* exerciseCaption = "Übun&g…";
inline constexpr const char* exerciseHint =
    "Eine Aufgabe aus ihrer Nummer: du führst Einfügen oder Löschen selbst Schritt für Schritt "
    "aus, das Programm prüft jeden Schritt";
inline constexpr const char* studentName = "Dein Name für das Ergebnis:";
inline constexpr const char* entryCaption = "Eingabe (Integer)";
inline constexpr const char* sequenceCaption = "&Folge einfügen…";
inline constexpr const char* sequenceHint =
    "Fügt mehrere Zahlen oder Zufallszahlen ohne Demonstration ein";
inline constexpr const char* handoutInsert = "&Einfügen als PDF…";
inline constexpr const char* handoutDelete = "&Löschen als PDF…";
inline constexpr const char* handoutInsertHint =
    "Schreibt alle Schritte des Einfügens der eingegebenen Zahl als PDF zum Ausdrucken";
inline constexpr const char* columnCaption = "Algorith&mus";
inline constexpr const char* columnHint =
    "Zeigt oder verbirgt rechts die Liste der Schritte und den Algorithmus (Alt+M)";
inline constexpr const char* handoutDeleteHint =
    "Schreibt alle Schritte des Löschens der eingegebenen Zahl als PDF zum Ausdrucken";
// The entries of the menus beside the handouts.
inline constexpr const char* exportInsert = "&Einfügen…";
inline constexpr const char* exportDelete = "&Löschen…";
}  // namespace treetext

class DemoTreePage : public QWidget, public UndoablePage {
    Q_OBJECT
public:
    ~DemoTreePage() override;

    // While a demonstration runs only "Weiter" is usable on the page (and the
    // lesson controls while a step waits).
    virtual void setDemonstrationRunning(bool running);
    // The "Algorithmus" panel beside the picture (hidden unless asked for).
    AlgorithmPanel& algorithmPanel() { return *algorithm_; }

    // The keyboard focus into the number entry.
    void focusEntryField();
    // The player of the page's demonstrations.
    StepPlayer& player() { return *player_; }
    // "Zurück", "Abspielen", "Tempo" and the list of steps.
    LessonControls& lesson() { return *lesson_; }
    // The mode "Vorhersagen" and its questions.
    PredictionControls& prediction() { return *prediction_; }
    // The picture of the demonstrations.
    QWidget* picture() const { return picture_; }
    // What a window too small for the page shows in its bar, left to right:
    // "Weiter", the row of lesson controls and the column's button.
    std::vector<QWidget*> lessonStrip() const;

protected:
    // host is lent: the main window with the clock and the shared routines.
    DemoTreePage(PageHost& host, QWidget* parent);

    // The "Weiter" button at (x, y), disabled until a demonstration runs; a
    // click, or Return / Enter while it is enabled, is the player's "Weiter".
    // Without a demonstration Return / Enter in the entry field press the
    // page's button named first (made before).
    void makeWeiter(const char* name, int x, int y, const char* first);
    // The player and its lesson controls for the page's image, info field
    // and fields (depth and balanced may be null), after makeWeiter. letter
    // is the page's letter in the object names (T, A, B); kind the page's
    // lockControls kind.
    void makeLesson(char letter, int kind, ImageView* image, QLineEdit* info, QLineEdit* depth,
                    QLineEdit* count, QLineEdit* balanced, QPoint strip, int stripWidth,
                    QRect list);
    // Runs body through the guard; then the focus goes to the entry when
    // focusEntry, unless a demonstration runs (its end does that). Nothing
    // while the window is locked (a late mnemonic click).
    template <typename Body>
    void handle(Body&& body, bool focusEntry = true) {
        if (host_.controlsLocked()) return;
        leavePast();
        guard(host_.dialogs(), body);
        entryUsed(editEingabe_);
        if (focusEntry && !demonstrating()) focusEntryField();
    }
    // Shows an operation's steps (null: the operation was refused, nothing
    // happens): the window locked for the page until their end.
    void play(std::unique_ptr<StepSource> steps);
    bool demonstrating() const;
    // The tree changed outside a demonstration (Clear, Load, Balance, a
    // sequence): the steps of the last demonstration show a tree that is no
    // more, "Zurück" and the list forget them.
    void forgetSteps();
    // Shows the final state of the last demonstration again when "Zurück"
    // shows one of its steps: every action of the page starts from there.
    void leavePast();
    void beforeUndo() override { leavePast(); }
    // The "Beispiele" button at geometry with the examples of kind: each
    // builds its tree (buildExample), puts its key into the entry field and
    // its note into info; a change that "Rückgängig" takes back.
    void makeExamples(const char* name, const QRect& geometry, examples::Page kind,
                      QLineEdit* info);
    // A new tree of the example's keys in place of the page's tree, drawn.
    virtual void buildExample(const examples::Example& example) = 0;
    // The "Übung…" button over the picture for exercises on board.
    void makeExerciseButton(exercise::Board board);
    // Builds the task's tree (undoable), puts its key into the entry and
    // runs its operation as an exercise.
    void runExercise(const exercise::Task& task);
    // The page's Insert (true) or Delete button (pages with exercises).
    virtual void runOperation(bool /*insert*/) {}
    // The "Folge einfügen…" button at (x, y) below the button panel, wider
    // than the panel so that its caption fits; the page connects it.
    QPushButton* makeSequenceButton(const char* name, int x, int y);
    // The "Folge einfügen…" dialog, then each entry (typed, or random numbers
    // for which present is false) through insertOne, which gives "" or why
    // the entry was refused; then redraw once and, when something was
    // refused, one information box listing every refused entry.
    void insertSequence(const std::function<bool(int)>& present,
                        const std::function<std::string(std::string_view)>& insertOne,
                        const std::function<void()>& redraw);
    // "Bild speichern…" and "Drucken…" for the page's image; while a step is
    // shown the picture is that step's, with its text under it. After
    // makeLesson.
    void installImagePicture(ImageView* image);
    virtual bool treeEmpty() const = 0;
    // The entries "Einfügen als PDF…" and "Löschen als PDF…" of the picture's
    // context menu (named after the picture: <name>PdfEinfuegen,
    // <name>PdfLoeschen), then the menu "Als Animation speichern…"
    // (<name>Animation) with "Einfügen…" and "Löschen…" (<name>GifEinfuegen,
    // <name>GifLoeschen) and the menu "Als Webseite speichern…"
    // (<name>Webseite: <name>HtmlEinfuegen, <name>HtmlLoeschen) and the menu
    // "Als Arbeitsblatt mit Fragen speichern…" (<name>Arbeitsblatt:
    // <name>FragenEinfuegen, <name>FragenLoeschen); pageName heads the
    // handout's title.
    void addHandoutEntries(QWidget* picture, const char* pageName);
    // The steps of inserting (deleting) the entry's number, run on a copy of
    // the page's tree; empty, with the page's message shown, when the entry
    // is refused.
    virtual std::vector<handout::Step> handoutSteps(bool insert) = 0;
    // True (after "Der Baum ist leer") when the tree is empty.
    bool emptyTree();
    // Makes the page's "Algorithmus" panel beside picture; name is its
    // object name. The page lends it to its demonstrations as their trace.
    AlgorithmPanel& makeAlgorithmPanel(QWidget* picture, const char* name);

    // Records the steps on a copy, asks for the file and writes the handout
    // (or the animation).
    void writeHandout(bool insert, const QString& pageName, handout::Kind kind);

    PageHost& host_;
    QLineEdit* editEingabe_ = nullptr;
    QPushButton* weiter_ = nullptr;
    AlgorithmPanel* algorithm_ = nullptr;

private:
    int kind_ = 0;
    char letter_ = ' ';
    QWidget* picture_ = nullptr;
    // The checkable button of the column, at the right end of the lesson
    // strip (its place kept free by makeLesson).
    QPushButton* columnButton_ = nullptr;
    QRect columnButtonPlace_;
    std::vector<QAction*> handoutEntries_;  // children of the picture
    std::vector<QMenu*> handoutMenus_;      // children of the picture
    std::unique_ptr<TreeStepScreen> stepScreen_;
    StepPlayer* player_ = nullptr;              // a child of the page
    LessonControls* lesson_ = nullptr;          // a child of the page
    PredictionControls* prediction_ = nullptr;  // a child of the page
};
