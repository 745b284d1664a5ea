#include "ui/widgets/zoomsurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "elements/drawingrecord.h"
#include "ui/platform/imagesurface.h"

namespace {

// The text font at a scale: pixel sizes as the 1:1 image has them (8 points
// are 11 pixels), without anti-aliasing, because numbers are erased by
// drawing them again in the background colour.
QFont fontOf(const std::string& family, int points, bool bold, double scale) {
    QFont font(QString::fromStdString(family));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(bold);
    const int pixels = qRound(points * 96.0 / 72.0);
    font.setPixelSize(std::max(1, qRound(pixels * scale)));
    return font;
}

}  // namespace

ZoomSurface::ZoomSurface(ImageSurface& base, QSize size, QWidget* view)
    : base_(base), size_(size), view_(view) {}

void ZoomSurface::setZoom(int percent) {
    percent = std::clamp(percent, 100, 400);
    if (percent == percent_) return;
    percent_ = percent;
    if (percent_ == 100) {
        zoomed_ = QImage();
        return;
    }
    zoomed_ = QImage(size_ * (percent_ / 100.0), QImage::Format_RGB32);
    zoomed_.fill(ImageSurface::toQColor(clBtnFace));
    for (const DrawingOp& op : base_.record().ops()) draw(op);
}

std::size_t ZoomSurface::keptCalls() const { return base_.record().ops().size(); }
int ZoomSurface::width() const { return base_.width(); }
int ZoomSurface::height() const { return base_.height(); }
void ZoomSurface::setFontName(std::string_view name) { base_.setFontName(name); }
void ZoomSurface::setFontSize(int points) { base_.setFontSize(points); }
void ZoomSurface::setFontBold(bool bold) { base_.setFontBold(bold); }
void ZoomSurface::setFontColor(Color color) { base_.setFontColor(color); }
void ZoomSurface::setPenColor(Color color) { base_.setPenColor(color); }
void ZoomSurface::setBrushColor(Color color) { base_.setBrushColor(color); }
void ZoomSurface::moveTo(int x, int y) { base_.moveTo(x, y); }

void ZoomSurface::textOut(int x, int y, std::string_view utf8) {
    const std::uint64_t before = base_.record().added();
    base_.textOut(x, y, utf8);
    drawNewest(before);
}

void ZoomSurface::lineTo(int x, int y) {
    const std::uint64_t before = base_.record().added();
    base_.lineTo(x, y);
    drawNewest(before);
}

void ZoomSurface::rectangle(int x1, int y1, int x2, int y2) {
    const std::uint64_t before = base_.record().added();
    base_.rectangle(x1, y1, x2, y2);
    drawNewest(before);
}

void ZoomSurface::fillRect(int x1, int y1, int x2, int y2) {
    const std::uint64_t before = base_.record().added();
    base_.fillRect(x1, y1, x2, y2);
    drawNewest(before);
}

void ZoomSurface::drawNewest(std::uint64_t before) {
    // Every call paints its pixels over what was there, without blending, so
    // drawing the newest call on the enlarged picture keeps it equal to the
    // record drawn anew.
    if (percent_ == 100 || base_.record().added() == before) return;
    draw(base_.record().ops().back());
    if (view_) view_->update();
}

QRect ZoomSurface::scaled(int x1, int y1, int x2, int y2) const {
    const double s = percent_ / 100.0;
    const int left = qRound(x1 * s);
    const int top = qRound(y1 * s);
    return QRect(left, top, qRound(x2 * s) - left, qRound(y2 * s) - top);
}

void ZoomSurface::draw(const DrawingOp& call) {
    const double s = percent_ / 100.0;
    QPainter painter(&zoomed_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (call.kind) {
        case DrawingOp::Kind::text: {
            // The cell of the 1:1 text, enlarged; the text drawn in the
            // enlarged font on its enlarged baseline.
            const QString text = QString::fromStdString(call.text);
            const QFont small = fontOf(call.fontName, call.fontPoints, call.bold, 1.0);
            const QFontMetrics smallMetrics(small);
            const int cellHeight =
                std::min(smallMetrics.height(), (small.pixelSize() * 13 + 10) / 11);
            const QRect cell =
                scaled(call.x1, call.y1, call.x1 + smallMetrics.horizontalAdvance(text),
                       call.y1 + cellHeight);
            const QFont large = fontOf(call.fontName, call.fontPoints, call.bold, s);
            painter.setClipRect(cell);
            painter.fillRect(cell, ImageSurface::toQColor(call.brush));
            painter.setFont(large);
            painter.setPen(ImageSurface::toQColor(call.fontColor));
            painter.drawText(cell.left(), cell.top() + QFontMetrics(large).ascent(), text);
            break;
        }
        case DrawingOp::Kind::line: {
            // From pixel centre to pixel centre, as thick as one enlarged pixel.
            QPen pen(ImageSurface::toQColor(call.pen));
            pen.setWidthF(s);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF((call.x1 + 0.5) * s, (call.y1 + 0.5) * s),
                             QPointF((call.x2 + 0.5) * s, (call.y2 + 0.5) * s));
            break;
        }
        case DrawingOp::Kind::rectangle:
            if (call.x2 <= call.x1 || call.y2 <= call.y1) break;
            painter.fillRect(scaled(call.x1, call.y1, call.x2, call.y2),
                             ImageSurface::toQColor(call.pen));
            if (call.x2 - call.x1 > 2 && call.y2 - call.y1 > 2) {
                painter.fillRect(scaled(call.x1 + 1, call.y1 + 1, call.x2 - 1, call.y2 - 1),
                                 ImageSurface::toQColor(call.brush));
            }
            break;
        case DrawingOp::Kind::fill:
            if (call.x2 <= call.x1 || call.y2 <= call.y1) break;
            painter.fillRect(scaled(call.x1, call.y1, call.x2, call.y2),
                             ImageSurface::toQColor(call.brush));
            break;
    }
}
