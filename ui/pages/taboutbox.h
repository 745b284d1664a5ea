// TAboutBox: the about window ("Info"): product name, version, credit and
// terms lines, and two buttons that hand the web address ("http://" +
// caption) and the mail address ("Mailto:" + caption) to the desktop shell.
// Shown, not modal, by the main window's Info button. The two addresses are a
// build setting (TESSARO_HOMEPAGE, TESSARO_CONTACT); a button whose address is
// not configured is hidden rather than leading nowhere.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QPushButton;

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    // The web address without scheme and the mail address; empty: not set.
    struct Addresses {
        QString web;
        QString mail;
    };
    // The addresses this program was built with.
    static Addresses builtAddresses();

    // Hidden until shown; parent is the main window (the box stays above it).
    explicit TAboutBox(QWidget* parent = nullptr, const Addresses& addresses = builtAddresses());

    // Receives the text handed to the desktop shell; by default
    // QDesktopServices::openUrl. Its result is not examined.
    void setUrlOpener(std::function<void(const QString&)> opener) { opener_ = std::move(opener); }

    // Shows the window in the centre of the screen, not modal.
    void showCentered();

public slots:
    void BitBtnSchliessenClick();
    void ButtonWebseiteClick();
    void ButtonMailClick();

private:
    QPushButton* buttonWebseite_;
    QPushButton* buttonMail_;
    std::function<void(const QString&)> opener_;
};
