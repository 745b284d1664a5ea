// AvlTreePage: the "AVL-Baum" tab sheet (TabSheetAVLBaum). Its buttons drive
// the page's own TAvlTreeDemo: animated insertion and deletion with their
// rotations (the page is the demonstration's TreePage), look-up, Clear, Save
// and Load; EditAtiefe and EditAanz show depth and count.
#pragma once

#include <QWidget>
#include <memory>

class PageHost;
class ImageView;
class QLineEdit;
class QPushButton;
class QtTreePage;
class TAvlTreeDemo;

namespace avltreetext {
inline constexpr const char* empty = "Der Baum ist leer";
inline constexpr const char* extension = "adt";
inline constexpr const char* filter = "AVL-Bäume (*.adt)|*.adt";
}  // namespace avltreetext

class AvlTreePage final : public QWidget {
    Q_OBJECT
public:
    // host is lent: the main window with the clock and the shared routines.
    explicit AvlTreePage(PageHost& host, QWidget* parent = nullptr);
    ~AvlTreePage() override;

    // The page's tree; Clear and Load replace it (tests).
    TAvlTreeDemo& tree() { return *tree_; }
    // While a demonstration runs "Weiter" is usable.
    void setDemonstrationRunning(bool running);

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

    PageHost& host_;
    ImageView* image_;
    QLineEdit* editEingabe_;
    QLineEdit* editTiefe_;
    QLineEdit* editAnz_;
    QPushButton* weiter_;
    std::unique_ptr<QtTreePage> treePage_;  // what the tree draws on and reads
    std::unique_ptr<TAvlTreeDemo> tree_;    // made after, and gone before, treePage_
};
