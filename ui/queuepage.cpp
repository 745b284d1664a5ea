#include "ui/queuepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "demo/elementtext.h"
#include "elements/cp1252.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
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

QueuePage::QueuePage(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("TabSheetSchlange");
    using namespace widgets;

    label(this, "LabelSEingabe", utf8("Eingabe (String)"), 24, 32);
    editEingabe_ = edit(this, "EditSEingabe", 24, 48, 105, 21);

    auto* panelSchlange = panel(this, "PanelSchlange", 24, 92, 105, 209);
    const ButtonRow<QueuePage> buttons[] = {
        {"ButtonSInsert", "&Insert", &QueuePage::ButtonSInsertClick},
        {"ButtonSDelete", "&Delete", &QueuePage::ButtonSDeleteClick},
        {"ButtonSFront", "&Front", &QueuePage::ButtonSFrontClick},
        {"ButtonSClear", "&Clear", &QueuePage::ButtonSClearClick},
        {"ButtonSSave", "&Save", &QueuePage::ButtonSSaveClick},
        {"ButtonSLoad", "&Load", &QueuePage::ButtonSLoadClick},
    };
    buttonColumn(panelSchlange, this, buttons, 16, 8);

    memo_ = memoView(this, "MemoFifo", 256, 28, 185, 289, ScrollBars::both);
    memo_->setFocusPolicy(Qt::NoFocus);
    label(this, "LabelSAnz", utf8("Anzahl Elemente"), 144, 96, 79, 13);
    editAnz_ = edit(this, "EditSAnz", 144, 120, 81, 21, true);
    editAnz_->setFocusPolicy(Qt::NoFocus);
}

template <typename Body>
void QueuePage::handle(Body&& body) {
    guard(form_.dialogs(), std::forward<Body>(body));
    editEingabe_->setFocus();
}

void QueuePage::refresh() {
    LineCollector lines;
    form_.theFifo().write(lines);
    memo_->setPlainText(QString::fromStdString(lines.text()));
    editAnz_->setText(QString::number(form_.theFifo().count()));
}

void QueuePage::ButtonSInsertClick() {
    handle([&] {
        const QString text = editEingabe_->text();
        if (text.isEmpty()) {
            form_.dialogs().information(queuetext::noEntry);
            return;
        }
        // A full queue shows "Überlauf" itself and drops the element.
        form_.theFifo().insert(std::make_unique<TFifoString>(cp1252::fromUtf8(text.toStdString())));
        refresh();
    });
}

void QueuePage::ButtonSDeleteClick() {
    handle([&] {
        if (form_.theFifo().empty()) {
            form_.dialogs().information(queuetext::empty);
            return;
        }
        form_.theFifo().remove();
        refresh();
    });
}

void QueuePage::ButtonSFrontClick() {
    handle([&] {
        const TFifo& fifo = form_.theFifo();
        if (fifo.empty()) {
            form_.dialogs().information(queuetext::empty);
            return;
        }
        editEingabe_->setText(QString::fromStdString(elementtext::valueText(*fifo.front())));
    });
}

void QueuePage::ButtonSClearClick() {
    handle([&] {
        TFifo& fifo = form_.theFifo();
        if (fifo.empty()) {
            form_.dialogs().information(queuetext::empty);
            return;
        }
        fifo.clear();
        memo_->clear();
        editAnz_->setText("0");
    });
}

void QueuePage::ButtonSSaveClick() {
    handle([&] {
        const TFifo& fifo = form_.theFifo();
        if (fifo.empty()) {
            form_.dialogs().information(queuetext::empty);
            return;
        }
        const std::string name = form_.saveWithDialog(queuetext::extension, queuetext::filter);
        if (!name.empty()) fifo.save(name);
    });
}

void QueuePage::ButtonSLoadClick() {
    handle([&] {
        const std::string name = form_.loadWithDialog(queuetext::extension, queuetext::filter);
        if (name.empty()) return;
        TFifo& fifo = form_.theFifo();
        fifo.clear();
        try {
            fifo.load(name);
        } catch (...) {
            // The queue keeps what was read before the error; show that.
            refresh();
            throw;
        }
        refresh();
    });
}
