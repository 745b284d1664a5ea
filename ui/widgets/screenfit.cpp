#include "ui/widgets/screenfit.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

std::optional<QSize> testScreen;

// The bar's layout: its widgets left to right at their preferred sizes,
// wrapping to a further row where the window is too narrow for one.
class RowsLayout final : public QLayout {
public:
    explicit RowsLayout(QWidget* parent) : QLayout(parent) {}
    ~RowsLayout() override {
        while (QLayoutItem* item = takeAt(0)) delete item;
    }
    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override {
        return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
    }
    QLayoutItem* takeAt(int index) override {
        if (index < 0 || index >= count()) return nullptr;
        QLayoutItem* item = items_[static_cast<std::size_t>(index)];
        items_.erase(items_.begin() + index);
        return item;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return place(QRect(0, 0, width, 0), false); }
    QSize sizeHint() const override {
        int width = 0, height = 0;
        for (QLayoutItem* item : items_) {
            width += item->sizeHint().width() + spacing();
            height = std::max(height, item->sizeHint().height());
        }
        const QMargins m = contentsMargins();
        return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
    }
    QSize minimumSize() const override {
        QSize size;
        for (QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
        const QMargins m = contentsMargins();
        return size + QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    void setGeometry(const QRect& rect) override {
        QLayout::setGeometry(rect);
        place(rect, true);
    }

private:
    // Places the items in rect (when apply) and gives the height used.
    int place(const QRect& rect, bool apply) const {
        const QRect area = rect.marginsRemoved(contentsMargins());
        int x = area.x(), y = area.y(), rowHeight = 0;
        for (QLayoutItem* item : items_) {
            if (item->isEmpty()) continue;
            const QSize size = item->sizeHint();
            if (x > area.x() && x + size.width() > area.right() + 1) {
                x = area.x();
                y += rowHeight + spacing();
                rowHeight = 0;
            }
            if (apply) item->setGeometry(QRect(QPoint(x, y), size));
            x += size.width() + spacing();
            rowHeight = std::max(rowHeight, size.height());
        }
        const QMargins m = contentsMargins();
        return y + rowHeight - rect.y() + m.bottom();
    }

    std::vector<QLayoutItem*> items_;
};

}  // namespace

void ScreenFit::setScreenForTests(std::optional<QSize> size) { testScreen = size; }
std::optional<QSize> ScreenFit::screenForTests() { return testScreen; }

ScreenFit::ScreenFit(QWidget* window)
    : QObject(window),
      window_(window),
      area_(new QScrollArea(window)),
      sheet_(new QWidget),
      column_(new QWidget(window)),
      bar_(new QWidget(window)) {
    area_->setObjectName("ScrollAreaFenster");
    area_->setFrameShape(QFrame::NoFrame);
    area_->setFocusPolicy(Qt::NoFocus);
    area_->setWidgetResizable(false);
    area_->setWidget(sheet_);
    setScrolling(false);
    // The sheet has the window's background: with the content fitting,
    // nothing shows that it scrolls.
    area_->viewport()->setAutoFillBackground(false);
    sheet_->setAutoFillBackground(false);

    column_->setObjectName("SpalteFenster");
    columnLayout_ = new QVBoxLayout(column_);
    columnLayout_->setContentsMargins(4, 4, 4, 4);
    column_->hide();
    bar_->setObjectName("LeisteFenster");
    barLayout_ = new RowsLayout(bar_);
    barLayout_->setContentsMargins(6, 4, 6, 4);
    barLayout_->setSpacing(6);
    bar_->hide();
}

void ScreenFit::setScrolling(bool on) {
    const Qt::ScrollBarPolicy policy = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    area_->setHorizontalScrollBarPolicy(policy);
    area_->setVerticalScrollBarPolicy(policy);
}

QSize ScreenFit::available() const {
    const QScreen* screen = window_->screen();
    QSize whole = testScreen ? *testScreen : screen->geometry().size();
    if (window_->isFullScreen()) return whole;
    const QSize offered = testScreen ? *testScreen : screen->availableGeometry().size();
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    return offered - frame;
}

bool ScreenFit::fits(QSize size) const {
    const QSize room = available();
    return size.width() <= room.width() && size.height() <= room.height();
}

int ScreenFit::barHeight() const {
    return bar_->isHidden() ? 0 : barLayout_->heightForWidth(window_->width());
}

int ScreenFit::scrollBarExtent() const {
    return area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_);
}

void ScreenFit::layoutParts(int columnWidth) {
    const int width = window_->width();
    const int height = window_->height();
    const int barH = barHeight();
    const int columnW = column_->isHidden() ? 0 : std::min(columnWidth, width);
    area_->setGeometry(0, 0, width - columnW, height - barH);
    column_->setGeometry(width - columnW, 0, columnW, height - barH);
    bar_->setGeometry(0, height - barH, width, barH);
}

void ScreenFit::showOnSheet(const QWidget* w) {
    if (!sheet_->isAncestorOf(w)) return;
    const QRect r(w->mapTo(sheet_, QPoint(0, 0)), w->size());
    // The top left corner first: a picture larger than the area shows its
    // start.
    // A margin of one: with none, the last column and row stay just outside.
    area_->ensureVisible(r.right(), r.bottom(), 1, 1);
    area_->ensureVisible(r.left(), r.top(), 0, 0);
}

void ScreenFit::keepOnScreen() {
    if (window_->isFullScreen() || window_->isMaximized()) return;
    const QRect room =
        testScreen ? QRect(QPoint(0, 0), *testScreen) : window_->screen()->availableGeometry();
    const QRect frame = window_->frameGeometry();
    // A window larger than the room keeps its top left corner in it.
    const auto clamped = [](int start, int length, int first, int available) {
        return std::max(first, std::min(start, first + available - length));
    };
    const QPoint to(clamped(frame.left(), frame.width(), room.left(), room.width()),
                    clamped(frame.top(), frame.height(), room.top(), room.height()));
    if (to != frame.topLeft()) window_->move(to);
}
