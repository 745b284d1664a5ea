// QtDialogService: DialogService with real QMessageBox boxes and Qt's own
// (non-native) QFileDialog, so that every dialog is a QWidget that tests and
// screen readers can reach.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/platform/dialogservice.h"

class QtDialogService final : public DialogService {
public:
    // parent is lent: the window the boxes are centred on (may be null).
    explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void information(std::string_view utf8) override;
    void error(std::string_view utf8) override;
    void errorBox(std::string_view utf8) override;
    void fatal(std::string_view utf8) override;
    std::string getSaveFileName(std::string_view defaultExtension,
                                std::string_view filter) override;
    std::string getOpenFileName(std::string_view defaultExtension,
                                std::string_view filter) override;
    std::optional<NumberSequenceRequest> askNumberSequence() override;
    bool question(std::string_view utf8) override;
    std::optional<PictureFileChoice> getPictureFileName(std::string_view filter) override;
    bool choosePrinter(QPrinter& printer) override;
    std::optional<ExerciseChoice> askExercise(std::uint32_t suggested) override;
    std::optional<std::string> askText(std::string_view prompt) override;

    // The folder the next file dialog opens in (the last one used).
    const QString& directory() const { return directory_; }

private:
    // filterIndex (may be null) receives the chosen filter entry; with
    // followFilter the default extension follows the chosen entry.
    std::string runFileDialog(bool save, std::string_view defaultExtension, std::string_view filter,
                              int* filterIndex = nullptr, bool followFilter = false);

    // The window a dialog belongs to: the window the user works in (the sort
    // window when its menu asked), so that the dialog stands in front of it
    // and is modal to it; else the parent.
    QWidget* owner() const;

    QPointer<QWidget> parent_;
    QString directory_;
};
