#include "ui/bayertreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/imageview.h"
#include "ui/tform1.h"
#include "ui/widgetfactory.h"

BayerTreePage::BayerTreePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetBayerBaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(497, 305, this);
    image_->setObjectName("ImageBBaum");
    image_->move(216, 12);

    label(this, "LabelBEingabe", u("Eingabe (Integer)"), 16, 24);
    edit(this, "EditBEingabe", 16, 48, 97, 21);

    auto* panelBBaum = panel(this, "PanelBBaum", 16, 92, 97, 217);
    const char* const buttons[][2] = {
        {"ButtonBInsert", "&Insert"}, {"ButtonBDelete", "&Delete"}, {"ButtonBClear", "&Clear"},
        {"ButtonBlookup", "L&ookup"}, {"ButtonBsave", "&Save"},     {"ButtonBload", "&Load"},
    };
    int y = 8;
    for (const auto& spec : buttons) {
        button(panelBBaum, spec[0], u(spec[1]), 8, y);
        y += 32;
    }

    label(this, "LabelBAnz", u("Anzahl Elemente"), 128, 184);
    edit(this, "EditBAnz", 128, 200, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnBweiter", u("Weiter"), 120, 268);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &BayerTreePage::BitBtnBweiterClick);

    edit(this, "EditBInfo", 216, 344, 497, 21, true);
}

void BayerTreePage::BitBtnBweiterClick() {
    form_.setWeiterPressed(true);
}
