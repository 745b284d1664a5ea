// BayerTreePage: the "BayerBaum" tab sheet (TabSheetBayerBaum). Its buttons
// drive the page's own TBayerTreeDemo: insertion and deletion as
// step-by-step demonstrations on ImageBBaum with the step texts in EditBInfo,
// look-up, Clear, Save and Load (".bdt"); EditBAnz shows the number of keys.
#pragma once

#include <memory>

#include "ui/pages/demotreepage.h"
#include "workbench/structurefiles.h"

class ImageView;
class QLineEdit;
class LineEditOutput;
class StepRecorder;
class TBayerTreeDemo;

namespace bayertreetext {
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::bayerTree).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::bayerTree).filter;
}  // namespace bayertreetext

class BayerTreePage final : public DemoTreePage {
    Q_OBJECT
public:
    // host is lent: the main window with the clock and the shared routines.
    explicit BayerTreePage(PageHost& host, QWidget* parent = nullptr);
    ~BayerTreePage() override;

    // The page's tree; Clear and Load replace it (tests).
    TBayerTreeDemo& tree() { return *tree_; }
    // Loads the file as Load does with the name from its dialog: the same
    // messages, and an empty tree when the file is refused.
    void loadFile(const std::string& name);

public slots:
    void ButtonBInsertClick();
    void ButtonBDeleteClick();
    void ButtonBClearClick();
    void ButtonBlookupClick();
    void ButtonBSaveClick();
    void ButtonBLoadClick();
    void ButtonBFolgeClick();

private:
    // The tree's record; restoring puts a new tree in its place.
    PageState structureState() const override;
    void restoreStructure(const PageState& state) override;
    void buildExample(const examples::Example& example) override;
    bool treeEmpty() const override;
    std::vector<handout::Step> handoutSteps(bool insert) override;
    // A new empty tree in place of the old one.
    void replaceTree();
    // A recorder standing in for the page as it shows now.
    StepRecorder recorder() const;
    // Load after the dialog; throws what the file's load throws.
    void loadTree(const std::string& name);

    ImageView* image_;
    QLineEdit* editAnz_;
    QLineEdit* editInfo_;
    std::unique_ptr<LineEditOutput> info_;   // writes into editInfo_
    std::unique_ptr<LineEditOutput> count_;  // writes into editAnz_
    std::unique_ptr<TBayerTreeDemo> tree_;
};
