#include "ui/avltreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/avltreedemo.h"
#include "demo/stepclock.h"
#include "ui/guard.h"
#include "ui/imageview.h"
#include "ui/qttreepage.h"
#include "ui/tform1.h"
#include "ui/weiterkeys.h"
#include "ui/widgetfactory.h"

AvlTreePage::AvlTreePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetAVLBaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(505, 293, this);
    image_->setObjectName("ImageABaum");
    image_->move(208, 36);

    label(this, "LabelAEingabe", u("Eingabe (Integer)"), 8, 16);
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

    label(this, "LabelAtiefe", u("Baumtiefe"), 112, 88);
    editTiefe_ = edit(this, "EditAtiefe", 112, 104, 81, 21, true);
    label(this, "LabelAanz", u("Anzahl Elemente"), 112, 136);
    editAnz_ = edit(this, "EditAanz", 112, 152, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnAweiter", u("Weiter"), 110, 296);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &AvlTreePage::BitBtnAweiterClick);
    installWeiterKeys(this, weiter);

    auto* editInfo = edit(this, "EditAinfo", 206, 344, 507, 21, true);

    treePage_ = std::make_unique<QtTreePage>(
        form_, QtTreePage::Fields{image_, editInfo, editEingabe_, editTiefe_, editAnz_, nullptr});
}

AvlTreePage::~AvlTreePage() = default;

TreePage& AvlTreePage::treePage() {
    return *treePage_;
}

template <typename Body>
void AvlTreePage::handle(Body&& body) {
    if (guardDemonstration(form_.dialogs(), body)) editEingabe_->setFocus();
}

bool AvlTreePage::emptyTree() {
    if (!form_.theAvlTree()->empty()) return false;
    form_.dialogs().information(avltreetext::empty);
    return true;
}

void AvlTreePage::replaceTree() {
    form_.theAvlTree() = std::make_unique<TAvlTreeDemo>(*treePage_);
}

void AvlTreePage::ButtonAInsertClick() {
    handle([&] { form_.theAvlTree()->insdel(true); });
}

void AvlTreePage::ButtonADeleteClick() {
    handle([&] {
        if (emptyTree()) return;
        form_.theAvlTree()->insdel(false);
    });
}

void AvlTreePage::ButtonAClearClick() {
    handle([&] {
        if (!emptyTree()) {
            replaceTree();
            TForm1::clearImage(*image_);
        }
        const TAvlTreeDemo& tree = *form_.theAvlTree();
        editTiefe_->setText(QString::number(tree.depth()));
        editAnz_->setText(QString::number(tree.count()));
    });
}

void AvlTreePage::ButtonALookUpClick() {
    handle([&] {
        if (emptyTree()) return;
        form_.theAvlTree()->lookUp();
    });
}

void AvlTreePage::ButtonASaveClick() {
    handle([&] {
        if (emptyTree()) return;
        const std::string name = form_.saveWithDialog(avltreetext::extension, avltreetext::filter);
        if (!name.empty()) form_.theAvlTree()->save(name);
    });
}

void AvlTreePage::ButtonALoadClick() {
    handle([&] {
        const std::string name = form_.loadWithDialog(avltreetext::extension, avltreetext::filter);
        if (name.empty()) return;
        replaceTree();
        try {
            form_.theAvlTree()->load(name);
        } catch (...) {
            // A refused file leaves no part of it behind: the page shows an
            // empty tree, then the error box tells why.
            replaceTree();
            form_.theAvlTree()->zeichne();
            throw;
        }
        form_.theAvlTree()->zeichne();
    });
}

void AvlTreePage::BitBtnAweiterClick() {
    form_.setWeiterPressed(true);
}
