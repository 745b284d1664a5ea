// installWeiterKeys: Return and Enter press a tree page's "Weiter" button
// while that page is in front and the button is enabled, so that a
// demonstration can be stepped through from the keyboard.
#pragma once

class QAbstractButton;
class QWidget;

// page and weiter are lent; the shortcuts are children of page.
void installWeiterKeys(QWidget* page, QAbstractButton* weiter);
