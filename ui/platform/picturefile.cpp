#include "ui/platform/picturefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "elements/errors.h"
#include "elements/stream.h"
#include "ui/platform/paintersurface.h"

namespace picturefile {

namespace {

// QImageWriter's quality for zlib's fastest level (1): a picture of the
// limit's 16 million pixels compresses in about half the time of the
// default level, into a file a sixth larger.
constexpr int kFastestCompression = 85;

QImage newImage(structurepicture::PixelSize size) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    if (!image.isNull()) image.fill(PainterSurface::toQColor(clBtnFace));
    return image;
}

}  // namespace

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
    QImage image = newImage(structurepicture::pixelSize(picture, scale));
    if (image.isNull()) return image;
    QPainter painter(&image);
    PainterSurface surface(&painter, width, height, scale, PainterSurface::Mode::pixelExact);
    structurepicture::draw(picture, surface);
    painter.end();
    return image;
}

QImage renderWithin(const PagePicture& picture, int scale) {
    const structurepicture::PixelSize full = structurepicture::pixelSize(picture, scale);
    const structurepicture::PixelSize size = structurepicture::withinLimit(full);
    if (size == full) return render(picture, scale);
    QImage image = newImage(size);
    if (image.isNull()) return image;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(static_cast<double>(size.width) / structurepicture::totalWidth(picture),
                  static_cast<double>(size.height) / structurepicture::totalHeight(picture));
    paint(picture, painter);
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

void paintFitted(const PagePicture& picture, QPainter& painter) {
    const double deviceWidth = painter.device()->width();
    const double deviceHeight = painter.device()->height();
    const double width = std::max(1, structurepicture::totalWidth(picture));
    const double height = std::max(1, structurepicture::totalHeight(picture));
    const double factor = std::min(deviceWidth / width, deviceHeight / height);
    painter.save();
    painter.translate((deviceWidth - width * factor) / 2, (deviceHeight - height * factor) / 2);
    painter.scale(factor, factor);
    paint(picture, painter);
    painter.restore();
}

std::string write(const PagePicture& picture, const std::string& fileName, Format format,
                  int scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::png) {
        const QImage image = renderWithin(picture, scale);
        if (image.isNull()) return kTooLarge;
        QImageWriter writer(&buffer, "png");
        writer.setQuality(kFastestCompression);
        if (!writer.write(image)) return guardtext::outOfMemory;
    } else {
        const int width = structurepicture::totalWidth(picture);
        const int height = structurepicture::totalHeight(picture);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(QStringLiteral("Tessaro"));
        if (!picture.caption.empty()) {
            generator.setDescription(QString::fromStdString(picture.caption));
        }
        QPainter painter;
        if (!painter.begin(&generator)) return guardtext::outOfMemory;
        paint(picture, painter);
        painter.end();
    }
    buffer.close();
    return writeBytes(fileName, bytes);
}

std::string writeBytes(const std::string& fileName, const QByteArray& bytes) {
    try {
        writeWholeFile(fileName, std::string_view(bytes.constData(), bytes.size()));
    } catch (const FileError& e) {
        return e.what();
    }
    return "";
}

}  // namespace picturefile
