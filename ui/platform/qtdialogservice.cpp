#include "ui/platform/qtdialogservice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>

#include "ui/platform/sequencedialog.h"
#include "workbench/dialogfilter.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void showBox(QWidget* parent, QMessageBox::Icon icon, const char* caption, std::string_view text) {
    QMessageBox box(icon, QString::fromUtf8(caption), fromUtf8(text), QMessageBox::Ok, parent);
    box.setObjectName("MessageBox");
    box.exec();
}

}  // namespace

QWidget* QtDialogService::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : parent_.data();
}

void QtDialogService::information(std::string_view utf8) {
    showBox(owner(), QMessageBox::Information, dialogtext::informationCaption, utf8);
}

void QtDialogService::error(std::string_view utf8) {
    showBox(owner(), QMessageBox::Critical, dialogtext::errorCaption, utf8);
}

// Qt has one icon for "error" and "stop" (QMessageBox::Critical); the general
// error box differs from the error kind by its caption, the program's title.
void QtDialogService::errorBox(std::string_view utf8) {
    showBox(owner(), QMessageBox::Critical, dialogtext::generalErrorCaption, utf8);
}

void QtDialogService::fatal(std::string_view utf8) {
    showBox(owner(), QMessageBox::Critical, dialogtext::errorCaption, utf8);
}

std::string QtDialogService::getSaveFileName(std::string_view defaultExtension,
                                             std::string_view filter) {
    return runFileDialog(true, defaultExtension, filter);
}

std::string QtDialogService::getOpenFileName(std::string_view defaultExtension,
                                             std::string_view filter) {
    return runFileDialog(false, defaultExtension, filter);
}

std::optional<NumberSequenceRequest> QtDialogService::askNumberSequence() {
    SequenceDialog dialog(owner());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.request();
}

bool QtDialogService::question(std::string_view utf8) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(dialogtext::questionCaption),
                    fromUtf8(utf8), QMessageBox::Yes | QMessageBox::No, owner());
    box.setObjectName("MessageBox");
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<PictureFileChoice> QtDialogService::getPictureFileName(std::string_view filter) {
    PictureFileChoice choice;
    std::string extension(filter.substr(filter.find("|*.") + 3));
    extension = extension.substr(0, extension.find('|'));
    choice.fileName = runFileDialog(true, extension, filter, &choice.filterIndex, true);
    if (choice.fileName.empty()) return std::nullopt;
    return choice;
}

bool QtDialogService::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    dialog.setObjectName("PrintDialog");
    return dialog.exec() == QDialog::Accepted;
}

std::string QtDialogService::runFileDialog(bool save, std::string_view defaultExtension,
                                           std::string_view filter, int* filterIndex,
                                           bool followFilter) {
    QFileDialog dialog(owner());
    dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    dialog.setNameFilter(QString::fromStdString(dialogfilter::toQtFilter(filter)));
    dialog.setDefaultSuffix(fromUtf8(defaultExtension));
    if (!directory_.isEmpty()) dialog.setDirectory(directory_);
    if (save) {
        // Overwriting is confirmed (QFileDialog asks unless told not to). A
        // save dialog may name a new file, so "must exist" applies to the
        // open dialog only.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (followFilter) {
        // "PNG-Bild (*.png)" -> "png": a name typed without extension gets
        // the one of the chosen entry.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
                const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(chosen);
                if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
            });
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    if (filterIndex)
        *filterIndex = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    directory_ = QFileInfo(files.front()).absolutePath();
    return files.front().toStdString();
}

std::optional<ExerciseChoice> QtDialogService::askExercise(std::uint32_t suggested) {
    QDialog dialog(owner());
    dialog.setObjectName("ExerciseDialog");
    dialog.setWindowTitle(QString::fromUtf8(dialogtext::exerciseCaption));
    auto* form = new QFormLayout(&dialog);
    auto* number = new QSpinBox(&dialog);
    number->setObjectName("SpinAufgabe");
    number->setRange(1, 99999);
    number->setValue(static_cast<int>(suggested));
    number->setToolTip(QString::fromUtf8(dialogtext::exerciseNumberHint));
    auto* numberLabel = new QLabel(QString::fromUtf8(dialogtext::exerciseNumber), &dialog);
    numberLabel->setBuddy(number);
    form->addRow(numberLabel, number);
    auto* fresh = new QPushButton(QString::fromUtf8(dialogtext::exerciseNew), &dialog);
    fresh->setObjectName("ButtonNeueAufgabe");
    fresh->setAutoDefault(false);
    QObject::connect(fresh, &QPushButton::clicked, &dialog, [number] {
        number->setValue(1 + static_cast<int>(QRandomGenerator::global()->bounded(99999)));
    });
    form->addRow(QString(), fresh);
    auto* any = new QCheckBox(QString::fromUtf8(dialogtext::exerciseAny), &dialog);
    any->setObjectName("CheckBoxZufall");
    any->setToolTip(QString::fromUtf8(dialogtext::exerciseAnyHint));
    form->addRow(QString(), any);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    number->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ExerciseChoice{static_cast<std::uint32_t>(number->value()), any->isChecked()};
}

std::optional<std::string> QtDialogService::askText(std::string_view prompt) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), QString::fromUtf8(dialogtext::exerciseCaption),
                              fromUtf8(prompt), QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text.trimmed().toStdString();
}
