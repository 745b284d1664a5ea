#include "ui/widgets/zoom.h"

#include <QAbstractButton>
#include <QFont>
#include <QLayout>
#include <QRect>
#include <QSize>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "ui/widgets/imageview.h"

namespace {

constexpr const char* kDesignGeometry = "tessaroDesignGeometry";
constexpr const char* kDesignFont = "tessaroDesignFont";
constexpr const char* kDesignSize = "tessaroDesignSize";
constexpr const char* kDesignIconSize = "tessaroDesignIconSize";
constexpr const char* kPercent = "tessaroZoom";

using zoom::scaled;

QRect scaled(const QRect& r, int percent) {
    const int left = scaled(r.left(), percent);
    const int top = scaled(r.top(), percent);
    return QRect(left, top, scaled(r.left() + r.width(), percent) - left,
                 scaled(r.top() + r.height(), percent) - top);
}

QFont scaled(QFont font, int percent) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), percent)));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    }
    return font;
}

// The designed value of a property, taken from the widget when first asked
// (not at all while nothing is zoomed: then there is nothing to restore).
template <typename T, typename Current>
bool design(QWidget* w, const char* name, int percent, T& value, Current current) {
    const QVariant stored = w->property(name);
    if (stored.isValid()) {
        value = stored.value<T>();
        return true;
    }
    if (percent == 100) return false;
    value = current();
    w->setProperty(name, QVariant::fromValue(value));
    return true;
}

// The window's own widgets that it places itself: named by the program, in a
// parent without a layout (the pages in the tab widget's stack, the parts of
// scroll areas and spin boxes are placed by their parents).
bool placedByDesign(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return parent && !parent->layout() && !w->objectName().isEmpty() &&
           !w->objectName().startsWith(QLatin1String("qt_"));
}

void zoomIcon(QWidget* w, int percent) {
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->icon().isNull()) return;
    QSize size;
    if (design(w, kDesignIconSize, percent, size, [button] { return button->iconSize(); }))
        button->setIconSize(QSize(scaled(size.width(), percent), scaled(size.height(), percent)));
}

void zoomFont(QWidget* w, int percent) {
    if (!w->testAttribute(Qt::WA_SetFont) && !w->property(kDesignFont).isValid()) return;
    QFont font;
    if (design(w, kDesignFont, percent, font, [w] { return w->font(); }))
        w->setFont(scaled(font, percent));
}

}  // namespace

namespace zoom {

int scaled(int value, int percent) { return (value * percent + 50) / 100; }

int step(int percent, int direction) {
    const int* const begin = std::begin(kSteps);
    const int* const end = std::end(kSteps);
    // The step at or above percent.
    const int* at = std::lower_bound(begin, end, percent);
    if (direction > 0) {
        if (at != end && *at == percent) ++at;
        return at == end ? end[-1] : *at;
    }
    if (direction < 0) return at == begin ? *begin : at[-1];
    return at == end ? end[-1] : *at;
}

void apply(QWidget* window, int percent, WindowSize windowSize) {
    percent = std::clamp(percent, kSteps[0], std::end(kSteps)[-1]);
    window->setProperty(kPercent, percent);
    QSize size;
    if (windowSize == WindowSize::zoom &&
        design(window, kDesignSize, percent, size, [window] { return window->size(); })) {
        const QSize target(scaled(size.width(), percent), scaled(size.height(), percent));
        if (window->minimumSize() == window->maximumSize()) {
            window->setFixedSize(target);
        } else {
            window->resize(target);
        }
    }
    zoomFont(window, percent);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue;
        zoomFont(w, percent);
        zoomIcon(w, percent);
        if (!placedByDesign(w)) continue;
        QRect geometry;
        if (!design(w, kDesignGeometry, percent, geometry, [w] { return w->geometry(); })) continue;
        if (auto* view = qobject_cast<ImageView*>(w)) {
            view->setZoom(percent);
            view->move(::scaled(geometry, percent).topLeft());
        } else {
            w->setGeometry(::scaled(geometry, percent));
        }
    }
}

}  // namespace zoom

namespace zoom {

int percentOf(const QWidget* window) {
    const QVariant stored = window->property(kPercent);
    return stored.isValid() ? stored.toInt() : 100;
}

void remember(QWidget* w) {
    if (w->property(kDesignGeometry).isValid()) return;
    // Never zoomed yet: the geometry is the design.
    w->setProperty(kDesignGeometry, w->geometry());
}

QRect designed(const QWidget* w, int percent) {
    const QVariant stored = w->property(kDesignGeometry);
    return stored.isValid() ? ::scaled(stored.toRect(), percent) : w->geometry();
}

}  // namespace zoom
