// AvlTreePage: the "AVL-Baum" tab sheet (TabSheetAVLBaum). Its buttons drive
// the page's own TAvlTreeDemo: animated insertion and deletion with their
// rotations (the page is the demonstration's TreePage), look-up, Clear, Save
// and Load; EditAtiefe and EditAanz show depth and count.
#pragma once

#include <memory>

#include "ui/pages/demotreepage.h"
#include "workbench/structurefiles.h"

class ImageView;
class QLineEdit;
class QtTreePage;
class TAvlTreeDemo;

namespace avltreetext {
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::avlTree).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::avlTree).filter;
}  // namespace avltreetext

class AvlTreePage final : public DemoTreePage {
    Q_OBJECT
public:
    // host is lent: the main window with the clock and the shared routines.
    explicit AvlTreePage(PageHost& host, QWidget* parent = nullptr);
    ~AvlTreePage() override;

    // The page's tree; Clear and Load replace it (tests).
    TAvlTreeDemo& tree() { return *tree_; }
    // Loads the file as Load does with the name from its dialog: the same
    // messages, and an empty tree when the file is refused.
    void loadFile(const std::string& name);

public slots:
    void ButtonAInsertClick();
    void ButtonADeleteClick();
    void ButtonAClearClick();
    void ButtonALookUpClick();
    void ButtonASaveClick();
    void ButtonALoadClick();
    void ButtonAFolgeClick();

private:
    // The tree's record; restoring puts a new tree in its place.
    PageState structureState() const override;
    void restoreStructure(const PageState& state) override;
    void buildExample(const examples::Example& example) override;
    void runOperation(bool insert) override;
    bool treeEmpty() const override;
    std::vector<handout::Step> handoutSteps(bool insert) override;
    // A new empty tree in place of the old one.
    void replaceTree();
    // Load after the dialog; throws what the file's load throws.
    void loadTree(const std::string& name);

    ImageView* image_;
    QLineEdit* editTiefe_;
    QLineEdit* editAnz_;
    std::unique_ptr<QtTreePage> treePage_;  // what the tree draws on and reads
    std::unique_ptr<TAvlTreeDemo> tree_;    // made after, and gone before, treePage_
};
