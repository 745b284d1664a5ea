#include "ui/widgets/widgetfactory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <iterator>

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

// The files the toolkit's Fusion style draws a glyph from when no icon theme
// is set, with their sizes (0 ends the list).
struct GlyphFiles {
    QStyle::StandardPixmap glyph;
    const char* name;
    int sizes[3];
};
constexpr GlyphFiles kGlyphFiles[] = {
    {QStyle::SP_DialogApplyButton, "standardbutton-apply", {16, 32, 128}},
    {QStyle::SP_DialogCloseButton, "standardbutton-close", {16, 32, 128}},
    {QStyle::SP_MediaPlay, "media-play", {16, 32, 0}},
    {QStyle::SP_MediaPause, "media-pause", {16, 32, 0}},
    {QStyle::SP_MediaSeekBackward, "media-seek-backward", {16, 32, 0}},
    {QStyle::SP_MediaSkipForward, "media-skip-forward", {16, 32, 0}},
};

// The style's picture of the glyph read from its files as PNG, or a null icon
// where the style would draw it from elsewhere (another style, an icon theme,
// right-to-left pictures) or a file is missing. The style reads the same
// files, but first asks every image plugin whether it reads PNG, which loads
// them all, and the first page shows such glyphs.
QIcon iconFromStyleFiles(const QStyle& style, QStyle::StandardPixmap glyph) {
    const auto* files = std::find_if(std::begin(kGlyphFiles), std::end(kGlyphFiles),
                                     [glyph](const GlyphFiles& f) { return f.glyph == glyph; });
    if (files == std::end(kGlyphFiles) || style.name() != QLatin1String("fusion") ||
        !QIcon::themeName().isEmpty() || QGuiApplication::isRightToLeft())
        return {};
    QIcon icon;
    for (const int size : files->sizes) {
        if (size == 0) break;
        const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                 .arg(QLatin1String(files->name))
                                 .arg(size);
        const QImage image = readPng(path);
        if (image.isNull()) return {};
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
}  // namespace

QImage readPng(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon standardIcon(QStyle::StandardPixmap glyph) {
    IconCache& cache = iconCache();
    QStyle* style = QApplication::style();
    if (cache.style != style) {
        if (!cache.style) qAddPostRoutine(clearIconCache);
        cache.style = style;
        cache.icons.clear();
    }
    auto it = cache.icons.find(glyph);
    if (it == cache.icons.end()) {
        QIcon icon = iconFromStyleFiles(*style, glyph);
        it = cache.icons.insert(glyph, icon.isNull() ? style->standardIcon(glyph) : icon);
    }
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
