#include "ui/pages/bayertreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/bayertreedemo.h"
#include "demo/steprecorder.h"
#include "elements/integertext.h"
#include "elements/messages.h"
#include "elements/values.h"
#include "ui/pages/handout.h"
#include "ui/pages/treeload.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/widgetfactory.h"

BayerTreePage::BayerTreePage(PageHost& host, QWidget* parent) : DemoTreePage(host, parent) {
    setObjectName("TabSheetBayerBaum");
    using namespace widgets;

    image_ = new ImageView(497, 305, this);
    image_->setObjectName("ImageBBaum");
    addHandoutEntries(image_, "BayerBaum");
    image_->move(216, 12);

    label(this, "LabelBEingabe", utf8(treetext::entryCaption), 16, 24);
    editEingabe_ = edit(this, "EditBEingabe", 16, 48, 97, 21);

    auto* panelBBaum = panel(this, "PanelBBaum", 16, 92, 97, 217);
    const ButtonRow<BayerTreePage> buttons[] = {
        {"ButtonBInsert", "&Insert", &BayerTreePage::ButtonBInsertClick},
        {"ButtonBDelete", "&Delete", &BayerTreePage::ButtonBDeleteClick},
        {"ButtonBClear", "&Clear", &BayerTreePage::ButtonBClearClick},
        {"ButtonBlookup", "L&ookup", &BayerTreePage::ButtonBlookupClick},
        {"ButtonBsave", "&Save", &BayerTreePage::ButtonBSaveClick},
        {"ButtonBload", "&Load", &BayerTreePage::ButtonBLoadClick},
    };
    buttonColumn(panelBBaum, this, buttons, 8, 8);
    connect(makeSequenceButton("ButtonBFolge", 16, 317), &QPushButton::clicked, this,
            &BayerTreePage::ButtonBFolgeClick);

    label(this, "LabelBAnz", utf8("Anzahl Elemente"), 128, 184);
    editAnz_ = edit(this, "EditBAnz", 128, 200, 81, 21, true);

    makeWeiter("BitBtnBweiter", 120, 268, "ButtonBInsert");

    editInfo_ = edit(this, "EditBInfo", 216, 344, 497, 21, true);
    // Under the info field and below the buttons.
    makeLesson('B', PageHost::kBayerTree, image_, editInfo_, nullptr, editAnz_, nullptr, {216, 372},
               497, {16, 366, 193, 90});
    info_ = std::make_unique<LineEditOutput>(editInfo_);
    installImagePicture(image_);
    count_ = std::make_unique<LineEditOutput>(editAnz_);
    makeAlgorithmPanel(image_, "AlgorithmusBBaum");
    makeExamples("ButtonBBeispiele", QRect(128, 48, 81, 25), examples::Page::bayerTree, editInfo_);
    replaceTree();
    clearImage(image_->surface());
}

BayerTreePage::~BayerTreePage() = default;

bool BayerTreePage::treeEmpty() const { return tree_->empty(); }

std::vector<handout::Step> BayerTreePage::handoutSteps(bool insert) {
    // The checks of the Insert and Delete buttons, with their messages.
    const QString entry = editEingabe_->text();
    if (entry.isEmpty()) {
        host_.dialogs().information(message::noEntry);
        return {};
    }
    if (!host_.readTreeNumber(entry)) return {};
    const int value = *parseInteger32(entry.toStdString());
    const bool present = tree_->lookUp(TInteger(value)) != nullptr;
    if (insert && present) {
        host_.dialogs().information(message::alreadyPresent);
        return {};
    }
    if (!insert && !present) {
        host_.dialogs().information(message::absent);
        return {};
    }
    return handout::recordBayerSteps(*tree_, image_->image().size(), value, insert);
}

PageState BayerTreePage::structureState() const {
    PageState state;
    if (!tree_->empty())
        state.structure = pagestate::record([this](TWriter& w) { tree_->saveTo(w); });
    return state;
}

void BayerTreePage::restoreStructure(const PageState& state) {
    forgetSteps();
    replaceTree();
    if (!state.structure.empty())
        pagestate::readBack(state.structure, [this](TReader& r) { tree_->loadFrom(r); });
    tree_->zeichne(image_->surface(), *count_);
}

void BayerTreePage::buildExample(const examples::Example& example) {
    replaceTree();
    for (const int key : example.keys) tree_->insertQuietly(std::to_string(key));
    tree_->zeichne(image_->surface(), *count_);
}

void BayerTreePage::replaceTree() { tree_ = std::make_unique<TBayerTreeDemo>(); }

StepRecorder BayerTreePage::recorder() const {
    return StepRecorder(image_->image().width(), image_->image().height(), image_->drawing(),
                        PageFields{"", editAnz_->text().toStdString(), ""}, false);
}

void BayerTreePage::ButtonBInsertClick() {
    handle([&] {
        Change change(*this);
        const QString entry = editEingabe_->text();
        if (entry.isEmpty()) {
            host_.dialogs().information(message::noEntry);
        } else if (host_.readTreeNumber(entry)) {
            auto x = std::make_unique<TInteger>(*parseInteger32(entry.toStdString()));
            if (tree_->lookUp(*x)) {
                host_.dialogs().information(message::alreadyPresent);
            } else {
                StepRecorder page = recorder();
                play(tree_->insert(page, std::move(x)));
                return;
            }
        }
        editInfo_->clear();
    });
}

void BayerTreePage::ButtonBDeleteClick() {
    handle([&] {
        Change change(*this);
        const QString entry = editEingabe_->text();
        if (entry.isEmpty()) {
            host_.dialogs().information(message::noEntry);
        } else if (host_.readTreeNumber(entry) && !emptyTree()) {
            auto x = std::make_unique<TInteger>(*parseInteger32(entry.toStdString()));
            if (tree_->lookUp(*x)) {
                StepRecorder page = recorder();
                play(tree_->remove(page, std::move(x)));
                return;
            } else {
                host_.dialogs().information(message::absent);
            }
        }
        editInfo_->clear();
    });
}

void BayerTreePage::ButtonBClearClick() {
    handle([&] {
        Change change(*this);
        if (!emptyTree()) {
            forgetSteps();
            replaceTree();
            clearImage(image_->surface());
        }
        count_->setText(std::to_string(tree_->count()));
    });
}

void BayerTreePage::ButtonBlookupClick() {
    handle([&] {
        if (emptyTree()) return;
        tree_->showLookUp(editEingabe_->text().toStdString());
    });
}

void BayerTreePage::ButtonBSaveClick() {
    handle([&] {
        if (emptyTree()) return;
        const std::string name =
            host_.saveWithDialog(bayertreetext::extension, bayertreetext::filter);
        if (!name.empty()) tree_->save(name);
    });
}

void BayerTreePage::ButtonBLoadClick() {
    handle([&] {
        const std::string name =
            host_.loadWithDialog(bayertreetext::extension, bayertreetext::filter);
        if (!name.empty()) loadTree(name);
    });
}

void BayerTreePage::loadFile(const std::string& name) {
    handle([&] { loadTree(name); });
}

void BayerTreePage::loadTree(const std::string& name) {
    Change change(*this);
    forgetSteps();
    const auto show = [&] { tree_->zeichne(image_->surface(), *count_); };
    loadIntoNewTree([&] { replaceTree(); }, [&] { tree_->load(name); }, show);
    show();
}

void BayerTreePage::ButtonBFolgeClick() {
    handle([&] {
        Change change(*this);
        TBayerTreeDemo& tree = *tree_;
        insertSequence([&](int n) { return tree.lookUp(TInteger(n)) != nullptr; },
                       [&](std::string_view entry) { return tree.insertQuietly(entry); },
                       [&] { tree.zeichne(image_->surface(), *count_); });
    });
}
