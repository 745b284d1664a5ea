// AvlTreePage: the "AVL-Baum" tab sheet (TabSheetAVLBaum). Its buttons drive
// the main window's TAvlTreeDemo: animated insertion and deletion with their
// rotations (the page is the demonstration's TreePage), look-up, Clear, Save
// and Load; EditAtiefe and EditAanz show depth and count.
#pragma once

#include <QWidget>
#include <memory>

class TForm1;
class ImageView;
class QLineEdit;
class QtTreePage;
class TreePage;

namespace avltreetext {
inline constexpr const char* empty = "Der Baum ist leer";
inline constexpr const char* extension = "adt";
inline constexpr const char* filter = "AVL-Bäume (*.adt)|*.adt";
}  // namespace avltreetext

class AvlTreePage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the tree, the clock and the
    // shared routines.
    explicit AvlTreePage(TForm1& form, QWidget* parent = nullptr);
    ~AvlTreePage() override;

    ImageView& image() { return *image_; }
    // What the demonstration draws on and reads; lives as long as the page.
    TreePage& treePage();

public slots:
    void ButtonAInsertClick();
    void ButtonADeleteClick();
    void ButtonAClearClick();
    void ButtonALookUpClick();
    void ButtonASaveClick();
    void ButtonALoadClick();
    void BitBtnAweiterClick();

private:
    // Runs body through the guard; a demonstration ended because the program
    // closes returns quietly. Otherwise the focus goes to EditAEingabe.
    template <typename Body>
    void handle(Body&& body);
    // True (after "Der Baum ist leer") when the tree is empty.
    bool emptyTree();
    // A new empty tree in place of the old one.
    void replaceTree();

    TForm1& form_;
    ImageView* image_;
    QLineEdit* editEingabe_;
    QLineEdit* editTiefe_;
    QLineEdit* editAnz_;
    std::unique_ptr<QtTreePage> treePage_;
};
