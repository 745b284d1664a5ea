#include "ui/pages/searchtreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "demo/searchtreedemo.h"
#include "demo/steprecorder.h"
#include "trees/treeinteger.h"
#include "ui/pages/handout.h"
#include "ui/pages/qttreepage.h"
#include "ui/pages/treeload.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/plainlisting.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/linecollector.h"

SearchTreePage::SearchTreePage(PageHost& host, QWidget* parent) : DemoTreePage(host, parent) {
    setObjectName("TabSheetSuchbaum");
    using namespace widgets;

    image_ = new ImageView(497, 293, this);
    image_->setObjectName("ImageTbaum");
    addHandoutEntries(image_, "Suchbaum");
    image_->move(224, 16);

    label(this, "LabelTEingabe", utf8(treetext::entryCaption), 16, 48);
    editEingabe_ = edit(this, "EditTEingabe", 16, 64, 97, 21);

    auto* panelTBaum = panel(this, "PanelTBaum", 16, 116, 97, 245);
    const ButtonRow<SearchTreePage> buttons[] = {
        {"ButtonTinsert", "&Insert", &SearchTreePage::ButtonTInsertClick},
        {"ButtonTdelete", "&Delete", &SearchTreePage::ButtonTdeleteClick},
        {"ButtonTclear", "&Clear", &SearchTreePage::ButtonTClearClick},
        {"ButtonTlookup", "L&ookup", &SearchTreePage::ButtonTLookUpClick},
        {"ButtonTsave", "&Save", &SearchTreePage::ButtonTSaveClick},
        {"ButtonTload", "&Load", &SearchTreePage::ButtonTLoadClick},
        {"ButtonTBalance", "&Balance", &SearchTreePage::ButtonTBalanceClick},
    };
    buttonColumn(panelTBaum, this, buttons, 8, 8);
    connect(makeSequenceButton("ButtonTFolge", 16, 369), &QPushButton::clicked, this,
            &SearchTreePage::ButtonTFolgeClick);

    label(this, "LabelTtiefe", utf8("Baumtiefe"), 128, 128);
    editTiefe_ = edit(this, "EditTTiefe", 128, 144, 81, 21, true);
    label(this, "LabelTanz", utf8("Anzahl Elemente"), 128, 176);
    editAnz_ = edit(this, "EditTAnz", 128, 192, 81, 21, true);
    label(this, "LabelTAusgeglichen", utf8("Ausgeglichen"), 128, 224);
    editAusgeglichen_ = edit(this, "EditTAusgeglichen", 128, 240, 81, 21, true);

    makeWeiter("BitBtnTWeiter", 136, 296, "ButtonTinsert");

    auto* editInfo = edit(this, "EditTinfo", 224, 312, 497, 21, true);
    installImagePicture(image_);
    memoEbeneWidget_ = memo(this, "MemoEbene", 224, 336, 497, 89, ScrollBars::vertical);
    ebene_ = okButton(this, "BitBtnEbene", utf8("&Ebenen"), 136, 368);
    ebene_->setToolTip(utf8("Gibt den Baum ebenenweise aus"));
    connect(ebene_, &QPushButton::clicked, this, &SearchTreePage::BitBtnEbeneClick);

    // Under the level memo and below the buttons.
    makeLesson('T', PageHost::kSearchTree, image_, editInfo, editTiefe_, editAnz_,
               editAusgeglichen_, {224, 432}, 497, {16, 414, 197, 47});

    treePage_ = std::make_unique<QtTreePage>(QtTreePage::Fields{
        image_, editInfo, editEingabe_, editTiefe_, editAnz_, editAusgeglichen_});
    makeAlgorithmPanel(image_, "AlgorithmusTBaum");
    makeExamples("ButtonTBeispiele", QRect(16, 14, 97, 25), examples::Page::searchTree, editInfo);
    makeExerciseButton(exercise::Board::searchTree);
    replaceTree();
    clearImage(image_->surface());
}

SearchTreePage::~SearchTreePage() = default;

void SearchTreePage::setDemonstrationRunning(bool running) {
    ebene_->setEnabled(!running);
    DemoTreePage::setDemonstrationRunning(running);
}

bool SearchTreePage::treeEmpty() const { return tree_->empty(); }

std::vector<handout::Step> SearchTreePage::handoutSteps(bool insert) {
    return handout::recordTreeSteps(*tree_, image_->image().size(),
                                    editEingabe_->text().toStdString(), insert);
}

PageState SearchTreePage::structureState() const {
    PageState state;
    if (!tree_->empty())
        state.structure = pagestate::record([this](TWriter& w) { tree_->save(w); });
    return state;
}

void SearchTreePage::restoreStructure(const PageState& state) {
    forgetSteps();
    replaceTree();
    if (!state.structure.empty())
        pagestate::readBack(state.structure, [this](TReader& r) { tree_->load(r); });
    tree_->zeichne();
}

void SearchTreePage::buildExample(const examples::Example& example) {
    replaceTree();
    for (const int key : example.keys) tree_->insertQuietly(std::to_string(key));
    tree_->zeichne();
}

void SearchTreePage::replaceTree() { tree_ = std::make_unique<TSearchTreeDemo>(*treePage_); }

void SearchTreePage::ButtonTInsertClick() {
    handle([&] {
        Change change(*this);
        play(tree_->insdel(true));
    });
}

void SearchTreePage::ButtonTdeleteClick() {
    handle([&] {
        Change change(*this);
        if (emptyTree()) return;
        play(tree_->insdel(false));
    });
}

void SearchTreePage::ButtonTClearClick() {
    handle([&] {
        Change change(*this);
        if (!emptyTree()) {
            forgetSteps();
            replaceTree();
            clearImage(image_->surface());
        }
        const TSearchTreeDemo& tree = *tree_;
        editTiefe_->setText(QString::number(tree.depth()));
        editAnz_->setText(QString::number(tree.count()));
        editAusgeglichen_->clear();
    });
}

void SearchTreePage::ButtonTLookUpClick() {
    handle([&] {
        if (emptyTree()) return;
        tree_->lookUp();
    });
}

void SearchTreePage::ButtonTSaveClick() {
    handle([&] {
        if (emptyTree()) return;
        const std::string name =
            host_.saveWithDialog(searchtreetext::extension, searchtreetext::filter);
        if (!name.empty()) tree_->save(name);
    });
}

void SearchTreePage::ButtonTLoadClick() {
    handle([&] {
        const std::string name =
            host_.loadWithDialog(searchtreetext::extension, searchtreetext::filter);
        if (!name.empty()) loadTree(name);
    });
}

void SearchTreePage::loadFile(const std::string& name) {
    handle([&] { loadTree(name); });
}

void SearchTreePage::loadTree(const std::string& name) {
    Change change(*this);
    forgetSteps();
    loadIntoNewTree([&] { replaceTree(); }, [&] { tree_->load(name); }, [&] { tree_->zeichne(); });
    tree_->zeichne();
}

void SearchTreePage::ButtonTBalanceClick() {
    handle(
        [&] {
            Change change(*this);
            if (emptyTree()) return;
            TSearchTreeDemo& tree = *tree_;
            if (tree.balanced()) {
                host_.dialogs().information(searchtreetext::alreadyBalanced);
                return;
            }
            tree.balance();
            forgetSteps();
            tree.zeichne();
        },
        false);
}

void SearchTreePage::BitBtnEbeneClick() {
    handle([&] {
        if (emptyTree()) return;
        // Gathered first and shown in one call: appending value by value lays
        // the growing line out again each time.
        LineCollector listing;
        tree_->writeLevels(listing);
        setListing(*memoEbeneWidget_, QString::fromStdString(listing.text()));
        // The listing is read from the root down: show its first line.
        memoEbeneWidget_->moveCursor(QTextCursor::Start);
    });
}

void SearchTreePage::ButtonTFolgeClick() {
    handle([&] {
        Change change(*this);
        TSearchTreeDemo& tree = *tree_;
        insertSequence([&](int n) { return tree.lookUp(TTreeInteger(n)) != nullptr; },
                       [&](std::string_view entry) { return tree.insertQuietly(entry); },
                       [&] { tree.zeichne(); });
    });
}

void SearchTreePage::runOperation(bool insert) {
    if (insert) {
        ButtonTInsertClick();
    } else {
        ButtonTdeleteClick();
    }
}
