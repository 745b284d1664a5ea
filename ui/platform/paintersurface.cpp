#include "ui/platform/paintersurface.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

namespace {
// Windows system colour indexes used by the drawings.
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

PainterSurface::PainterSurface(QPainter* painter, int width, int height, int scale, Mode mode)
    : painter_(painter), width_(width), height_(height), scale_(std::max(1, scale)), mode_(mode) {
    font_.setFamily(QStringLiteral("MS Sans Serif"));
    if (mode_ == Mode::pixelExact) font_.setStyleStrategy(QFont::NoAntialias);
    setFontSize(8);
}

QColor PainterSurface::toQColor(Color color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (bits & 0xFFu) {
            case kColorWindow:
                return palette.color(QPalette::Base);
            case kColorWindowText:
                return palette.color(QPalette::Text);
            case kColorBtnFace:
                return palette.color(QPalette::Button);
            case kColorBtnShadow:
                return palette.color(QPalette::Dark);
            case kColorBtnText:
                return palette.color(QPalette::ButtonText);
            case kColorBtnHighlight:
                return palette.color(QPalette::Light);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

void PainterSurface::setFontName(std::string_view name) {
    const QString family = fromUtf8(name);
    if (family == font_.family()) return;
    font_.setFamily(family);
    metrics_.reset();
}

// As ImageSurface: the drawings were laid out for 96 dpi, 8 points are 11
// pixels.
void PainterSurface::setFontSize(int points) {
    if (points <= 0) return;
    const int pixels = qRound(points * 96.0 / 72.0);
    if (pixels == font_.pixelSize()) return;
    font_.setPixelSize(pixels);
    metrics_.reset();
}

void PainterSurface::setFontBold(bool bold) {
    if (bold == font_.bold()) return;
    font_.setBold(bold);
    metrics_.reset();
}

const QFontMetrics& PainterSurface::metrics() {
    if (!metrics_) metrics_.emplace(font_);
    return *metrics_;
}

int PainterSurface::textWidth(std::string_view utf8) {
    return metrics().horizontalAdvance(fromUtf8(utf8));
}

QRect PainterSurface::scaled(int x1, int y1, int x2, int y2) const {
    return QRect(x1 * scale_, y1 * scale_, (x2 - x1) * scale_, (y2 - y1) * scale_);
}

// The cell as ImageSurface fills it, measured at scale 1 and scaled; the text
// itself is drawn with the font at the scale's pixel size.
void PainterSurface::textOut(int x, int y, std::string_view utf8) {
    if (!painter_) return;
    const QFontMetrics& fontMetrics = metrics();
    const int cellHeight = std::min(fontMetrics.height(), (font_.pixelSize() * 13 + 10) / 11);
    const QString text = fromUtf8(utf8);
    const QRect cell = scaled(x, y, x + fontMetrics.horizontalAdvance(text), y + cellHeight);
    QFont font = font_;
    font.setPixelSize(font_.pixelSize() * scale_);
    painter_->save();
    painter_->setFont(font);
    if (mode_ == Mode::pixelExact) painter_->setClipRect(cell);
    painter_->fillRect(cell, brushColor_);
    painter_->setPen(fontColor_);
    painter_->drawText(x * scale_, y * scale_ + QFontMetrics(font).ascent(), text);
    painter_->restore();
}

void PainterSurface::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void PainterSurface::lineTo(int x, int y) {
    const int fromX = penX_;
    const int fromY = penY_;
    penX_ = x;
    penY_ = y;
    if (!painter_ || (fromX == x && fromY == y)) return;
    if (mode_ == Mode::vector) {
        const double half = scale_ / 2.0;
        QPen pen(penColor_, scale_, Qt::SolidLine, Qt::FlatCap);
        painter_->save();
        painter_->setPen(pen);
        painter_->drawLine(QPointF(fromX * scale_ + half, fromY * scale_ + half),
                           QPointF(x * scale_ + half, y * scale_ + half));
        painter_->restore();
        return;
    }
    // Bresenham at the scale's resolution, each point a square of the
    // scale's size, the end point left out (ImageSurface at scale 1).
    const int deviceWidth = width_ * scale_;
    const int deviceHeight = height_ * scale_;
    forEachLinePoint(fromX * scale_, fromY * scale_, x * scale_, y * scale_, [&](int cx, int cy) {
        if (cx > -scale_ && cy > -scale_ && cx < deviceWidth && cy < deviceHeight) {
            painter_->fillRect(QRect(cx, cy, scale_, scale_), penColor_);
        }
    });
}

void PainterSurface::rectangle(int x1, int y1, int x2, int y2) {
    if (!painter_ || x2 <= x1 || y2 <= y1) return;
    painter_->fillRect(scaled(x1, y1, x2, y2), penColor_);
    if (x2 - x1 > 2 && y2 - y1 > 2)
        painter_->fillRect(scaled(x1 + 1, y1 + 1, x2 - 1, y2 - 1), brushColor_);
}

void PainterSurface::fillRect(int x1, int y1, int x2, int y2) {
    if (!painter_ || x2 <= x1 || y2 <= y1) return;
    painter_->fillRect(scaled(x1, y1, x2, y2), brushColor_);
}
