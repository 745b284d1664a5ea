#include "ui/widgets/weiterkeys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

void installWeiterKeys(QWidget* page, QAbstractButton* weiter) {
    // A window shortcut of the page is live only while the page is visible,
    // i.e. its tab is in front: the keys never reach another page's button.
    QPointer<QAbstractButton> button(weiter);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), page);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, page, [button] {
            if (button && button->isEnabled()) button->click();
        });
    }
}
