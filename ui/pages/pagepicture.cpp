#include "ui/pages/pagepicture.h"

#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "demo/step.h"
#include "elements/errors.h"
#include "ui/pages/pagehost.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/paintersurface.h"
#include "ui/platform/picturefile.h"
#include "ui/widgets/imageview.h"
#include "workbench/fileprobe.h"

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QAction* pageAction(QWidget& page, const char* name, const char* caption, const char* hint,
                    const QKeySequence& keys) {
    auto* action = new QAction(text(caption), &page);
    action->setObjectName(name);
    action->setToolTip(text(hint));
    action->setStatusTip(text(hint));
    action->setShortcut(keys);
    // The window's key while the page is shown, wherever the focus is: during
    // a demonstration most of the page is disabled and holds no focus.
    action->setShortcutContext(Qt::WindowShortcut);
    page.addAction(action);
    return action;
}

}  // namespace

void installPictureActions(QWidget& page, PageHost& host, std::function<PagePicture()> picture) {
    page.setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction* save =
        pageAction(page, "ActionBildSpeichern", picturetext::saveCaption, picturetext::saveHint,
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* print = pageAction(page, "ActionDrucken", picturetext::printCaption,
                                picturetext::printHint, QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(save, &QAction::triggered, &page, [&host, picture] {
        guard(host.dialogs(), [&] { savePicture(host, picture()); });
    });
    QObject::connect(print, &QAction::triggered, &page, [&host, picture] {
        guard(host.dialogs(), [&] { printPicture(host, picture()); });
    });
}

std::string picturetext::shrinkQuestion(structurepicture::PixelSize full,
                                        structurepicture::PixelSize fitted) {
    return structurepicture::tooLargeText(full) + " Verkleinert auf " +
           structurepicture::sizeText(fitted) + " speichern?\n" + svgKeepsSize;
}

void savePicture(PageHost& host, const PagePicture& picture) {
    const auto choice = host.dialogs().getPictureFileName(picturetext::filter);
    if (!choice) return;
    // The file type entries: PNG at 1x, 2x, 3x, then SVG; a name ending in
    // ".svg" or ".png" decides the format itself.
    picturefile::Format format =
        choice->filterIndex == 3 ? picturefile::Format::svg : picturefile::Format::png;
    if (const auto byName = picturefile::formatOf(choice->fileName)) format = *byName;
    const int scale =
        format == picturefile::Format::png ? std::clamp(choice->filterIndex + 1, 1, 3) : 1;
    std::string why = fileprobe::refusal(choice->fileName);
    if (why.empty() && format == picturefile::Format::png) {
        // A PNG beyond the limit would take seconds and hundreds of
        // megabytes: written smaller, or not at all.
        const structurepicture::PixelSize full = structurepicture::pixelSize(picture, scale);
        const structurepicture::PixelSize fitted = structurepicture::withinLimit(full);
        if (fitted != full && !host.dialogs().question(picturetext::shrinkQuestion(full, fitted)))
            return;
    }
    if (why.empty()) why = picturefile::write(picture, choice->fileName, format, scale);
    if (!why.empty())
        host.dialogs().information(std::string(picturetext::cannotWrite) + "\n" + why);
}

namespace {

// The picture as a PDF file of the printer's page, made in memory: "" or
// why not.
std::string printToFile(const QPrinter& printer, const PagePicture& picture,
                        const std::string& fileName) {
    std::string why = fileprobe::refusal(fileName);
    if (!why.empty()) return why;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        QPainter painter;
        if (!painter.begin(&pdf)) return guardtext::outOfMemory;
        picturefile::paintFitted(picture, painter);
        painter.end();
    }
    buffer.close();
    return picturefile::writeBytes(fileName, bytes);
}

}  // namespace

void printPicture(PageHost& host, const PagePicture& picture) {
    QPrinter printer(QPrinter::HighResolution);
    if (!host.dialogs().choosePrinter(printer)) return;
    // Printing into a file: a printer opened on the file would empty it at
    // once and leave it so when anything fails.
    if (const QString file = printer.outputFileName(); !file.isEmpty()) {
        const std::string why = printToFile(printer, picture, file.toStdString());
        if (!why.empty())
            host.dialogs().information(std::string(picturetext::cannotPrint) + "\n" + why);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        host.dialogs().information(picturetext::cannotPrint);
        return;
    }
    picturefile::paintFitted(picture, painter);
    painter.end();
}

PagePicture imagePagePicture(const ImageView& image, const Step* step) {
    const int width = image.image().width();
    const int height = image.image().height();
    if (!step) return structurepicture::imagePicture(width, height, image.drawing());
    // A step's figure blinks; its picture shows the figure, whichever phase
    // the blinking is in.
    PagePicture picture = structurepicture::imagePicture(
        width, height, step->picture.record(step->picture.shownPhase));
    if (!step->text.empty()) {
        PainterSurface measure(nullptr, 0, 0);
        structurepicture::setCaption(picture, step->text, &measure);
    }
    return picture;
}
