#include "ui/pages/pagepicture.h"

#include <QAction>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

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
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
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

void savePicture(PageHost& host, const PagePicture& picture) {
    const auto choice = host.dialogs().getPictureFileName(picturetext::filter);
    if (!choice) return;
    // The file type entries: PNG at 1x, 2x, 3x, then SVG; a name ending in
    // ".svg" or ".png" decides the format itself.
    picturefile::Format format =
        choice->filterIndex == 3 ? picturefile::Format::svg : picturefile::Format::png;
    if (const auto byName = picturefile::formatOf(choice->fileName)) format = *byName;
    const int scale = std::clamp(choice->filterIndex + 1, 1, 3);
    std::string why = fileprobe::refusal(choice->fileName);
    if (why.empty()) {
        why = picturefile::write(picture, choice->fileName, format,
                                 format == picturefile::Format::png ? scale : 1);
    }
    if (!why.empty())
        host.dialogs().information(std::string(picturetext::cannotWrite) + "\n" + why);
}

void printPicture(PageHost& host, const PagePicture& picture) {
    QPrinter printer(QPrinter::HighResolution);
    if (!host.dialogs().choosePrinter(printer)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        host.dialogs().information(picturetext::cannotPrint);
        return;
    }
    // The picture was drawn for 96 dpi; as large as that on paper, smaller
    // when it would not fit on the page.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double width = structurepicture::totalWidth(picture);
    const double height = structurepicture::totalHeight(picture);
    const double factor =
        std::min({printer.resolution() / 96.0, page.width() / width, page.height() / height});
    painter.scale(factor, factor);
    picturefile::paint(picture, painter);
    painter.end();
}

PagePicture imagePagePicture(const ImageView& image, bool demonstrationRunning,
                             const std::string& stepText) {
    // A step's figure blinks; its picture shows the figure, whichever phase
    // the blinking is in.
    PagePicture picture = structurepicture::imagePicture(
        image.image().width(), image.image().height(),
        demonstrationRunning ? image.drawing().withBlinkingShown() : image.drawing());
    if (demonstrationRunning && !stepText.empty()) {
        PainterSurface measure(nullptr, 0, 0);
        structurepicture::setCaption(picture, stepText, &measure);
    }
    return picture;
}
