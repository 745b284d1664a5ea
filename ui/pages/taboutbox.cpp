#include "ui/pages/taboutbox.h"

#include <QDesktopServices>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

#include "ui/widgets/widgetfactory.h"

namespace abouttext {
inline constexpr const char* caption = "Info";
inline constexpr const char* productName = "Tessaro";
inline constexpr const char* version = "Version 2.5";
inline constexpr const char* credit =
    "Eine Werkbank für abstrakte Datentypen im Informatikunterricht";
inline constexpr const char* terms = "Frei zur Benutzung in Schule und Studium";
inline constexpr const char* warranty =
    "Keine Garantie auf Fehlerfreiheit Benutzung auf eigenes Risiko";
inline constexpr const char* close = "&Schließen";
}  // namespace abouttext

TAboutBox::Addresses TAboutBox::builtAddresses() {
    return {QString::fromUtf8(TESSARO_HOMEPAGE), QString::fromUtf8(TESSARO_CONTACT)};
}

TAboutBox::TAboutBox(QWidget* parent, const Addresses& addresses)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      opener_([](const QString& address) { QDesktopServices::openUrl(QUrl(address)); }) {
    setObjectName("TAboutBox");
    setWindowTitle(utf8(abouttext::caption));
    setFixedSize(503, 432);
    setModal(false);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    using namespace widgets;

    auto* panel1 = new QFrame(this);
    panel1->setObjectName("Panel1");
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1->setLineWidth(2);
    panel1->setGeometry(8, 8, 401, 273);

    auto* icon = new QLabel(panel1);
    icon->setObjectName("ProgramIcon");
    icon->setGeometry(8, 8, 121, 73);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap::fromImage(widgets::readPng(QStringLiteral(":/icons/tessaro.png"))));

    label(panel1, "ProductName", utf8(abouttext::productName), 136, 16);
    label(panel1, "Version", utf8(abouttext::version), 136, 40);
    label(panel1, "Copyright", utf8(abouttext::credit), 8, 88, 263, 39);

    buttonWebseite_ = button(panel1, "ButtonWebseite", addresses.web, 40, 136, 97, 25);
    buttonMail_ = button(panel1, "ButtonMail", addresses.mail, 184, 136, 153, 25);
    buttonWebseite_->setVisible(!addresses.web.isEmpty());
    buttonMail_->setVisible(!addresses.mail.isEmpty());
    connect(buttonWebseite_, &QPushButton::clicked, this, &TAboutBox::ButtonWebseiteClick);
    connect(buttonMail_, &QPushButton::clicked, this, &TAboutBox::ButtonMailClick);

    label(panel1, "Comments", utf8(abouttext::terms), 8, 184);
    label(panel1, "Label1", utf8(abouttext::warranty), 8, 224, 151, 26);

    auto* close = new QPushButton(utf8(abouttext::close), this);
    close->setObjectName("BitBtnSchliessen");
    close->setIcon(widgets::standardIcon(QStyle::SP_DialogCloseButton));
    close->setGeometry(16, 304, 89, 25);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TAboutBox::BitBtnSchliessenClick);
}

void TAboutBox::showCentered() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void TAboutBox::BitBtnSchliessenClick() { hide(); }

// The caption is the one place the address is kept, so it is read at the click.
void TAboutBox::ButtonWebseiteClick() {
    opener_(QStringLiteral("http://") + buttonWebseite_->text());
}

void TAboutBox::ButtonMailClick() { opener_(QStringLiteral("Mailto:") + buttonMail_->text()); }
