#include "ui/widgets/zoomsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/platform/imagesurface.h"

namespace {

// The text font of a state at a scale: pixel sizes as the 1:1 image has them
// (8 points are 11 pixels), without anti-aliasing, because numbers are erased
// by drawing them again in the background colour.
QFont fontOf(const QString& family, int points, bool bold, double scale) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(bold);
    const int pixels = qRound(points * 96.0 / 72.0);
    font.setPixelSize(std::max(1, qRound(pixels * scale)));
    return font;
}

}  // namespace

ZoomSurface::ZoomSurface(Surface& base, QSize size, QWidget* view)
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
    for (const Call& call : calls_) draw(call);
}

void ZoomSurface::setFontName(std::string_view name) {
    base_.setFontName(name);
    if (!name.empty())
        state_.family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void ZoomSurface::setFontSize(int points) {
    base_.setFontSize(points);
    if (points > 0) state_.points = points;
}

void ZoomSurface::setFontBold(bool bold) {
    base_.setFontBold(bold);
    state_.bold = bold;
}

void ZoomSurface::setFontColor(Color color) {
    base_.setFontColor(color);
    state_.fontColor = color;
}

void ZoomSurface::setPenColor(Color color) {
    base_.setPenColor(color);
    state_.penColor = color;
}

void ZoomSurface::setBrushColor(Color color) {
    base_.setBrushColor(color);
    state_.brushColor = color;
}

void ZoomSurface::textOut(int x, int y, std::string_view utf8) {
    base_.textOut(x, y, utf8);
    record({Kind::text, x, y, 0, 0,
            QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), state_});
}

void ZoomSurface::moveTo(int x, int y) {
    base_.moveTo(x, y);
    penX_ = x;
    penY_ = y;
}

void ZoomSurface::lineTo(int x, int y) {
    base_.lineTo(x, y);
    record({Kind::line, penX_, penY_, x, y, QString(), state_});
    penX_ = x;
    penY_ = y;
}

void ZoomSurface::rectangle(int x1, int y1, int x2, int y2) {
    base_.rectangle(x1, y1, x2, y2);
    record({Kind::rectangle, x1, y1, x2, y2, QString(), state_});
}

void ZoomSurface::fillRect(int x1, int y1, int x2, int y2) {
    base_.fillRect(x1, y1, x2, y2);
    // Blanking the whole image makes every earlier call invisible.
    if (x1 <= 0 && y1 <= 0 && x2 >= size_.width() && y2 >= size_.height()) calls_.clear();
    record({Kind::fill, x1, y1, x2, y2, QString(), state_});
}

bool ZoomSurface::sameShape(const Call& a, const Call& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.text == b.text && a.state.family == b.state.family &&
           a.state.points == b.state.points && a.state.bold == b.state.bold;
}

void ZoomSurface::record(Call call) {
    // Every call paints its pixels over what was there, without blending, so
    // a call of the same shape covers an earlier one completely: a blinking
    // figure keeps one call, however long it blinks.
    const std::size_t first = calls_.size() > kCompactReach ? calls_.size() - kCompactReach : 0;
    for (std::size_t k = calls_.size(); k > first; --k) {
        if (sameShape(calls_[k - 1], call)) {
            calls_.erase(calls_.begin() + static_cast<std::ptrdiff_t>(k - 1));
            break;
        }
    }
    calls_.push_back(std::move(call));
    if (percent_ == 100) return;
    draw(calls_.back());
    if (view_) view_->update();
}

QRect ZoomSurface::scaled(int x1, int y1, int x2, int y2) const {
    const double s = percent_ / 100.0;
    const int left = qRound(x1 * s);
    const int top = qRound(y1 * s);
    return QRect(left, top, qRound(x2 * s) - left, qRound(y2 * s) - top);
}

void ZoomSurface::draw(const Call& call) {
    const double s = percent_ / 100.0;
    const State& st = call.state;
    QPainter painter(&zoomed_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (call.kind) {
        case Kind::text: {
            // The cell of the 1:1 text, enlarged; the text drawn in the
            // enlarged font on its enlarged baseline.
            const QFont small = fontOf(st.family, st.points, st.bold, 1.0);
            const QFontMetrics smallMetrics(small);
            const int cellHeight =
                std::min(smallMetrics.height(), (small.pixelSize() * 13 + 10) / 11);
            const QRect cell =
                scaled(call.x1, call.y1, call.x1 + smallMetrics.horizontalAdvance(call.text),
                       call.y1 + cellHeight);
            const QFont large = fontOf(st.family, st.points, st.bold, s);
            painter.setClipRect(cell);
            painter.fillRect(cell, ImageSurface::toQColor(st.brushColor));
            painter.setFont(large);
            painter.setPen(ImageSurface::toQColor(st.fontColor));
            painter.drawText(cell.left(), cell.top() + QFontMetrics(large).ascent(), call.text);
            break;
        }
        case Kind::line: {
            // From pixel centre to pixel centre, as thick as one enlarged pixel.
            QPen pen(ImageSurface::toQColor(st.penColor));
            pen.setWidthF(s);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF((call.x1 + 0.5) * s, (call.y1 + 0.5) * s),
                             QPointF((call.x2 + 0.5) * s, (call.y2 + 0.5) * s));
            break;
        }
        case Kind::rectangle:
            if (call.x2 <= call.x1 || call.y2 <= call.y1) break;
            painter.fillRect(scaled(call.x1, call.y1, call.x2, call.y2),
                             ImageSurface::toQColor(st.penColor));
            if (call.x2 - call.x1 > 2 && call.y2 - call.y1 > 2) {
                painter.fillRect(scaled(call.x1 + 1, call.y1 + 1, call.x2 - 1, call.y2 - 1),
                                 ImageSurface::toQColor(st.brushColor));
            }
            break;
        case Kind::fill:
            if (call.x2 <= call.x1 || call.y2 <= call.y1) break;
            painter.fillRect(scaled(call.x1, call.y1, call.x2, call.y2),
                             ImageSurface::toQColor(st.brushColor));
            break;
    }
}
