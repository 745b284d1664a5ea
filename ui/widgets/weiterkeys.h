// The page keys. installWeiterKeys: Return and Enter typed into a tree page's
// entry field press the page's first button while that is enabled; otherwise,
// and during a demonstration (which disables the first button), they press
// the "Weiter" button while the page is in front and the button is enabled,
// so that a demonstration can be stepped through from the keyboard. The sort
// window uses them for its "Weiter" alone. installEntryKeys: Return and Enter
// typed into a page's entry field press the page's first button.
//
// Either presses the first button only when the entry was edited since the
// page's last operation (entryUsed): a second Return after "Delete" does not
// insert the number it deleted.
#pragma once

class QAbstractButton;
class QLineEdit;
class QWidget;

// page, weiter, entry and first are lent (entry and first may be null); the
// shortcuts are children of page.
void installWeiterKeys(QWidget* page, QAbstractButton* weiter, QLineEdit* entry,
                       QAbstractButton* first);
// entry and first are lent; a disabled first button is not pressed.
void installEntryKeys(QLineEdit* entry, QAbstractButton* first);
// An operation of the page has run: Return presses the first button again
// once the entry is edited.
void entryUsed(QLineEdit* entry);
