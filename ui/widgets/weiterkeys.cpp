#include "ui/widgets/weiterkeys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace {

constexpr const char* kEdited = "tessaroEntryEdited";

// Every change of the text counts, a program's as well as the user's: a
// page that writes a value into the entry offers it for the next operation.
void watchEdits(QLineEdit* entry) {
    if (!entry) return;
    entry->setProperty(kEdited, true);
    QObject::connect(entry, &QLineEdit::textChanged, entry,
                     [entry] { entry->setProperty(kEdited, true); });
}

bool edited(const QLineEdit* entry) { return entry->property(kEdited).toBool(); }

}  // namespace

void entryUsed(QLineEdit* entry) { entry->setProperty(kEdited, false); }

void installWeiterKeys(QWidget* page, QAbstractButton* weiter, QLineEdit* entry,
                       QAbstractButton* first) {
    watchEdits(entry);
    // A window shortcut of the page is live only while the page is visible,
    // i.e. its tab is in front: the keys never reach another page's button.
    // It takes the keys before the entry field sees them, so it also stands
    // in for the entry field's own Return.
    QPointer<QAbstractButton> button(weiter);
    QPointer<QLineEdit> field(entry);
    QPointer<QAbstractButton> firstButton(first);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), page);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, page, [button, field, firstButton] {
            // A demonstration disables the first button: the keys then step.
            if (field && field->hasFocus() && firstButton && firstButton->isEnabled()) {
                if (edited(field)) firstButton->click();
            } else if (button && button->isEnabled()) {
                button->click();
            }
        });
    }
}

void installEntryKeys(QLineEdit* entry, QAbstractButton* first) {
    watchEdits(entry);
    // QLineEdit reports Return and Enter alike.
    QPointer<QAbstractButton> button(first);
    QObject::connect(entry, &QLineEdit::returnPressed, entry, [entry, button] {
        if (button && button->isEnabled() && edited(entry)) button->click();
    });
}
