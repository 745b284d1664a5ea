#include "ui/widgets/widgetfactory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "ui/widgets/memoview.h"

namespace widgets {

namespace {
// The icons read so far, for the style they came from. Emptied when the
// application ends, before the toolkit that holds their pixmaps is gone.
struct IconCache {
    QStyle* style = nullptr;
    QHash<int, QIcon> icons;
};
IconCache& iconCache() {
    static IconCache cache;
    return cache;
}
void clearIconCache() {
    iconCache().style = nullptr;
    iconCache().icons.clear();
}
}  // namespace

QIcon standardIcon(QStyle::StandardPixmap glyph) {
    IconCache& cache = iconCache();
    QStyle* style = QApplication::style();
    if (cache.style != style) {
        if (!cache.style) qAddPostRoutine(clearIconCache);
        cache.style = style;
        cache.icons.clear();
    }
    auto it = cache.icons.find(glyph);
    if (it == cache.icons.end()) it = cache.icons.insert(glyph, style->standardIcon(glyph));
    return *it;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width,
              int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (width > 0 && height > 0 && height <= 17) {
        // A one-line label with a designed size: grows to its text as a
        // Windows label with AutoSize does.
        const QSize hint = l->sizeHint();
        l->setGeometry(x, y, std::max(width, hint.width()), std::max(height, hint.height()));
    } else if (width > 0) {
        l->setWordWrap(true);
        l->setGeometry(x, y, width, std::max(height, l->heightForWidth(width)));
    } else {
        l->adjustSize();
        l->move(x, y);
    }
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int x, int y, int width, int height,
                bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(x, y, width, height);
    e->setReadOnly(readOnly);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int x, int y,
                    int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(x, y, width, height);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    return b;
}

QPushButton* okButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                      int width, int height) {
    auto* b = button(parent, name, caption, x, y, width, height);
    b->setIcon(standardIcon(QStyle::SP_DialogApplyButton));
    return b;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, int x, int y, int width, int height,
                     ScrollBars bars) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setGeometry(x, y, width, height);
    m->setReadOnly(true);
    m->setFocusPolicy(Qt::ClickFocus);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (bars == ScrollBars::both) {
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return m;
}

MemoView* memoView(QWidget* parent, const char* name, int x, int y, int width, int height,
                   ScrollBars bars) {
    auto* m = new MemoView(parent);
    m->setObjectName(name);
    m->setGeometry(x, y, width, height);
    m->setFocusPolicy(Qt::ClickFocus);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const bool both = bars == ScrollBars::both;
    m->setWordWrap(!both);
    m->setHorizontalScrollBarPolicy(both ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    return m;
}

QFrame* panel(QWidget* parent, const char* name, int x, int y, int width, int height) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setGeometry(x, y, width, height);
    return p;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, int x, int y,
                    int width, int height) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(x, y, width, height);
    return g;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption, int x, int y,
                    int width, bool checked) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    r->setGeometry(x, y, width, 17);
    r->setChecked(checked);
    r->setFocusPolicy(Qt::ClickFocus);
    return r;
}

}  // namespace widgets
