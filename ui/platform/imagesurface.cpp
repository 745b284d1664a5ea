#include "ui/platform/imagesurface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

#include "ui/platform/paintersurface.h"

ImageSurface::ImageSurface(QImage& image, QWidget* view) : image_(image), view_(view) {
    font_.setFamily(QStringLiteral("MS Sans Serif"));
    // Numbers are drawn, and erased by drawing them again in the background
    // colour, pixel for pixel: anti-aliased edges would leave traces.
    font_.setStyleStrategy(QFont::NoAntialias);
    setFontSize(8);
}

QColor ImageSurface::toQColor(Color color) { return PainterSurface::toQColor(color); }

void ImageSurface::setFontName(std::string_view name) {
    // The font's family is always the name set last: the same name again
    // (every drawn number sets it) changes nothing.
    if (name == state_.fontName()) return;
    state_.setFontName(name);
    const QString family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (family == font_.family()) return;
    font_.setFamily(family);
    metrics_.reset();
}

// The drawings were laid out for a 96-dpi screen: 8 points are 11 pixels,
// whose text cell is 13 pixels high, the distance of the keys in a B-tree
// page. Pixel sizes keep that on screens of every resolution.
void ImageSurface::setFontSize(int points) {
    if (points <= 0) return;
    state_.setFontSize(points);
    const int pixels = qRound(points * 96.0 / 72.0);
    if (pixels == font_.pixelSize()) return;
    font_.setPixelSize(pixels);
    metrics_.reset();
}

void ImageSurface::setFontBold(bool bold) {
    state_.setFontBold(bold);
    if (bold == font_.bold()) return;
    font_.setBold(bold);
    metrics_.reset();
}

const QFontMetrics& ImageSurface::metrics() {
    if (!metrics_) metrics_.emplace(font_, &image_);
    return *metrics_;
}

void ImageSurface::textOut(int x, int y, std::string_view utf8) {
    const QFontMetrics& fontMetrics = metrics();
    // The cell never reaches below the designed 13-pixel line height.
    const int cellHeight = std::min(fontMetrics.height(), (font_.pixelSize() * 13 + 10) / 11);
    // A cell above or below the image changes no pixel: large trees draw
    // most of their nodes there.
    if (y >= image_.height() || y + cellHeight <= 0) return;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QRect cell(x, y, fontMetrics.horizontalAdvance(text), cellHeight);
    if (!cell.intersects(image_.rect())) return;
    state_.recordText(record_, x, y, utf8);
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setClipRect(cell);
    painter.fillRect(cell, brushColor_);
    painter.setPen(fontColor_);
    painter.drawText(x, y + fontMetrics.ascent(), text);
    painter.end();
    changed();
}

void ImageSurface::moveTo(int x, int y) {
    state_.moveTo(x, y);
    penX_ = x;
    penY_ = y;
}

// Bresenham from the pen position to (x, y), the end point left out, as the
// Windows canvas draws; pixel-exact on every platform.
void ImageSurface::lineTo(int x, int y) {
    const int cx = penX_;
    const int cy = penY_;
    penX_ = x;
    penY_ = y;
    // Both ends beyond the same edge: no pixel of the line is in the image.
    if ((cx < 0 && x < 0) || (cy < 0 && y < 0) || (cx >= image_.width() && x >= image_.width()) ||
        (cy >= image_.height() && y >= image_.height())) {
        state_.moveTo(x, y);
        return;
    }
    state_.recordLine(record_, x, y);
    forEachLinePoint(cx, cy, x, y, [this](int px, int py) { setPixel(px, py, penColor_); });
    changed();
}

void ImageSurface::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    state_.recordRectangle(record_, x1, y1, x2, y2, image_.width(), image_.height());
    QPainter painter(&image_);
    painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), penColor_);
    if (x2 - x1 > 2 && y2 - y1 > 2) {
        painter.fillRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), brushColor_);
    }
    painter.end();
    changed();
}

void ImageSurface::fillRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    state_.recordFill(record_, x1, y1, x2, y2, image_.width(), image_.height());
    QPainter painter(&image_);
    painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brushColor_);
    painter.end();
    changed();
}

int ImageSurface::textWidth(std::string_view utf8) {
    return metrics().horizontalAdvance(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void ImageSurface::setPixel(int x, int y, const QColor& color) {
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
        image_.setPixelColor(x, y, color);
    }
}

void ImageSurface::changed() {
    if (view_) view_->update();
}
