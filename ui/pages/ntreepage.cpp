#include "ui/pages/ntreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <limits>

#include "elements/cp1252.h"
#include "elements/messages.h"
#include "linear/liste.h"
#include "ui/pages/pagehost.h"
#include "ui/pages/pagepicture.h"
#include "ui/pages/treeload.h"
#include "ui/platform/guard.h"
#include "ui/platform/paintersurface.h"
#include "ui/platform/qtntreedisplay.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/entrysyntax.h"
#include "workbench/ntreedemo.h"
#include "workbench/ntreeoutline.h"

NtreePage::NtreePage(PageHost& host, QWidget* parent)
    : QWidget(parent), UndoablePage(static_cast<QWidget&>(*this)), host_(host) {
    setObjectName("TabSheetNBaum");
    using namespace widgets;
    installPictureActions(*this, host_, [this] {
        PainterSurface measure(nullptr, 0, 0);
        return structurepicture::ntreePicture(ntreeOutline(*tree_), &measure);
    });

    // Fields in a column on the left, labels above them.
    struct FieldSpec {
        const char* labelName;
        const char* caption;
        const char* editName;
        bool readOnly;
        QLineEdit** field;
    };
    const FieldSpec fields[] = {
        {"LabelNEingabe", "Eingabe (String)", "EditNEingabe", false, &editEingabe_},
        {"LabelNNummer", "ChildNumber", "EditNNummer", false, &editNummer_},
        {"LabelNEbene", "Ebene", "EditNEbene", true, &editEbene_},
        {"LabelNAktuell", "Aktuelles Element", "EditNAktuell", true, &editAktuell_},
        {"LabelNTiefe", "Tiefe", "EditNTiefe", true, &editTiefe_},
        {"LabelNAnz", "Anzahl Elemente", "EditNAnz", true, &editAnz_},
    };
    int y = 16;
    for (const FieldSpec& f : fields) {
        label(this, f.labelName, utf8(f.caption), 16, y);
        *f.field = edit(this, f.editName, 16, y + 16, 121, 21, f.readOnly);
        y += 48;
    }

    auto* panelNBaum = panel(this, "PanelNBaum", 152, 16, 113, 305);
    const ButtonRow<NtreePage> buttons[] = {
        {"ButtonNCreateRoot", "Crea&teRoot", &NtreePage::ButtonNCreateRootClick},
        {"ButtonNGet", "&GetChildN", &NtreePage::ButtonNGetClick},
        {"ButtonNInsert", "&InsertChildN", &NtreePage::ButtonNInsertClick},
        {"ButtonNDelete", "&DeleteChildN", &NtreePage::ButtonNDeleteClick},
        {"ButtonNReset", "&Reset", &NtreePage::ButtonNResetClick},
        {"ButtonNClear", "&Clear", &NtreePage::ButtonNClearClick},
        {"ButtonNLookUp", "L&ookUp", &NtreePage::ButtonNLookUpClick},
        {"ButtonNSave", "&Save", &NtreePage::ButtonNSaveClick},
        {"ButtonNLoad", "&Load", &NtreePage::ButtonNLoadClick},
    };
    buttonColumn(panelNBaum, this, buttons, 8, 8, 97, 25);
    installEntryKeys(editEingabe_, panelNBaum->findChild<QAbstractButton*>("ButtonNCreateRoot"));

    // Read-only: selecting an item changes nothing.
    treeView_ = new QTreeWidget(this);
    treeView_->setObjectName("TreeView");
    treeView_->setGeometry(288, 16, 465, 409);
    treeView_->setHeaderHidden(true);
    treeView_->setIndentation(19);
    treeView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treeView_->setFocusPolicy(Qt::ClickFocus);
    // Every item is one line of text in the view's font: the view need not
    // ask 32767 items for their heights to lay them out or to find one.
    treeView_->setUniformRowHeights(true);

    display_ = std::make_unique<QtNtreeDisplay>(treeView_, editAnz_, editTiefe_);
    tree_ = std::make_unique<TNtreeDemo>(*display_);
}

// display_ goes before the tree view, taking its items out without recursion.
NtreePage::~NtreePage() = default;

template <typename Body>
void NtreePage::handle(bool focusEntry, Body&& body) {
    if (host_.controlsLocked()) return;  // a late mnemonic click
    guard(host_.dialogs(), std::forward<Body>(body));
    entryUsed(editEingabe_);
    if (focusEntry) editEingabe_->setFocus();
}

bool NtreePage::emptyTree() {
    if (!tree().empty()) return false;
    host_.dialogs().information(message::treeEmpty);
    return true;
}

bool NtreePage::noEntry() {
    if (!editEingabe_->text().isEmpty()) return false;
    host_.dialogs().information(message::noEntry);
    return true;
}

std::optional<int> NtreePage::readChildNumber() {
    const std::optional<std::int32_t> n = parseInteger32(editNummer_->text().toStdString());
    if (n && *n >= 0) return *n;
    host_.dialogs().information(ntreetext::badNumber);
    return std::nullopt;
}

std::optional<int> NtreePage::existingChildNumber() {
    if (emptyTree()) return std::nullopt;
    const std::optional<int> n = readChildNumber();
    if (!n) return std::nullopt;
    const TNtreeNode& current = *tree().currentNode;
    if (current.leaf()) {
        host_.dialogs().information(ntreetext::noChildren);
        return std::nullopt;
    }
    if (*n >= current.numberOfChildren()) {
        host_.dialogs().information(ntreetext::noSuchChild);
        return std::nullopt;
    }
    return n;
}

std::string NtreePage::entryText() const {
    return cp1252::fromUtf8(editEingabe_->text().toStdString());
}

PageState NtreePage::structureState() const {
    const TNtreeDemo& t = *tree_;
    PageState state;
    if (t.empty()) return state;
    if (t.root->nodeCount() > TNtree::kMaxFileNodes) {
        state.copy = t.copy();
    } else {
        state.structure = pagestate::record([&](TWriter& w) { t.save(w); });
    }
    if (auto path = t.pathTo(t.currentNode)) state.position = std::move(*path);
    return state;
}

void NtreePage::restoreStructure(const PageState& state) {
    replaceTree();
    TNtreeDemo& t = *tree_;
    if (state.copy) {
        t.root = static_cast<const TNtree&>(*state.copy).root->copyNode();
    } else if (!state.structure.empty()) {
        pagestate::readBack(state.structure, [&](TReader& r) { t.load(r); });
    }
    if (t.empty()) return;
    t.currentNode = t.nodeAt(state.position);
    t.currentLevel = static_cast<std::uint16_t>(state.position.size() + 1);
    if (!t.currentNode) {
        t.currentNode = t.root.get();
        t.currentLevel = 1;
    }
    t.showTree();
}

void NtreePage::replaceTree() {
    display_->clearView();
    tree_ = std::make_unique<TNtreeDemo>(*display_);
}

void NtreePage::refreshView() {
    display_->clearView();
    tree().showTree();
}

void NtreePage::moveToRoot() {
    TNtreeDemo& t = tree();
    t.currentNode = t.root.get();
    t.currentLevel = 1;
    editEbene_->setText(QStringLiteral("1"));
    editAktuell_->setText(QString::fromStdString(TNtreeDemo::nodeText(*t.root)));
    t.markCurrent();
}

void NtreePage::showEmptyFields() {
    editEbene_->clear();
    editAktuell_->clear();
    editAnz_->setText(QStringLiteral("0"));
    editTiefe_->setText(QStringLiteral("0"));
}

void NtreePage::ButtonNCreateRootClick() {
    handle(false, [&] {
        Change change(*this);
        if (!tree().empty()) {
            host_.dialogs().information(ntreetext::rootExists);
            return;
        }
        if (noEntry()) return;
        tree().createRoot(std::make_unique<TString>(entryText()), std::make_unique<TListe>());
        moveToRoot();
        editNummer_->setText(QStringLiteral("0"));
        refreshView();
    });
}

void NtreePage::ButtonNGetClick() {
    handle(true, [&] {
        const std::optional<int> n = existingChildNumber();
        if (!n) return;
        TNtreeDemo& t = tree();
        t.currentNode = t.currentNode->getChildN(*n);
        ++t.currentLevel;
        editEbene_->setText(QString::number(t.currentLevel));
        editAktuell_->setText(QString::fromStdString(TNtreeDemo::nodeText(*t.currentNode)));
        t.markCurrent();
    });
}

void NtreePage::ButtonNInsertClick() {
    handle(true, [&] {
        Change change(*this);
        TNtreeDemo& t = tree();
        if (t.empty()) {
            host_.dialogs().information(ntreetext::noRoot);
            return;
        }
        if (noEntry()) return;
        const std::optional<int> n = readChildNumber();
        if (!n) return;
        // A child of a node on the deepest level would lie on a level that
        // the 16-bit level count cannot show.
        if (*n > t.currentNode->numberOfChildren() ||
            t.currentLevel == std::numeric_limits<std::uint16_t>::max()) {
            host_.dialogs().information(ntreetext::cannotInsert);
            return;
        }
        auto node = std::make_unique<TNtreeNode>(std::make_unique<TString>(entryText()),
                                                 std::make_unique<TListe>());
        // A node with 65535 children refuses with the list's own message.
        t.insertChild(*n, std::move(node));
    });
}

void NtreePage::ButtonNDeleteClick() {
    handle(true, [&] {
        Change change(*this);
        const std::optional<int> n = existingChildNumber();
        if (!n) return;
        tree().deleteChild(*n);
    });
}

void NtreePage::ButtonNResetClick() {
    handle(false, [&] {
        if (emptyTree()) return;
        moveToRoot();
        editNummer_->setText(QStringLiteral("0"));
        editEingabe_->setFocus();
    });
}

void NtreePage::ButtonNClearClick() {
    handle(true, [&] {
        Change change(*this);
        replaceTree();
        showEmptyFields();
        editNummer_->clear();
    });
}

void NtreePage::ButtonNLookUpClick() {
    handle(true, [&] {
        if (emptyTree() || noEntry()) return;
        const TString key(entryText());
        host_.dialogs().information(tree().lookUp(key) ? message::present : message::absent);
    });
}

void NtreePage::ButtonNSaveClick() {
    handle(true, [&] {
        if (emptyTree()) return;
        const std::string name = host_.saveWithDialog(ntreetext::extension, ntreetext::filter);
        if (!name.empty()) tree().save(name);
    });
}

void NtreePage::ButtonNLoadClick() {
    handle(true, [&] {
        const std::string name = host_.loadWithDialog(ntreetext::extension, ntreetext::filter);
        if (name.empty()) {
            // Closing the dialog resets the child number also when cancelled.
            editNummer_->setText(QStringLiteral("0"));
            return;
        }
        loadTree(name);
    });
}

void NtreePage::loadFile(const std::string& name) {
    handle(true, [&] { loadTree(name); });
}

void NtreePage::loadTree(const std::string& name) {
    Change change(*this);
    editNummer_->setText(QStringLiteral("0"));
    loadIntoNewTree([&] { replaceTree(); }, [&] { tree_->load(name); }, [&] { showEmptyFields(); });
    if (tree().empty()) {
        // A file of no nodes: nothing is left of the old tree either.
        showEmptyFields();
        return;
    }
    tree().showTree();
    moveToRoot();
}
