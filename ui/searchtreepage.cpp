#include "ui/searchtreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "demo/searchtreedemo.h"
#include "demo/stepclock.h"
#include "ui/guard.h"
#include "ui/imageview.h"
#include "ui/memooutput.h"
#include "ui/qttreepage.h"
#include "ui/tform1.h"
#include "ui/weiterkeys.h"
#include "ui/widgetfactory.h"

SearchTreePage::SearchTreePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetSuchbaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(497, 293, this);
    image_->setObjectName("ImageTbaum");
    image_->move(224, 16);

    label(this, "LabelTEingabe", u("Eingabe (Integer)"), 16, 48);
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

    label(this, "LabelTtiefe", u("Baumtiefe"), 128, 128);
    editTiefe_ = edit(this, "EditTTiefe", 128, 144, 81, 21, true);
    label(this, "LabelTanz", u("Anzahl Elemente"), 128, 176);
    editAnz_ = edit(this, "EditTAnz", 128, 192, 81, 21, true);
    label(this, "LabelTAusgeglichen", u("Ausgeglichen"), 128, 224);
    editAusgeglichen_ = edit(this, "EditTAusgeglichen", 128, 240, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnTWeiter", u("Weiter"), 136, 296);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &SearchTreePage::BitBtnTWeiterClick);
    installWeiterKeys(this, weiter);

    auto* editInfo = edit(this, "EditTinfo", 224, 312, 497, 21, true);
    memoEbeneWidget_ = memo(this, "MemoEbene", 224, 336, 497, 89, ScrollBars::vertical);
    memoEbene_ = std::make_unique<MemoOutput>(memoEbeneWidget_);
    auto* ebene = okButton(this, "BitBtnEbene", u("&Ebenen"), 136, 368);
    ebene->setToolTip(u("Gibt den Baum ebenenweise aus"));
    connect(ebene, &QPushButton::clicked, this, &SearchTreePage::BitBtnEbeneClick);

    treePage_ = std::make_unique<QtTreePage>(
        form_, QtTreePage::Fields{image_, editInfo, editEingabe_, editTiefe_, editAnz_,
                                  editAusgeglichen_});
}

SearchTreePage::~SearchTreePage() = default;

TreePage& SearchTreePage::treePage() {
    return *treePage_;
}

template <typename Body>
void SearchTreePage::handle(bool focusEntry, Body&& body) {
    if (guardDemonstration(form_.dialogs(), body) && focusEntry) editEingabe_->setFocus();
}

bool SearchTreePage::emptyTree() {
    if (!form_.theSearchTree()->empty()) return false;
    form_.dialogs().information(searchtreetext::empty);
    return true;
}

void SearchTreePage::replaceTree() {
    form_.theSearchTree() = std::make_unique<TSearchTreeDemo>(*treePage_);
}

void SearchTreePage::ButtonTInsertClick() {
    handle(true, [&] { form_.theSearchTree()->insdel(true); });
}

void SearchTreePage::ButtonTdeleteClick() {
    handle(true, [&] {
        if (emptyTree()) return;
        form_.theSearchTree()->insdel(false);
    });
}

void SearchTreePage::ButtonTClearClick() {
    handle(true, [&] {
        if (!emptyTree()) {
            replaceTree();
            TForm1::clearImage(*image_);
        }
        const TSearchTreeDemo& tree = *form_.theSearchTree();
        editTiefe_->setText(QString::number(tree.depth()));
        editAnz_->setText(QString::number(tree.count()));
        editAusgeglichen_->clear();
    });
}

void SearchTreePage::ButtonTLookUpClick() {
    handle(true, [&] {
        if (emptyTree()) return;
        form_.theSearchTree()->lookUp();
    });
}

void SearchTreePage::ButtonTSaveClick() {
    handle(true, [&] {
        if (emptyTree()) return;
        const std::string name =
            form_.saveWithDialog(searchtreetext::extension, searchtreetext::filter);
        if (!name.empty()) form_.theSearchTree()->save(name);
    });
}

void SearchTreePage::ButtonTLoadClick() {
    handle(true, [&] {
        const std::string name =
            form_.loadWithDialog(searchtreetext::extension, searchtreetext::filter);
        if (name.empty()) return;
        replaceTree();
        try {
            form_.theSearchTree()->load(name);
        } catch (...) {
            // A refused file leaves no part of it behind: the page shows an
            // empty tree, then the error box tells why.
            replaceTree();
            form_.theSearchTree()->zeichne();
            throw;
        }
        form_.theSearchTree()->zeichne();
    });
}

void SearchTreePage::ButtonTBalanceClick() {
    handle(false, [&] {
        if (emptyTree()) return;
        TSearchTreeDemo& tree = *form_.theSearchTree();
        if (tree.balanced()) {
            form_.dialogs().information(searchtreetext::alreadyBalanced);
            return;
        }
        tree.balance();
        tree.zeichne();
    });
}

void SearchTreePage::BitBtnTWeiterClick() {
    form_.setWeiterPressed(true);
}

void SearchTreePage::BitBtnEbeneClick() {
    handle(true, [&] {
        if (emptyTree()) return;
        form_.theSearchTree()->writeLevels(*memoEbene_);
        // The listing is read from the root down: show its first line.
        memoEbeneWidget_->moveCursor(QTextCursor::Start);
    });
}
