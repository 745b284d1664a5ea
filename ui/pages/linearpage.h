// LinearPage: what the "Keller" and "Schlange" tab sheets share. An entry
// field, a panel of six buttons (put an element in, take one out, copy the
// first one into the entry, Clear, Save, Load), a memo that lists the
// elements and a read-only count field. The page knows the structure only by
// the operations its subclass (StackPage, QueuePage) implements on the
// structure it owns; names, positions and texts come from the subclass too.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "ui/pages/undoablepage.h"
#include "workbench/structurepicture.h"

class PageHost;
class QLineEdit;
class MemoView;
class TBase;
class TextOutput;

namespace lineartext {
inline constexpr const char* entryCaption = "Eingabe (String)";
inline constexpr const char* countCaption = "Anzahl Elemente";
}  // namespace lineartext

class LinearPage : public QWidget, public UndoablePage {
    Q_OBJECT
public:
    // A control's object name and its position (x, y, width, height).
    struct Place {
        const char* name;
        int x, y, width, height;
    };
    // One page's controls and texts; the buttons in the panel's order, each
    // as object name and caption.
    struct Design {
        const char* pageName;
        Place entryLabel;  // sized to its caption
        Place entry;
        Place panel;
        const char* buttons[6][2];
        Place memo;
        Place countLabel;
        Place count;
        const char* empty;  // the message of an operation on an empty structure
        const char* extension;
        const char* filter;
    };

    // The memo shows every element in one update, the count field the count.
    void refresh();
    // Loads the file as Load does with the name from its dialog: the same
    // messages, and the structure keeps what was read before a refusal.
    void loadFile(const std::string& name);

protected:
    // host is lent: the main window with the shared routines.
    LinearPage(PageHost& host, const Design& design, QWidget* parent);

    // The operations on the subclass's structure.
    virtual bool structureEmpty() const = 0;
    virtual int structureCount() const = 0;
    // Every element as one line, in the memo's order.
    virtual void writeStructure(TextOutput& lines) const = 0;
    // A new display string holding the text (Windows-1252); a full structure
    // shows "Überlauf" itself and drops it.
    virtual void putString(std::string text) = 0;
    virtual void takeElement() = 0;
    // The element that Top / Front shows; the structure is not empty.
    virtual const TBase& firstElement() const = 0;
    // An empty structure, as Clear and Load need it.
    virtual void clearStructure() = 0;
    virtual void saveStructure(const std::string& name) const = 0;
    virtual void loadStructure(const std::string& name) = 0;
    // The structure's record (not empty), and the structure read back from
    // one into an empty structure.
    virtual std::string structureRecord() const = 0;
    virtual void readStructure(std::string_view record) = 0;
    // How the page's picture lays out the elements.
    virtual structurepicture::Row pictureRow() const = 0;

private:
    PageState structureState() const override;
    void restoreStructure(const PageState& state) override;

    void putClick();
    void takeClick();
    void firstClick();
    void clearClick();
    void saveClick();
    void loadClick();
    // Load after the dialog: an empty structure reads the file; throws what
    // the file's load throws.
    void loadEmptied(const std::string& name);

    // Runs body through the guard, then puts the focus into the entry field;
    // nothing while the window is locked (PageHost::controlsLocked).
    template <typename Body>
    void handle(Body&& body);
    // True (after the empty message) when the structure is empty.
    bool refusedWhenEmpty();

    PageHost& host_;
    const char* empty_;
    const char* extension_;
    const char* filter_;
    QLineEdit* editEingabe_;
    QLineEdit* editAnz_;
    MemoView* memo_;
};
