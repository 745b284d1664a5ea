// UndoablePage: what every page of the main window adds for "Rückgängig" and
// "Wiederholen". Each change of the page's structure is kept as the page's
// state before it (PageState: the structure's own record, the cursor or
// current node, the fields' texts); undo puts that state back and keeps the
// one it replaces for redo. A handler marks a change with a Change in its
// body: the state is taken when the Change is made and kept when the
// structure differs at its end, also when the body ends by an error (a
// refused load).
#pragma once

#include <functional>

#include "workbench/pagestate.h"
#include "workbench/undostack.h"

class QLineEdit;
class QWidget;

class UndoablePage {
public:
    virtual ~UndoablePage() = default;
    UndoablePage(const UndoablePage&) = delete;
    UndoablePage& operator=(const UndoablePage&) = delete;

    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    // The page as it was before the last change (nothing without one): its
    // structure, picture and fields.
    void undo();
    // The page as it was before the last undo (nothing without one).
    void redo();
    // Called after every change of the levels (the window's menu entries).
    void setUndoListener(std::function<void()> listener) { listener_ = std::move(listener); }

protected:
    // page is the page widget itself; its named line edits are its fields.
    explicit UndoablePage(QWidget& page) : page_(page) {}

    // The structure's record and position (the fields are added here).
    virtual PageState structureState() const = 0;
    // Puts the structure of state in place and shows it as the page's
    // operations do; the fields are set afterwards from the state.
    virtual void restoreStructure(const PageState& state) = 0;
    // Called before undo and redo take the page's state.
    virtual void beforeUndo() {}

    // Marks a change of the page's structure for as long as it lives.
    class Change {
    public:
        explicit Change(UndoablePage& page) : page_(page), before_(page.capture()) {}
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        UndoablePage& page_;
        PageState before_;
    };

private:
    PageState capture() const;
    void show(const PageState& state);
    void changed();

    QWidget& page_;
    UndoStack<PageState> stack_;
    std::function<void()> listener_;
};
