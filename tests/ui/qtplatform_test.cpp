// The Qt side of the core's interfaces and of the dialog service: real
// message boxes and a real (non-native) file dialog, the image surface, the
// text outputs, the message sink and the guard.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorSpace>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "elements/errors.h"
#include "tests/ui/fakedialogs.h"
#include "ui/platform/guard.h"
#include "ui/platform/imagesurface.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/platform/qtdialogservice.h"
#include "ui/platform/servicemessages.h"
#include "ui/widgets/memooutput.h"
#include "ui/widgets/widgetfactory.h"

namespace {

// Answers the next modal dialog from inside its exec(): checks it with
// `inspect`, then closes it with `answer`.
template <typename Dialog, typename Inspect>
void answerNextModal(Inspect inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog) << "no modal dialog of the expected kind";
        inspect(dialog);
    });
}

}  // namespace

TEST(QtDialogService, InformationAndErrorBoxesHaveTheirCaptionsIconsAndOneOkButton) {
    QtDialogService service;
    struct Kind {
        void (QtDialogService::*show)(std::string_view);
        const char* caption;
        QMessageBox::Icon icon;
    };
    const Kind kinds[] = {
        {&QtDialogService::information, "Informationen", QMessageBox::Information},
        {&QtDialogService::error, "Fehler", QMessageBox::Critical},
        {&QtDialogService::errorBox, "Tessaro", QMessageBox::Critical}};
    for (const Kind& kind : kinds) {
        bool seen = false;
        answerNextModal<QMessageBox>([&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), kind.caption);
            EXPECT_EQ(box->text(), QString::fromUtf8("Überlauf"));
            EXPECT_EQ(box->icon(), kind.icon);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            seen = true;
            box->button(QMessageBox::Ok)->click();
        });
        (service.*kind.show)("Überlauf");
        EXPECT_TRUE(seen) << kind.caption;
    }
}

TEST(QtDialogService, SaveDialogIsNonNativeAddsTheDefaultExtensionAndUsesTheFilter) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro-qtdialog-test";
    std::filesystem::create_directories(dir);
    QtDialogService service;
    answerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), "ldt");
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Listen (*.ldt)"});
        dialog->setDirectory(QString::fromStdString(dir.string()));
        dialog->selectFile("meine");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::string name = service.getSaveFileName("ldt", "Listen (*.ldt)|*.ldt");
    EXPECT_EQ(name, (dir / "meine.ldt").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "meine.ldt"));  // the dialog writes nothing

    answerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        // The toolkit speaks German, as the program does.
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QString::fromUtf8("&Öffnen"));
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
        dialog->reject();
    });
    EXPECT_EQ(service.getOpenFileName("kdt", "Keller (*.kdt)|*.kdt"), "");
    std::filesystem::remove_all(dir);
}

// The pictures' save dialog: the file type entry chosen decides the default
// extension and comes back with the name; the print dialog can be cancelled.
TEST(QtDialogService, PictureDialogReturnsTheChosenFileTypeAndPrintDialogCancels) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro-qtdialog-picture-test";
    std::filesystem::create_directories(dir);
    QtDialogService service;
    answerNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), "png");
        ASSERT_EQ(dialog->nameFilters().size(), 4);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_TRUE(types);
        // As a user's choice in the list: the combo box reports it.
        types->setCurrentIndex(3);
        emit types->activated(3);
        emit types->textActivated(types->itemText(3));
        EXPECT_EQ(dialog->defaultSuffix(), "svg");
        dialog->setDirectory(QString::fromStdString(dir.string()));
        dialog->selectFile("bild");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = service.getPictureFileName(
        "PNG-Bild (*.png)|*.png|PNG-Bild, doppelte Größe (*.png)|*.png|"
        "PNG-Bild, dreifache Größe (*.png)|*.png|SVG-Vektorgrafik (*.svg)|*.svg");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->fileName, (dir / "bild.svg").string());
    EXPECT_EQ(choice->filterIndex, 3);

    answerNextModal<QPrintDialog>([](QPrintDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), "PrintDialog");
        dialog->reject();
    });
    QPrinter printer;
    EXPECT_FALSE(service.choosePrinter(printer));
    std::filesystem::remove_all(dir);
}

TEST(ServiceMessages, CoreMessagesReachTheServiceAndAFatalStopEndsAfterItsBox) {
    FakeDialogs dialogs;
    ServiceMessages messages(dialogs);
    messages.information("Die Liste ist voll - maximal 65535 Elemente");
    messages.error("Überlauf");
    struct Ended {};
    messages.setEndProcess([] { throw Ended{}; });
    EXPECT_THROW(messages.fatalStop("TBase.copy wurde nicht überschrieben"), Ended);
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{
                               "information: Die Liste ist voll - maximal 65535 Elemente",
                               "error: Überlauf", "fatal: TBase.copy wurde nicht überschrieben"}));
}

TEST(Guard, EveryKindOfErrorEndsInTheGeneralErrorBoxAndNothingEscapes) {
    FakeDialogs dialogs;
    guard(dialogs, [] { throw FileError("Stream-Lesefehler"); });
    guard(dialogs, [] { throw std::runtime_error("kaputt"); });
    guard(dialogs, [] { throw std::bad_alloc(); });
    guard(dialogs, [] { throw 42; });
    int ran = 0;
    guard(dialogs, [&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"errorBox: Stream-Lesefehler", "errorBox: kaputt",
                                        "errorBox: Zu wenig Arbeitsspeicher",
                                        "errorBox: Unbekannter Fehler"}));
}

TEST(ImageSurface, LinesLeaveOutTheirEndPointAndRectanglesCoverHalfOpenRanges) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageSurface surface(image);
    EXPECT_EQ(surface.width(), 20);
    EXPECT_EQ(surface.height(), 10);

    surface.setPenColor(0x0000FF);  // red in 0x00BBGGRR
    surface.moveTo(2, 1);
    surface.lineTo(6, 1);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(image.pixelColor(x, 1) == QColor(255, 0, 0), x >= 2 && x < 6) << x;
    }
    surface.lineTo(6, 4);  // from the pen position on
    EXPECT_EQ(image.pixelColor(6, 1), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(6, 3), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(6, 4), QColor(Qt::white));

    surface.setBrushColor(0xFF0000);  // blue
    surface.fillRect(10, 2, 13, 4);
    int blue = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) blue += image.pixelColor(x, y) == QColor(0, 0, 255);
    }
    EXPECT_EQ(blue, 6);
    EXPECT_EQ(image.pixelColor(10, 2), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(12, 3), QColor(0, 0, 255));

    surface.setPenColor(clBlack);
    surface.setBrushColor(clWhite);
    surface.rectangle(14, 5, 18, 9);
    EXPECT_EQ(image.pixelColor(14, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(17, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 6), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(18, 9), QColor(Qt::white));
}

TEST(ImageSurface, DiagonalLinesAreContinuousAndSystemColoursComeFromThePalette) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageSurface surface(image);
    surface.setPenColor(clBlack);
    surface.moveTo(0, 0);
    surface.lineTo(9, 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(image.pixelColor(i, i), QColor(Qt::black)) << i;
    EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::white));
    EXPECT_EQ(ImageSurface::toQColor(clBtnFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ImageSurface::toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST(ImageSurface, TextCellIsFilledWithTheBrushAndTheTextIsDrawnInTheFontColour) {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageSurface surface(image);
    surface.setBrushColor(0x00FF00);
    surface.setFontColor(clBlack);
    surface.textOut(5, 5, "42");
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(4, 5), QColor(Qt::white));
    // Glyphs are antialiased: look for dark pixels, and none outside the cell's rows.
    int dark = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++dark;
                EXPECT_GE(x, 5);
                EXPECT_GE(y, 5);
            }
        }
    }
    EXPECT_GT(dark, 5);
}

TEST(ImageSurface, DrawingsPartlyOutsideTheImageKeepTheirPixelsInside) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageSurface surface(image);
    const auto row = [&](int y) {
        std::string pixels;
        for (int x = 0; x < 10; ++x) pixels += image.pixelColor(x, y) == Qt::black ? '#' : '.';
        return pixels;
    };
    surface.setPenColor(clBlack);
    surface.moveTo(-5, 5);
    surface.lineTo(5, 5);
    EXPECT_EQ(row(5), "#####.....");
    // Wholly outside: nothing drawn, but the pen moves on.
    surface.moveTo(20, 2);
    surface.lineTo(30, 2);
    surface.lineTo(5, 2);
    EXPECT_EQ(row(2), "......####");
    surface.moveTo(-3, -3);
    surface.lineTo(3, 3);
    EXPECT_EQ(row(0), "#.........");
    EXPECT_EQ(row(2), "..#...####");
    // A cell reaching in from above fills its rows inside; cells wholly
    // above or below change nothing.
    surface.setBrushColor(0x00FF00);
    surface.textOut(7, -13, "1");
    surface.textOut(7, 10, "1");
    EXPECT_EQ(image.pixelColor(7, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(7, 9), QColor(Qt::white));
    surface.textOut(7, -5, "1");
    EXPECT_NE(image.pixelColor(7, 0), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(9, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(7, 8), QColor(Qt::white));
}

TEST(TextOutputs, MemoAndLineEditTakeUtf8Lines) {
    QPlainTextEdit memo;
    MemoOutput out(&memo);
    out.addLine("eins");
    out.addLine("zwei");
    out.appendText(" – drei");
    EXPECT_EQ(out.text(), "eins\nzwei – drei");
    out.setText("Größe");
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("Größe"));

    QLineEdit field;
    LineEditOutput info(&field);
    info.addLine("Schritt 1");
    info.appendText(" und 2");
    EXPECT_EQ(info.text(), "Schritt 1 und 2");
    info.addLine("neu");
    EXPECT_EQ(field.text(), "neu");
}

// A text wider than its field shows its beginning; the tooltip holds it whole.
TEST(TextOutputs, LineEditShowsTheBeginningAndTheWholeTextAsTooltip) {
    QLineEdit field;
    field.resize(60, 21);
    field.show();
    const std::string longText =
        "Aus der Mitte der Liste (Teiliste) wird ein Vergleichselement (17) bestimmt.";
    LineEditOutput info(&field);
    info.setText(longText);
    EXPECT_EQ(field.cursorPosition(), 0);
    EXPECT_EQ(field.toolTip().toStdString(), longText);
    info.appendText(" – weiter");
    EXPECT_EQ(field.cursorPosition(), 0);
    EXPECT_EQ(field.toolTip().toStdString(), longText + " – weiter");
    field.clear();
    EXPECT_EQ(field.toolTip(), "");
}

// A picture's pixels, without the colour space it was tagged with (painting
// on a widget does not convert it).
QImage pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setColorSpace(QColorSpace());
    return image;
}

// The glyphs read straight from the style's files draw exactly as the style's
// own icons, in buttons and tool buttons, enabled and disabled, at every size
// the files have and between them; a glyph the style draws otherwise is the
// style's. (The style's icon resamples a picture smaller than the size it
// declares for it, the 15 by 16 check mark, the first time it draws it; from
// then on it draws the file's pixels, as the program's icon always does.)
TEST(StandardIcons, GlyphsReadFromTheStyleFilesDrawAsTheStylesOwn) {
    ASSERT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    ASSERT_TRUE(QIcon::themeName().isEmpty());
    struct Glyph {
        QStyle::StandardPixmap glyph;
        QList<QSize> fileSizes;  // the sizes of the pictures in the files
    };
    const Glyph glyphs[] = {
        {QStyle::SP_DialogApplyButton, {{15, 16}, {30, 32}, {121, 128}}},
        {QStyle::SP_DialogCloseButton, {{16, 16}, {32, 32}, {128, 128}}},
        {QStyle::SP_MediaPlay, {{16, 16}, {32, 32}}},
        {QStyle::SP_MediaPause, {{16, 16}, {32, 32}}},
        {QStyle::SP_MediaSeekBackward, {{16, 16}, {32, 32}}},
        {QStyle::SP_MediaSkipForward, {{16, 16}, {32, 32}}},
        {QStyle::SP_MessageBoxInformation, {}},
    };
    for (const Glyph& g : glyphs) {
        SCOPED_TRACE(int(g.glyph));
        const QIcon ours = widgets::standardIcon(g.glyph);
        const QIcon style = QApplication::style()->standardIcon(g.glyph);
        // Read from the files (their own sizes), or the style's icon itself.
        EXPECT_EQ(ours.availableSizes(),
                  g.fileSizes.isEmpty() ? style.availableSizes() : g.fileSizes);
        for (const int size : {16, 20, 32, 64, 128}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                style.pixmap(size, mode);  // see above
                EXPECT_EQ(pixels(ours.pixmap(size, mode)), pixels(style.pixmap(size, mode)))
                    << size << " " << mode;
            }
        }
        for (const bool enabled : {true, false}) {
            const auto drawn = [enabled](QAbstractButton& button, const QIcon& icon) {
                button.setIcon(icon);
                button.resize(75, 25);
                button.setEnabled(enabled);
                return button.grab().toImage();
            };
            QPushButton a(QStringLiteral("Weiter")), b(QStringLiteral("Weiter"));
            QToolButton c, d;
            EXPECT_EQ(drawn(a, ours), drawn(b, style)) << enabled;
            EXPECT_EQ(drawn(c, ours), drawn(d, style)) << enabled;
        }
    }
    EXPECT_TRUE(widgets::readPng(QStringLiteral(":/no/such/picture.png")).isNull());
    EXPECT_EQ(widgets::readPng(QStringLiteral(":/icons/tessaro.png")),
              QImage(QStringLiteral(":/icons/tessaro.png")));
}
