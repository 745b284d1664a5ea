#include "ui/pages/examplesmenu.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "ui/widgets/widgetfactory.h"

QPushButton* makeExamplesButton(QWidget* page, const char* name, const QRect& geometry,
                                examples::Page kind,
                                std::function<void(const examples::Example&)> show) {
    auto* button = widgets::button(page, name, utf8(examplestext::caption), geometry.x(),
                                   geometry.y(), geometry.width(), geometry.height());
    button->setToolTip(utf8(examplestext::hint));
    auto* menu = new QMenu(button);
    menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menue"));
    menu->setToolTipsVisible(true);
    for (const examples::Example& example : examples::of(kind)) {
        QAction* entry = menu->addAction(utf8(example.caption));
        entry->setToolTip(utf8(example.note));
        entry->setStatusTip(utf8(example.note));
        // The examples live as long as the program.
        const examples::Example* chosen = &example;
        QObject::connect(entry, &QAction::triggered, page, [show, chosen] { show(*chosen); });
    }
    // Opened without waiting in a loop of its own: a demonstration's timers
    // and the window go on while the menu is open.
    QObject::connect(button, &QPushButton::clicked, menu, [button, menu] {
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    return button;
}
