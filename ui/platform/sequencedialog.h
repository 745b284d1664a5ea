// SequenceDialog: the tree pages' "Folge einfügen" dialog. Either a line of
// numbers (blanks or commas between them) or a count of random numbers
// (1..99); "OK" / "Abbrechen".
#pragma once

#include <QDialog>

#include "ui/platform/dialogservice.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

class SequenceDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SequenceDialog(QWidget* parent = nullptr);

    // What the dialog was answered with (read after "OK").
    NumberSequenceRequest request() const;

private:
    QRadioButton* typed_;
    QRadioButton* random_;
    QLineEdit* numbers_;
    QSpinBox* count_;
};
