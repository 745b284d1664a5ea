#include "ui/pages/avltreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/avltreedemo.h"
#include "demo/steprecorder.h"
#include "trees/treeinteger.h"
#include "ui/pages/handout.h"
#include "ui/pages/qttreepage.h"
#include "ui/pages/treeload.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/widgetfactory.h"

AvlTreePage::AvlTreePage(PageHost& host, QWidget* parent) : DemoTreePage(host, parent) {
    setObjectName("TabSheetAVLBaum");
    using namespace widgets;

    image_ = new ImageView(505, 293, this);
    image_->setObjectName("ImageABaum");
    addHandoutEntries(image_, "AVL-Baum");
    image_->move(208, 36);

    label(this, "LabelAEingabe", utf8(treetext::entryCaption), 8, 16);
    editEingabe_ = edit(this, "EditAEingabe", 8, 32, 97, 21);

    auto* panelABaum = panel(this, "PanelABaum", 8, 76, 97, 209);
    const ButtonRow<AvlTreePage> buttons[] = {
        {"ButtonAInsert", "&Insert", &AvlTreePage::ButtonAInsertClick},
        {"ButtonADelete", "&Delete", &AvlTreePage::ButtonADeleteClick},
        {"ButtonAClear", "&Clear", &AvlTreePage::ButtonAClearClick},
        {"ButtonAlookup", "L&ookup", &AvlTreePage::ButtonALookUpClick},
        {"ButtonAsave", "&Save", &AvlTreePage::ButtonASaveClick},
        {"ButtonAload", "&Load", &AvlTreePage::ButtonALoadClick},
    };
    buttonColumn(panelABaum, this, buttons, 8, 8);
    // Below the panel, past the "Weiter" button beside it.
    connect(makeSequenceButton("ButtonAFolge", 8, 329), &QPushButton::clicked, this,
            &AvlTreePage::ButtonAFolgeClick);

    label(this, "LabelAtiefe", utf8("Baumtiefe"), 112, 88);
    editTiefe_ = edit(this, "EditAtiefe", 112, 104, 81, 21, true);
    label(this, "LabelAanz", utf8("Anzahl Elemente"), 112, 136);
    editAnz_ = edit(this, "EditAanz", 112, 152, 81, 21, true);

    makeWeiter("BitBtnAweiter", 110, 296, "ButtonAInsert");

    auto* editInfo = edit(this, "EditAinfo", 206, 344, 507, 21, true);
    // Under the info field and below the buttons.
    makeLesson('A', PageHost::kAvlTree, image_, editInfo, editTiefe_, editAnz_, nullptr, {206, 372},
               507, {8, 380, 192, 76});
    installImagePicture(image_);

    treePage_ = std::make_unique<QtTreePage>(
        QtTreePage::Fields{image_, editInfo, editEingabe_, editTiefe_, editAnz_, nullptr});
    makeAlgorithmPanel(image_, "AlgorithmusABaum");
    makeExamples("ButtonABeispiele", QRect(112, 32, 89, 25), examples::Page::avlTree, editInfo);
    makeExerciseButton(exercise::Board::avlTree);
    replaceTree();
    clearImage(image_->surface());
}

AvlTreePage::~AvlTreePage() = default;

bool AvlTreePage::treeEmpty() const { return tree_->empty(); }

std::vector<handout::Step> AvlTreePage::handoutSteps(bool insert) {
    return handout::recordTreeSteps(*tree_, image_->image().size(),
                                    editEingabe_->text().toStdString(), insert);
}

PageState AvlTreePage::structureState() const {
    PageState state;
    if (!tree_->empty())
        state.structure = pagestate::record([this](TWriter& w) { tree_->save(w); });
    return state;
}

void AvlTreePage::restoreStructure(const PageState& state) {
    forgetSteps();
    replaceTree();
    if (!state.structure.empty())
        pagestate::readBack(state.structure, [this](TReader& r) { tree_->load(r); });
    tree_->zeichne();
}

void AvlTreePage::buildExample(const examples::Example& example) {
    replaceTree();
    for (const int key : example.keys) tree_->insertQuietly(std::to_string(key));
    tree_->zeichne();
}

void AvlTreePage::replaceTree() { tree_ = std::make_unique<TAvlTreeDemo>(*treePage_); }

void AvlTreePage::ButtonAInsertClick() {
    handle([&] {
        Change change(*this);
        play(tree_->insdel(true));
    });
}

void AvlTreePage::ButtonADeleteClick() {
    handle([&] {
        Change change(*this);
        if (emptyTree()) return;
        play(tree_->insdel(false));
    });
}

void AvlTreePage::ButtonAClearClick() {
    handle([&] {
        Change change(*this);
        if (!emptyTree()) {
            forgetSteps();
            replaceTree();
            clearImage(image_->surface());
        }
        const TAvlTreeDemo& tree = *tree_;
        editTiefe_->setText(QString::number(tree.depth()));
        editAnz_->setText(QString::number(tree.count()));
    });
}

void AvlTreePage::ButtonALookUpClick() {
    handle([&] {
        if (emptyTree()) return;
        tree_->lookUp();
    });
}

void AvlTreePage::ButtonASaveClick() {
    handle([&] {
        if (emptyTree()) return;
        const std::string name = host_.saveWithDialog(avltreetext::extension, avltreetext::filter);
        if (!name.empty()) tree_->save(name);
    });
}

void AvlTreePage::ButtonALoadClick() {
    handle([&] {
        const std::string name = host_.loadWithDialog(avltreetext::extension, avltreetext::filter);
        if (!name.empty()) loadTree(name);
    });
}

void AvlTreePage::loadFile(const std::string& name) {
    handle([&] { loadTree(name); });
}

void AvlTreePage::loadTree(const std::string& name) {
    Change change(*this);
    forgetSteps();
    loadIntoNewTree([&] { replaceTree(); }, [&] { tree_->load(name); }, [&] { tree_->zeichne(); });
    tree_->zeichne();
}

void AvlTreePage::ButtonAFolgeClick() {
    handle([&] {
        Change change(*this);
        TAvlTreeDemo& tree = *tree_;
        insertSequence([&](int n) { return tree.lookUp(TTreeInteger(n)) != nullptr; },
                       [&](std::string_view entry) { return tree.insertQuietly(entry); },
                       [&] { tree.zeichne(); });
    });
}

void AvlTreePage::runOperation(bool insert) {
    if (insert) {
        ButtonAInsertClick();
    } else {
        ButtonADeleteClick();
    }
}
