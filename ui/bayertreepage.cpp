#include "ui/bayertreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/bayertreedemo.h"
#include "demo/stepclock.h"
#include "demo/treenumber.h"
#include "elements/values.h"
#include "ui/guard.h"
#include "ui/imageview.h"
#include "ui/lineeditoutput.h"
#include "ui/tform1.h"
#include "ui/weiterkeys.h"
#include "ui/widgetfactory.h"
#include "ui/windowclock.h"

BayerTreePage::BayerTreePage(TForm1& form, QWidget* parent)
    : QWidget(parent), form_(form), clock_(std::make_unique<WindowClock>(form)) {
    setObjectName("TabSheetBayerBaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(497, 305, this);
    image_->setObjectName("ImageBBaum");
    image_->move(216, 12);

    label(this, "LabelBEingabe", u("Eingabe (Integer)"), 16, 24);
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

    label(this, "LabelBAnz", u("Anzahl Elemente"), 128, 184);
    editAnz_ = edit(this, "EditBAnz", 128, 200, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnBweiter", u("Weiter"), 120, 268);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &BayerTreePage::BitBtnBweiterClick);
    installWeiterKeys(this, weiter);

    editInfo_ = edit(this, "EditBInfo", 216, 344, 497, 21, true);
    info_ = std::make_unique<LineEditOutput>(editInfo_);
    count_ = std::make_unique<LineEditOutput>(editAnz_);
}

BayerTreePage::~BayerTreePage() = default;

StepClock& BayerTreePage::treeClock() {
    return *clock_;
}

template <typename Body>
void BayerTreePage::handle(Body&& body) {
    if (guardDemonstration(form_.dialogs(), body)) editEingabe_->setFocus();
}

bool BayerTreePage::emptyTree() {
    if (!form_.theBayerTree()->empty()) return false;
    form_.dialogs().information(bayertreetext::empty);
    return true;
}

void BayerTreePage::replaceTree() {
    form_.theBayerTree() = std::make_unique<TBayerTreeDemo>(*clock_);
}

void BayerTreePage::clearWeiter() {
    clock_->weiterPressed = false;
    form_.setWeiterPressed(false);
}

template <typename Operation>
void BayerTreePage::demonstrate(Operation&& operation) {
    TBayerTreeDemo& tree = *form_.theBayerTree();
    form_.lockControls(false, TForm1::kBayerTree);
    try {
        operation(tree);
    } catch (...) {
        form_.lockControls(true, TForm1::kBayerTree);
        throw;
    }
    if (tree.redrawNeeded) {
        tree.zeichne(image_->surface(), *count_);
    } else {
        // The animated drawing already shows the tree as it is now.
        count_->setText(std::to_string(tree.count()));
    }
    form_.lockControls(true, TForm1::kBayerTree);
}

void BayerTreePage::ButtonBInsertClick() {
    handle([&] {
        clearWeiter();
        form_.theBayerTree()->redrawNeeded = false;
        const QString entry = editEingabe_->text();
        if (entry.isEmpty()) {
            form_.dialogs().information(bayertreetext::noEntry);
        } else if (form_.readTreeNumber(entry)) {
            auto x = std::make_unique<TInteger>(*parseInteger32(entry.toStdString()));
            if (form_.theBayerTree()->lookUp(*x)) {
                form_.dialogs().information(bayertreetext::alreadyPresent);
            } else {
                demonstrate([&](TBayerTreeDemo& tree) {
                    tree.insert(image_->surface(), *info_, std::move(x));
                });
            }
        }
        editInfo_->clear();
    });
}

void BayerTreePage::ButtonBDeleteClick() {
    handle([&] {
        clearWeiter();
        form_.theBayerTree()->redrawNeeded = true;
        const QString entry = editEingabe_->text();
        if (entry.isEmpty()) {
            form_.dialogs().information(bayertreetext::noEntry);
        } else if (form_.readTreeNumber(entry) && !emptyTree()) {
            auto x = std::make_unique<TInteger>(*parseInteger32(entry.toStdString()));
            if (form_.theBayerTree()->lookUp(*x)) {
                demonstrate([&](TBayerTreeDemo& tree) {
                    tree.remove(image_->surface(), *info_, std::move(x));
                });
            } else {
                form_.dialogs().information(bayertreetext::absent);
            }
        }
        editInfo_->clear();
    });
}

void BayerTreePage::ButtonBClearClick() {
    handle([&] {
        if (!emptyTree()) {
            replaceTree();
            TForm1::clearImage(*image_);
        }
        count_->setText(std::to_string(form_.theBayerTree()->count()));
    });
}

void BayerTreePage::ButtonBlookupClick() {
    handle([&] {
        if (emptyTree()) return;
        form_.theBayerTree()->showLookUp(editEingabe_->text().toStdString());
    });
}

void BayerTreePage::ButtonBSaveClick() {
    handle([&] {
        if (emptyTree()) return;
        const std::string name =
            form_.saveWithDialog(bayertreetext::extension, bayertreetext::filter);
        if (!name.empty()) form_.theBayerTree()->save(name);
    });
}

void BayerTreePage::ButtonBLoadClick() {
    handle([&] {
        const std::string name =
            form_.loadWithDialog(bayertreetext::extension, bayertreetext::filter);
        if (name.empty()) return;
        replaceTree();
        try {
            form_.theBayerTree()->load(name);
        } catch (...) {
            // A refused file leaves no part of it behind: the page shows an
            // empty tree, then the error box tells why.
            replaceTree();
            form_.theBayerTree()->zeichne(image_->surface(), *count_);
            throw;
        }
        form_.theBayerTree()->zeichne(image_->surface(), *count_);
    });
}

void BayerTreePage::BitBtnBweiterClick() {
    form_.setWeiterPressed(true);
}
