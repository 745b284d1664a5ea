// AlgorithmPanel: the "Algorithmus" panel beside a demonstration's picture.
// It shows the marks of the step shown (Step::marks): the German pseudo-code
// of the running procedure with the line of the current step marked; while a
// sub-procedure runs (a rotation, a page split, a merge of two runs, a
// recursive call), the caller's title and marked line stand above it.
//
// The panel is hidden unless the user asks for it with the checkable action
// "Algorithmus zeigen" of the host's context menu; the choice is kept in the
// program's settings, one key per panel. Shown, it stands right of the
// picture, and while the host is on screen the window is wider by what the
// panel needs beyond the host's right edge; hidden again (or the host hidden,
// another page chosen), the window gets that width back, so with the panel
// hidden the page is exactly as without it.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

#include "demo/step.h"

class QAction;

class AlgorithmPanel final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 330;

    // A panel on host (a page or a window) beside picture, a child of host.
    // name is the panel's object name and its settings key.
    AlgorithmPanel(QWidget* host, QWidget* picture, const char* name);
    ~AlgorithmPanel() override;

    // "Algorithmus zeigen" (checkable), in the host's context menu.
    QAction* showAction() const { return showAction_; }
    // Shows or hides the panel and remembers the choice.
    void setShown(bool shown);

    // Shows the marks of a step: the procedures running, innermost last,
    // each with its marked line.
    void setMarks(const CodeMarks& marks);
    const CodeMarks& marks() const { return marks_; }

    // What the panel shows (tests): the running procedure's title, its
    // marked line, and the caller's marked line during a sub-procedure (empty
    // when there is none).
    QString procedureTitle() const;
    QString markedLine() const;
    QString callerLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies the visibility without storing it.
    void apply(bool shown);
    // Makes room for the shown panel, or gives it back.
    void makeRoom();
    void giveRoomBack();
    // Widens (delta > 0) or narrows the window and the widgets between it and
    // the host that no layout manages.
    void widen(int delta);

    QWidget* host_;
    QWidget* picture_;
    QAction* showAction_;
    QString key_;
    CodeMarks marks_;
    int grown_ = 0;
};
