#include "ui/ntreepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/widgetfactory.h"

NtreePage::NtreePage(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheetNBaum");
    using namespace widgets;
    const auto u = [](const char* text) { return QString::fromUtf8(text); };

    // Fields in a column on the left, labels above them.
    struct FieldSpec {
        const char* labelName;
        const char* caption;
        const char* editName;
        bool readOnly;
    };
    const FieldSpec fields[] = {
        {"LabelNEingabe", "Eingabe (String)", "EditNEingabe", false},
        {"LabelNNummer", "ChildNumber", "EditNNummer", false},
        {"LabelNEbene", "Ebene", "EditNEbene", true},
        {"LabelNAktuell", "Aktuelles Element", "EditNAktuell", true},
        {"LabelNTiefe", "Tiefe", "EditNTiefe", true},
        {"LabelNAnz", "Anzahl Elemente", "EditNAnz", true},
    };
    int y = 16;
    for (const FieldSpec& f : fields) {
        label(this, f.labelName, u(f.caption), 16, y);
        edit(this, f.editName, 16, y + 16, 121, 21, f.readOnly);
        y += 48;
    }

    auto* panelNBaum = panel(this, "PanelNBaum", 152, 16, 113, 305);
    const char* const buttons[][2] = {
        {"ButtonNCreateRoot", "Crea&teRoot"},
        {"ButtonNGet", "&GetChildN"},
        {"ButtonNInsert", "&InsertChildN"},
        {"ButtonNDelete", "&DeleteChildN"},
        {"ButtonNReset", "&Reset"},
        {"ButtonNClear", "&Clear"},
        {"ButtonNLookUp", "L&ookUp"},
        {"ButtonNSave", "&Save"},
        {"ButtonNLoad", "&Load"},
    };
    int by = 8;
    for (const auto& spec : buttons) {
        button(panelNBaum, spec[0], u(spec[1]), 8, by, 97, 25);
        by += 32;
    }

    auto* tree = new QTreeWidget(this);
    tree->setObjectName("TreeView");
    tree->setGeometry(288, 16, 465, 409);
    tree->setHeaderHidden(true);
    tree->setIndentation(19);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setFocusPolicy(Qt::ClickFocus);
}
