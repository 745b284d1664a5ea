// Small makers for the designed controls: each puts a named widget at its
// designed pixel position with the workbench's focus rules. Buttons never take
// the focus (a click leaves it where the handler puts it); entry fields,
// read-only fields and memos are out of the tab chain but take the focus on a
// click, so that they can be typed into or copied from.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <cstddef>

class QFrame;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class MemoView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// A caption or text of the sources (UTF-8) as a QString.
inline QString utf8(const char* text) { return QString::fromUtf8(text); }

namespace widgets {

enum class ScrollBars { vertical, both };

// A label sized to its text at (x, y). With a width and a one-line height it
// keeps that size as its minimum; with a width alone (or a taller height) it
// word-wraps in that width.
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width = 0,
              int height = 0);
QLineEdit* edit(QWidget* parent, const char* name, int x, int y, int width, int height = 21,
                bool readOnly = false);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int x, int y,
                    int width = 73, int height = 25);
// One button of a page's button column: object name, caption (UTF-8, "&"
// before the accelerator) and the page's click handler.
template <typename Page>
struct ButtonRow {
    const char* name;
    const char* caption;
    void (Page::*handler)();
};

// The buttons of a column, from (x, y) downward 32 pixels apart, each
// connected to its handler on page.
template <typename Page, std::size_t N>
void buttonColumn(QWidget* parent, Page* page, const ButtonRow<Page> (&rows)[N], int x, int y,
                  int width = 73, int height = 25) {
    for (const ButtonRow<Page>& row : rows) {
        QPushButton* b =
            button(parent, row.name, QString::fromUtf8(row.caption), x, y, width, height);
        QObject::connect(b, &QPushButton::clicked, page, row.handler);
        y += 32;
    }
}

// The application style's standard icon, read once per process: the style
// reads every size of an icon from its files on each request. The glyphs
// the program shows at start-up are read straight from the style's PNG
// files where the style would draw them from those (the same pixels), so
// that starting does not load every image plugin.
QIcon standardIcon(QStyle::StandardPixmap glyph);
// A PNG file or resource read as PNG only, without asking the image plugins
// about it first; a null image if it cannot be read.
QImage readPng(const QString& path);

// A button in the style of a glyph button of the OK kind.
QPushButton* okButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                      int width = 75, int height = 25);
// A read-only memo as a text edit, for short texts (a few dozen lines).
QPlainTextEdit* memo(QWidget* parent, const char* name, int x, int y, int width, int height,
                     ScrollBars bars);
// A read-only memo for long listings (MemoView): with only the vertical bar
// its lines wrap at the memo's width, with both bars they scroll sideways.
MemoView* memoView(QWidget* parent, const char* name, int x, int y, int width, int height,
                   ScrollBars bars);
QFrame* panel(QWidget* parent, const char* name, int x, int y, int width, int height);
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, int x, int y,
                    int width, int height);
QRadioButton* radio(QWidget* parent, const char* name, const QString& caption, int x, int y,
                    int width, bool checked);

}  // namespace widgets
