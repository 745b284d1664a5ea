#include "ui/avltreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/imageview.h"
#include "ui/tform1.h"
#include "ui/widgetfactory.h"

AvlTreePage::AvlTreePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetAVLBaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(505, 293, this);
    image_->setObjectName("ImageABaum");
    image_->move(208, 36);

    label(this, "LabelAEingabe", u("Eingabe (Integer)"), 8, 16);
    edit(this, "EditAEingabe", 8, 32, 97, 21);

    auto* panelABaum = panel(this, "PanelABaum", 8, 76, 97, 209);
    const char* const buttons[][2] = {
        {"ButtonAInsert", "&Insert"}, {"ButtonADelete", "&Delete"}, {"ButtonAClear", "&Clear"},
        {"ButtonAlookup", "L&ookup"}, {"ButtonAsave", "&Save"},     {"ButtonAload", "&Load"},
    };
    int y = 8;
    for (const auto& spec : buttons) {
        button(panelABaum, spec[0], u(spec[1]), 8, y);
        y += 32;
    }

    label(this, "LabelAtiefe", u("Baumtiefe"), 112, 88);
    edit(this, "EditAtiefe", 112, 104, 81, 21, true);
    label(this, "LabelAanz", u("Anzahl Elemente"), 112, 136);
    edit(this, "EditAanz", 112, 152, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnAweiter", u("Weiter"), 110, 296);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &AvlTreePage::BitBtnAweiterClick);

    edit(this, "EditAinfo", 206, 344, 507, 21, true);
}

void AvlTreePage::BitBtnAweiterClick() {
    form_.setWeiterPressed(true);
}
