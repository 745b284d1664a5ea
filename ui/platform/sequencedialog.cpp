#include "ui/platform/sequencedialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QString utf8(const char* text) { return QString::fromUtf8(text); }
}  // namespace

SequenceDialog::SequenceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("SequenceDialog");
    setWindowTitle(utf8("Folge einfügen"));

    typed_ = new QRadioButton(utf8("&Zahlen:"), this);
    typed_->setObjectName("RadioSequenceNumbers");
    typed_->setChecked(true);
    numbers_ = new QLineEdit(this);
    numbers_->setObjectName("EditSequenceNumbers");
    numbers_->setToolTip(utf8("Ganze Zahlen von 1 bis 99, durch Leerzeichen oder Kommas getrennt"));
    random_ = new QRadioButton(utf8("Z&ufallszahlen, Anzahl:"), this);
    random_->setObjectName("RadioSequenceRandom");
    count_ = new QSpinBox(this);
    count_->setObjectName("SpinSequenceCount");
    count_->setRange(1, 99);
    count_->setValue(10);
    count_->setEnabled(false);
    connect(random_, &QRadioButton::toggled, this, [this](bool on) {
        count_->setEnabled(on);
        numbers_->setEnabled(!on);
    });

    auto* hint =
        new QLabel(utf8("Die Zahlen werden nacheinander ohne Demonstration eingefügt."), this);
    hint->setObjectName("LabelSequenceHint");

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(utf8("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("ButtonSequenceOk");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(utf8("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("ButtonSequenceCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(typed_, 0, 0);
    grid->addWidget(numbers_, 0, 1);
    grid->addWidget(random_, 1, 0);
    grid->addWidget(count_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    numbers_->setMinimumWidth(240);
    numbers_->setFocus();
}

NumberSequenceRequest SequenceDialog::request() const {
    NumberSequenceRequest answer;
    if (random_->isChecked()) {
        answer.randomCount = count_->value();
    } else {
        answer.numbers = numbers_->text().toStdString();
    }
    return answer;
}
