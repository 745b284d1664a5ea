#include "ui/pages/linearpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "elements/cp1252.h"
#include "elements/elementtext.h"
#include "elements/messages.h"
#include "ui/pages/pagehost.h"
#include "ui/pages/pagepicture.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/paintersurface.h"
#include "ui/widgets/memoview.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/linecollector.h"

LinearPage::LinearPage(PageHost& host, const Design& design, QWidget* parent)
    : QWidget(parent),
      UndoablePage(static_cast<QWidget&>(*this)),
      host_(host),
      empty_(design.empty),
      extension_(design.extension),
      filter_(design.filter) {
    setObjectName(design.pageName);
    using namespace widgets;

    const Place& l = design.entryLabel;
    label(this, l.name, utf8(lineartext::entryCaption), l.x, l.y);
    const Place& e = design.entry;
    editEingabe_ = edit(this, e.name, e.x, e.y, e.width, e.height);

    const Place& p = design.panel;
    auto* panelButtons = panel(this, p.name, p.x, p.y, p.width, p.height);
    const auto row = [&design](int k, void (LinearPage::*handler)()) {
        return ButtonRow<LinearPage>{design.buttons[k][0], design.buttons[k][1], handler};
    };
    const ButtonRow<LinearPage> buttons[] = {
        row(0, &LinearPage::putClick),   row(1, &LinearPage::takeClick),
        row(2, &LinearPage::firstClick), row(3, &LinearPage::clearClick),
        row(4, &LinearPage::saveClick),  row(5, &LinearPage::loadClick),
    };
    buttonColumn(panelButtons, this, buttons, 16, 8);
    installEntryKeys(editEingabe_, panelButtons->findChild<QAbstractButton*>(design.buttons[0][0]));

    const Place& m = design.memo;
    memo_ = memoView(this, m.name, m.x, m.y, m.width, m.height, ScrollBars::both);
    memo_->setFocusPolicy(Qt::NoFocus);
    const Place& cl = design.countLabel;
    label(this, cl.name, utf8(lineartext::countCaption), cl.x, cl.y, cl.width, cl.height);
    const Place& c = design.count;
    editAnz_ = edit(this, c.name, c.x, c.y, c.width, c.height, true);
    editAnz_->setFocusPolicy(Qt::NoFocus);

    installPictureActions(*this, host_, [this] {
        structurepicture::ShownLines lines;
        writeStructure(lines);
        PainterSurface measure(nullptr, 0, 0);
        return structurepicture::linearPicture(pictureRow(), lines.lines(), lines.count(), -1,
                                               &measure);
    });
}

template <typename Body>
void LinearPage::handle(Body&& body) {
    if (host_.controlsLocked()) return;  // a late mnemonic click
    guard(host_.dialogs(), std::forward<Body>(body));
    entryUsed(editEingabe_);
    editEingabe_->setFocus();
}

bool LinearPage::refusedWhenEmpty() {
    if (!structureEmpty()) return false;
    host_.dialogs().information(empty_);
    return true;
}

void LinearPage::refresh() {
    LineCollector lines;
    writeStructure(lines);
    memo_->setPlainText(QString::fromStdString(lines.text()));
    editAnz_->setText(QString::number(structureCount()));
}

PageState LinearPage::structureState() const {
    PageState state;
    if (!structureEmpty()) state.structure = structureRecord();
    return state;
}

void LinearPage::restoreStructure(const PageState& state) {
    clearStructure();
    if (!state.structure.empty()) readStructure(state.structure);
    refresh();
}

void LinearPage::putClick() {
    handle([&] {
        Change change(*this);
        const QString text = editEingabe_->text();
        if (text.isEmpty()) {
            host_.dialogs().information(message::noEntry);
            return;
        }
        putString(cp1252::fromUtf8(text.toStdString()));
        refresh();
    });
}

void LinearPage::takeClick() {
    handle([&] {
        Change change(*this);
        if (refusedWhenEmpty()) return;
        takeElement();
        refresh();
    });
}

void LinearPage::firstClick() {
    handle([&] {
        if (refusedWhenEmpty()) return;
        editEingabe_->setText(QString::fromStdString(elementtext::valueText(firstElement())));
    });
}

void LinearPage::clearClick() {
    handle([&] {
        Change change(*this);
        if (refusedWhenEmpty()) return;
        clearStructure();
        memo_->clear();
        editAnz_->setText("0");
    });
}

void LinearPage::saveClick() {
    handle([&] {
        if (refusedWhenEmpty()) return;
        const std::string name = host_.saveWithDialog(extension_, filter_);
        if (!name.empty()) saveStructure(name);
    });
}

void LinearPage::loadClick() {
    handle([&] {
        const std::string name = host_.loadWithDialog(extension_, filter_);
        if (!name.empty()) loadEmptied(name);
    });
}

void LinearPage::loadFile(const std::string& name) {
    handle([&] { loadEmptied(name); });
}

void LinearPage::loadEmptied(const std::string& name) {
    Change change(*this);
    clearStructure();
    try {
        loadStructure(name);
    } catch (...) {
        // The structure keeps what was read before the error; show that.
        refresh();
        throw;
    }
    refresh();
}
