#include "ui/stackpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/elementtext.h"
#include "elements/cp1252.h"
#include "linear/displaystrings.h"
#include "linear/lifo.h"
#include "ui/dialogservice.h"
#include "ui/guard.h"
#include "ui/linecollector.h"
#include "ui/memoview.h"
#include "ui/tform1.h"
#include "ui/widgetfactory.h"

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}
}  // namespace

StackPage::StackPage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetKeller");
    using namespace widgets;

    label(this, "LabelKEingabe", utf8("Eingabe (String)"), 32, 40);
    editEingabe_ = edit(this, "EditKEingabe", 32, 56, 105, 21);

    auto* panelKeller = panel(this, "PanelKeller", 32, 116, 105, 209);
    const ButtonRow<StackPage> buttons[] = {
        {"ButtonKpush", "&Push", &StackPage::ButtonKpushClick},
        {"ButtonKpop", "&Pop", &StackPage::ButtonKpopClick},
        {"ButtonKtop", "&Top", &StackPage::ButtonKtopClick},
        {"ButtonKclear", "&Clear", &StackPage::ButtonKclearClick},
        {"ButtonKSave", "&Save", &StackPage::ButtonKSaveClick},
        {"ButtonKLoad", "&Load", &StackPage::ButtonKLoadClick},
    };
    buttonColumn(panelKeller, this, buttons, 16, 8);

    memo_ = memoView(this, "Memolifo", 272, 20, 185, 281, ScrollBars::both);
    memo_->setFocusPolicy(Qt::NoFocus);
    label(this, "LabelKAnz", utf8("Anzahl Elemente"), 152, 168, 79, 13);
    editAnz_ = edit(this, "EditKAnz", 152, 184, 89, 21, true);
    editAnz_->setFocusPolicy(Qt::NoFocus);
}

template <typename Body>
void StackPage::handle(Body&& body) {
    guard(form_.dialogs(), std::forward<Body>(body));
    editEingabe_->setFocus();
}

void StackPage::refresh() {
    LineCollector lines;
    form_.theLifo()->write(lines);
    memo_->setPlainText(QString::fromStdString(lines.text()));
    editAnz_->setText(QString::number(form_.theLifo()->count()));
}

void StackPage::ButtonKpushClick() {
    handle([&] {
        const QString text = editEingabe_->text();
        if (text.isEmpty()) {
            form_.dialogs().information(stacktext::noEntry);
            return;
        }
        // A full stack shows "Überlauf" itself and drops the element.
        form_.theLifo()->push(std::make_unique<TLifoString>(cp1252::fromUtf8(text.toStdString())));
        refresh();
    });
}

void StackPage::ButtonKpopClick() {
    handle([&] {
        if (form_.theLifo()->empty()) {
            form_.dialogs().information(stacktext::empty);
            return;
        }
        form_.theLifo()->pop();
        refresh();
    });
}

void StackPage::ButtonKtopClick() {
    handle([&] {
        const TLifo& lifo = *form_.theLifo();
        if (lifo.empty()) {
            form_.dialogs().information(stacktext::empty);
            return;
        }
        editEingabe_->setText(QString::fromStdString(elementtext::valueText(*lifo.top())));
    });
}

void StackPage::ButtonKclearClick() {
    handle([&] {
        std::unique_ptr<TLifo>& lifo = form_.theLifo();
        if (lifo->empty()) {
            form_.dialogs().information(stacktext::empty);
            return;
        }
        lifo = std::make_unique<TLifo>();
        memo_->clear();
        editAnz_->setText("0");
    });
}

void StackPage::ButtonKSaveClick() {
    handle([&] {
        const TLifo& lifo = *form_.theLifo();
        if (lifo.empty()) {
            form_.dialogs().information(stacktext::empty);
            return;
        }
        const std::string name = form_.saveWithDialog(stacktext::extension, stacktext::filter);
        if (!name.empty()) lifo.save(name);
    });
}

void StackPage::ButtonKLoadClick() {
    handle([&] {
        const std::string name = form_.loadWithDialog(stacktext::extension, stacktext::filter);
        if (name.empty()) return;
        std::unique_ptr<TLifo>& lifo = form_.theLifo();
        lifo = std::make_unique<TLifo>();
        try {
            lifo->load(name);
        } catch (...) {
            // The stack keeps what was read before the error; show that.
            refresh();
            throw;
        }
        refresh();
    });
}
