// AlgorithmPanel: the "Algorithmus" panel beside a demonstration's picture,
// the lesson column: on top the list of steps of the host's lesson controls
// (when the host lends it), below it the marks of the step shown
// (Step::marks) in a scroll area that keeps the marked line in view: the
// German pseudo-code
// of the running procedure with the line of the current step marked; while a
// sub-procedure runs (a rotation, a page split, a merge of two runs, a
// recursive call), the caller's title and marked line stand above it.
//
// The panel is hidden unless the user asks for it with the checkable action
// "Schritte und Algorithmus zeigen" of the host's context menu; the choice is kept in the
// program's settings, one key per panel. Shown, it stands right of the
// picture, and while the host is on screen the window is wider by what the
// panel needs beyond the host's right edge; hidden again (or the host hidden,
// another page chosen), the window gets that width back, so with the panel
// hidden the page is exactly as without it. The widening stops at a sheet
// in a scroll area (ScreenFit), whose window then places itself
// (roomChanged). A window that does not fit its screen docks the panel in
// its column: docked, the panel widens nothing.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

#include "demo/step.h"

class QAction;
class QBoxLayout;
class QListWidget;
class QScrollArea;
class QVBoxLayout;

class AlgorithmPanel final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 330;
    // The rows of the list of steps in view, at least, while the panel
    // holds it.
    static constexpr int kListRows = 8;

    // A panel on host (a page or a window) beside picture, a child of host.
    // name is the panel's object name and its settings key.
    AlgorithmPanel(QWidget* host, QWidget* picture, const char* name);
    ~AlgorithmPanel() override;

    // "Schritte und Algorithmus zeigen" (checkable), in the host's context
    // menu.
    QAction* showAction() const { return showAction_; }
    // Shows or hides the panel and remembers the choice.
    void setShown(bool shown);
    bool shown() const;

    // The width of the panel at the window's zoom.
    int zoomedWidth() const;
    // What the host's page would have to grow by for the shown panel beside
    // the picture (0 while hidden), docked or not.
    int roomNeeded() const;
    // Docked in column (a window's column: parent and geometry are the
    // column's), or with null back beside the picture on the host.
    void dockIn(QBoxLayout* column);
    bool docked() const { return docked_; }
    // After a zoom: the host's widgets are at their zoomed design again; the
    // panel beside the picture makes its room anew.
    void zoomed();

    // Shows the marks of a step: the procedures running, innermost last,
    // each with its marked line.
    void setMarks(const CodeMarks& marks);
    const CodeMarks& marks() const { return marks_; }

    // The list of steps of the host's lesson controls, with its caption:
    // while the panel is shown they stand at its top (at least kListRows
    // rows), hidden again they go back to their place on the host.
    void adoptSteps(QWidget* caption, QListWidget* list);
    // The pseudo-code's scroll area (tests).
    QScrollArea* codeArea() const;

    // What the panel shows (tests): the running procedure's title, its
    // marked line, and the caller's marked line during a sub-procedure (empty
    // when there is none).
    QString procedureTitle() const;
    QString markedLine() const;
    QString callerLine() const;

signals:
    // The panel widened or narrowed the widgets up to a sheet.
    void roomChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies the visibility without storing it.
    void apply(bool shown);
    // Makes room for the shown panel, or gives it back.
    void makeRoom();
    void giveRoomBack();
    // Widens (delta > 0) or narrows the window (or the sheet) and the widgets
    // between it and the host that no layout manages.
    void widen(int delta);
    // Beside the picture, at the zoom.
    void placeBesidePicture();
    // The list of steps into the panel, or back onto the host.
    void holdSteps(bool hold);
    // At least kListRows rows of the list in view at its font.
    void fitListRows();
    // The pseudo-code for the marks, the marked line scrolled into view.
    void refreshCode();

    class CodeView;

    QWidget* host_;
    QWidget* picture_;
    QAction* showAction_;
    QString key_;
    CodeMarks marks_;
    int grown_ = 0;
    bool docked_ = false;
    QVBoxLayout* layout_;
    QScrollArea* codeArea_;
    CodeView* code_;
    QWidget* stepsCaption_ = nullptr;
    QListWidget* stepsList_ = nullptr;
    bool holdingSteps_ = false;
};
