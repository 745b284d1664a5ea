// SearchTreePage: the "Suchbaum" tab sheet (TabSheetSuchbaum). Its buttons
// drive the main window's TSearchTreeDemo: animated insertion and deletion
// (the page is the demonstration's TreePage), look-up, Clear, Save, Load,
// Balance and the level listing in MemoEbene; EditTTiefe, EditTAnz and
// EditTAusgeglichen show depth, count and "JA" / "Nein".
#pragma once

#include <QWidget>
#include <memory>

class TForm1;
class ImageView;
class QLineEdit;
class MemoOutput;
class QPlainTextEdit;
class QtTreePage;
class TreePage;

namespace searchtreetext {
inline constexpr const char* empty = "Der Baum ist leer";
inline constexpr const char* alreadyBalanced = "Der Baum ist bereits ausgeglichen";
inline constexpr const char* extension = "tdt";
inline constexpr const char* filter = "Binäre Suchbäume (*.tdt)|*.tdt";
}  // namespace searchtreetext

class SearchTreePage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the tree, the clock and the
    // shared routines.
    explicit SearchTreePage(TForm1& form, QWidget* parent = nullptr);
    ~SearchTreePage() override;

    ImageView& image() { return *image_; }
    // What the demonstration draws on and reads; lives as long as the page.
    TreePage& treePage();

public slots:
    void ButtonTInsertClick();
    void ButtonTdeleteClick();
    void ButtonTClearClick();
    void ButtonTLookUpClick();
    void ButtonTSaveClick();
    void ButtonTLoadClick();
    void ButtonTBalanceClick();
    void BitBtnTWeiterClick();
    void BitBtnEbeneClick();

private:
    // Runs body through the guard; a demonstration ended because the program
    // closes returns quietly. Then the focus goes to EditTEingabe when
    // focusEntry (and the program is not closing).
    template <typename Body>
    void handle(bool focusEntry, Body&& body);
    // True (after "Der Baum ist leer") when the tree is empty.
    bool emptyTree();
    // A new empty tree in place of the old one.
    void replaceTree();

    TForm1& form_;
    ImageView* image_;
    QLineEdit* editEingabe_;
    QLineEdit* editTiefe_;
    QLineEdit* editAnz_;
    QLineEdit* editAusgeglichen_;
    QPlainTextEdit* memoEbeneWidget_;
    std::unique_ptr<MemoOutput> memoEbene_;  // writes into memoEbeneWidget_
    std::unique_ptr<QtTreePage> treePage_;
};
