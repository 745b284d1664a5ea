#include "ui/platform/picturefile.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "ui/platform/paintersurface.h"

namespace picturefile {

std::optional<Format> formatOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos) {
        return std::nullopt;
    }
    std::string extension(fileName.substr(dot + 1));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "png") return Format::png;
    if (extension == "svg") return Format::svg;
    return std::nullopt;
}

QImage render(const PagePicture& picture, int scale) {
    const int width = structurepicture::totalWidth(picture);
    const int height = structurepicture::totalHeight(picture);
    QImage image(std::max(1, width * scale), std::max(1, height * scale), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(PainterSurface::toQColor(clBtnFace));
    QPainter painter(&image);
    PainterSurface surface(&painter, width, height, scale, PainterSurface::Mode::pixelExact);
    structurepicture::draw(picture, surface);
    painter.end();
    return image;
}

void paint(const PagePicture& picture, QPainter& painter) {
    const int width = structurepicture::totalWidth(picture);
    const int height = structurepicture::totalHeight(picture);
    painter.fillRect(QRect(0, 0, width, height), PainterSurface::toQColor(clBtnFace));
    PainterSurface surface(&painter, width, height, 1, PainterSurface::Mode::vector);
    structurepicture::draw(picture, surface);
}

std::string write(const PagePicture& picture, const std::string& fileName, Format format,
                  int scale) {
    QSaveFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (format == Format::png) {
        const QImage image = render(picture, scale);
        if (image.isNull()) return "Das Bild ist zu groß";
        if (!image.save(&file, "PNG")) {
            file.cancelWriting();
            return file.errorString().toStdString();
        }
    } else {
        const int width = structurepicture::totalWidth(picture);
        const int height = structurepicture::totalHeight(picture);
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(QStringLiteral("Tessaro"));
        if (!picture.caption.empty()) {
            generator.setDescription(QString::fromStdString(picture.caption));
        }
        QPainter painter;
        if (!painter.begin(&generator)) {
            file.cancelWriting();
            return file.errorString().toStdString();
        }
        paint(picture, painter);
        painter.end();
    }
    if (!file.commit()) return file.errorString().toStdString();
    return "";
}

}  // namespace picturefile
