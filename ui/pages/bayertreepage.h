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
class TBayerTreeDemo;
class WindowClock;

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

public slots:
    void ButtonBInsertClick();
    void ButtonBDeleteClick();
    void ButtonBClearClick();
    void ButtonBlookupClick();
    void ButtonBSaveClick();
    void ButtonBLoadClick();
    void ButtonBFolgeClick();

private:
    bool treeEmpty() const override;
    std::vector<handout::Step> handoutSteps(bool insert) override;
    // A new empty tree in place of the old one.
    void replaceTree();
    // Clears "Weiter" before a demonstration, here and on the window's clock.
    void clearWeiter();
    // Runs one animated operation with the window locked for the page, then
    // redraws the tree when the demonstration asks for it, else shows the
    // count; the window is unlocked again also when the operation throws.
    template <typename Operation>
    void demonstrate(Operation&& operation);

    ImageView* image_;
    QLineEdit* editAnz_;
    QLineEdit* editInfo_;
    std::unique_ptr<LineEditOutput> info_;   // writes into editInfo_
    std::unique_ptr<LineEditOutput> count_;  // writes into editAnz_
    // The clock every B-tree of the page is made with: it waits on the host's
    // current step clock.
    std::unique_ptr<WindowClock> clock_;
    std::unique_ptr<TBayerTreeDemo> tree_;  // made after, and gone before, clock_
};
