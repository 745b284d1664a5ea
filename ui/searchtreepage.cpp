#include "ui/searchtreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/imageview.h"
#include "ui/tform1.h"
#include "ui/widgetfactory.h"

SearchTreePage::SearchTreePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetSuchbaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    image_ = new ImageView(497, 293, this);
    image_->setObjectName("ImageTbaum");
    image_->move(224, 16);

    label(this, "LabelTEingabe", u("Eingabe (Integer)"), 16, 48);
    edit(this, "EditTEingabe", 16, 64, 97, 21);

    auto* panelTBaum = panel(this, "PanelTBaum", 16, 116, 97, 245);
    const char* const buttons[][2] = {
        {"ButtonTinsert", "&Insert"},   {"ButtonTdelete", "&Delete"}, {"ButtonTclear", "&Clear"},
        {"ButtonTlookup", "L&ookup"},   {"ButtonTsave", "&Save"},     {"ButtonTload", "&Load"},
        {"ButtonTBalance", "&Balance"},
    };
    int y = 8;
    for (const auto& spec : buttons) {
        button(panelTBaum, spec[0], u(spec[1]), 8, y);
        y += 32;
    }

    label(this, "LabelTtiefe", u("Baumtiefe"), 128, 128);
    edit(this, "EditTTiefe", 128, 144, 81, 21, true);
    label(this, "LabelTanz", u("Anzahl Elemente"), 128, 176);
    edit(this, "EditTAnz", 128, 192, 81, 21, true);
    label(this, "LabelTAusgeglichen", u("Ausgeglichen"), 128, 224);
    edit(this, "EditTAusgeglichen", 128, 240, 81, 21, true);

    auto* weiter = okButton(this, "BitBtnTWeiter", u("Weiter"), 136, 296);
    weiter->setEnabled(false);
    connect(weiter, &QPushButton::clicked, this, &SearchTreePage::BitBtnTWeiterClick);

    edit(this, "EditTinfo", 224, 312, 497, 21, true);
    memo(this, "MemoEbene", 224, 336, 497, 89, ScrollBars::vertical);
    auto* ebene = okButton(this, "BitBtnEbene", u("&Ebenen"), 136, 368);
    ebene->setToolTip(u("Gibt den Baum ebenenweise aus"));
}

void SearchTreePage::BitBtnTWeiterClick() {
    form_.setWeiterPressed(true);
}
