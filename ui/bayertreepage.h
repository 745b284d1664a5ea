// BayerTreePage: the "BayerBaum" tab sheet (TabSheetBayerBaum). Its buttons
// drive the main window's TBayerTreeDemo: insertion and deletion as
// step-by-step demonstrations on ImageBBaum with the step texts in EditBInfo,
// look-up, Clear, Save and Load (".bdt"); EditBAnz shows the number of keys.
#pragma once

#include <QWidget>
#include <memory>

class TForm1;
class ImageView;
class QLineEdit;
class LineEditOutput;
class StepClock;
class WindowClock;

namespace bayertreetext {
inline constexpr const char* empty = "Der Baum ist leer";
inline constexpr const char* noEntry = "Es ist kein Element eingegeben worden";
inline constexpr const char* alreadyPresent = "Element ist bereits vorhanden";
inline constexpr const char* absent = "Element ist nicht vorhanden";
inline constexpr const char* extension = "bdt";
inline constexpr const char* filter = "Bayer-Bäume (*.bdt)|*.bdt";
}  // namespace bayertreetext

class BayerTreePage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the tree, the clock and the
    // shared routines.
    explicit BayerTreePage(TForm1& form, QWidget* parent = nullptr);
    ~BayerTreePage() override;

    ImageView& image() { return *image_; }
    // The clock every B-tree of the page is made with: it waits on the main
    // window's current step clock. Lives as long as the page.
    StepClock& treeClock();

public slots:
    void ButtonBInsertClick();
    void ButtonBDeleteClick();
    void ButtonBClearClick();
    void ButtonBlookupClick();
    void ButtonBSaveClick();
    void ButtonBLoadClick();
    void BitBtnBweiterClick();

private:
    // Runs body through the guard; a demonstration ended because the program
    // closes returns quietly. Otherwise the focus goes to EditBEingabe.
    template <typename Body>
    void handle(Body&& body);
    // True (after "Der Baum ist leer") when the tree is empty.
    bool emptyTree();
    // A new empty tree in place of the old one.
    void replaceTree();
    // Clears "Weiter" before a demonstration, here and on the window's clock.
    void clearWeiter();
    // Runs one animated operation with the window locked for the page, then
    // redraws the tree when the demonstration asks for it, else shows the
    // count; the window is unlocked again also when the operation throws.
    template <typename Operation>
    void demonstrate(Operation&& operation);

    TForm1& form_;
    ImageView* image_;
    QLineEdit* editEingabe_;
    QLineEdit* editAnz_;
    QLineEdit* editInfo_;
    std::unique_ptr<LineEditOutput> info_;   // writes into editInfo_
    std::unique_ptr<LineEditOutput> count_;  // writes into editAnz_
    std::unique_ptr<WindowClock> clock_;
};
