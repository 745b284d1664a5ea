#include "ui/pages/demotreepage.h"

#include <QLineEdit>
#include <QPushButton>

#include "demo/stepclock.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"

DemoTreePage::DemoTreePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}

void DemoTreePage::setDemonstrationRunning(bool running) {
    weiter_->setEnabled(running);
}

void DemoTreePage::makeWeiter(const char* name, int x, int y, const char* first) {
    weiter_ = widgets::okButton(this, name, utf8("Weiter"), x, y);
    weiter_->setEnabled(false);
    connect(weiter_, &QPushButton::clicked, this,
            [this] { host_.stepClock().weiterPressed = true; });
    installWeiterKeys(this, weiter_, editEingabe_, findChild<QAbstractButton*>(first));
}

void DemoTreePage::focusEntryField() {
    editEingabe_->setFocus();
}

bool DemoTreePage::emptyTree() {
    if (!treeEmpty()) return false;
    host_.dialogs().information(treetext::empty);
    return true;
}
