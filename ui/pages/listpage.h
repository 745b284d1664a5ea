// ListPage: the "Liste" tab sheet (TabSheetListe). Its buttons drive the
// page's own list, which lives as long as the page: insert, move the cursor, read, replace, find
// and delete elements, save and load, sort, generate integer lists and open the sort window. After
// each change MemoListe shows the whole list with the cursor.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "ui/pages/undoablepage.h"
#include "workbench/structurefiles.h"

class PageHost;
class TBase;
class TListDemo;
class TListe;
class QLineEdit;
class MemoView;
class QRadioButton;
class QSpinBox;
class QPushButton;
class QLabel;
namespace examples {
struct Example;
}

namespace listtext {
inline constexpr const char* empty = "Die Liste ist leer";
inline constexpr const char* atEnd = "Das Listenende ist erreicht";
inline constexpr const char* mixedClasses =
    "Zur Demonstration darf die Liste keine Exemplare unterschiedlicher Klassen enthalten";
inline constexpr const char* extension = structurefiles::type(structurefiles::Kind::list).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::list).filter;
}  // namespace listtext

class ListPage final : public QWidget, public UndoablePage {
    Q_OBJECT
public:
    // host is lent: the main window with the shared routines.
    explicit ListPage(PageHost& host, QWidget* parent = nullptr);
    ~ListPage() override;

    // The page's list (tests, and the sort window through the host).
    TListDemo& list() { return *list_; }

    // The list display (cursor arrow, brackets) in MemoListe, the position in
    // EditLCurrent and the count in EditLAnz. One memo update for the whole list.
    void showList();
    // The value of SpinEditLAnzahl as the generation buttons read it: text that
    // is no number counts as 2, other values are clamped to 2..100 (and the
    // field shows the corrected value).
    int generationCount();
    // The keyboard focus goes to EditLEingabe.
    void focusEntry();
    // Loads the file as Load does with the name from its dialog: the same
    // messages, and the list keeps what was read before a refusal.
    void loadFile(const std::string& name);

public slots:
    void ButtonLResetClick();
    void ButtonLAdvanceClick();
    void ButtonLInsertClick();
    void ButtonLFindElemClick();
    void ButtonLUpdateClick();
    void ButtonLElemClick();
    void ButtonLDeleteClick();
    void ButtonLClearClick();
    void ButtonLSaveClick();
    void ButtonLLoadClick();
    void ButtonLSortClick();
    void BitBtnLSortdemoClick();
    void BitBtnZufaelligClick();
    void BitBtnAufsteigendClick();
    void BitBtnAbsteigendClick();
    // "Beispiele": the example's numbers in place of the list, the cursor at
    // the start, its note under the button.
    void showExample(const examples::Example& example);

private:
    // The list's record and its cursor position.
    PageState structureState() const override;
    void restoreStructure(const PageState& state) override;

    // The entry as a new element (owned by the caller), by the radio buttons'
    // choice; false after showing the message of the refusal.
    bool parseEntry(const QString& text, std::unique_ptr<TBase>& element);
    // The two mistakes most buttons answer before doing anything: the list is
    // empty, or the cursor stands behind the last element. True when refused.
    bool refusedWhenEmpty(const TListe& list);
    bool refusedAtEnd(const TListe& list);
    // Load after the dialog; throws what the file's load throws.
    void loadList(const std::string& name);
    // Runs body through the guard, then puts the focus into EditLEingabe;
    // nothing while the window is locked (PageHost::controlsLocked).
    template <typename Body>
    void handle(Body&& body, bool focusEntry = true);

    PageHost& host_;
    const std::unique_ptr<TListDemo> list_;
    QLineEdit* editEingabe_;
    QRadioButton* radioString_;
    QRadioButton* radioInteger_;
    QLineEdit* editCurrent_;
    QLineEdit* editAnz_;
    MemoView* memo_;
    QSpinBox* spinAnzahl_;
    QRadioButton* radioDoppelt_;
    QRadioButton* radioKeineDoppelt_;
    QLabel* exampleNote_;
};
