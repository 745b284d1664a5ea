// SearchTreePage: the "Suchbaum" tab sheet (TabSheetSuchbaum). Its buttons
// drive the page's own TSearchTreeDemo: animated insertion and deletion
// (the page is the demonstration's TreePage), look-up, Clear, Save, Load,
// Balance and the level listing in MemoEbene; EditTTiefe, EditTAnz and
// EditTAusgeglichen show depth, count and "JA" / "Nein".
#pragma once

#include <memory>

#include "ui/pages/demotreepage.h"
#include "workbench/structurefiles.h"

class ImageView;
class QLineEdit;
class QPlainTextEdit;
class QtTreePage;
class TSearchTreeDemo;

namespace searchtreetext {
inline constexpr const char* alreadyBalanced = "Der Baum ist bereits ausgeglichen";
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::searchTree).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::searchTree).filter;
}  // namespace searchtreetext

class SearchTreePage final : public DemoTreePage {
    Q_OBJECT
public:
    // host is lent: the main window with the clock and the shared routines.
    explicit SearchTreePage(PageHost& host, QWidget* parent = nullptr);
    ~SearchTreePage() override;

    // The page's tree; Clear and Load replace it (tests).
    TSearchTreeDemo& tree() { return *tree_; }
    // Loads the file as Load does with the name from its dialog: the same
    // messages, and an empty tree when the file is refused.
    void loadFile(const std::string& name);
    // While a demonstration runs only "Weiter" is usable, "Ebenen" not.
    void setDemonstrationRunning(bool running) override;

public slots:
    void ButtonTInsertClick();
    void ButtonTdeleteClick();
    void ButtonTClearClick();
    void ButtonTLookUpClick();
    void ButtonTSaveClick();
    void ButtonTLoadClick();
    void ButtonTBalanceClick();
    void BitBtnEbeneClick();
    void ButtonTFolgeClick();

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
    QLineEdit* editAusgeglichen_;
    QPushButton* ebene_;
    QPlainTextEdit* memoEbeneWidget_;
    std::unique_ptr<QtTreePage> treePage_;   // what the tree draws on and reads
    std::unique_ptr<TSearchTreeDemo> tree_;  // made after, and gone before, treePage_
};
