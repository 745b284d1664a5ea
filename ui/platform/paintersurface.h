// PainterSurface: the core's Surface drawn with a QPainter on any paint
// device (an image, an SVG generator, a printer), at a whole-numbered scale.
// The same PagePicture thus becomes a PNG, an SVG or a printed page.
//
// Pixel-exact mode follows ImageSurface's rules (lines point by point, text
// clipped to its cell, no anti-aliasing): at scale 1 on an image it gives the
// page image's pixels; at a larger scale lines and text are drawn at that
// resolution, not enlarged. Vector mode draws lines as lines and text as
// text, for SVG files and printers.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <optional>

#include "elements/platform.h"

class QPainter;

class PainterSurface final : public Surface {
public:
    enum class Mode { pixelExact, vector };

    // painter is lent (null: the surface only measures text); width and
    // height are the picture's size at scale 1.
    PainterSurface(QPainter* painter, int width, int height, int scale = 1,
                   Mode mode = Mode::pixelExact);

    int width() const override { return width_; }
    int height() const override { return height_; }

    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontColor(Color color) override { fontColor_ = toQColor(color); }
    void setPenColor(Color color) override { penColor_ = toQColor(color); }
    void setBrushColor(Color color) override { brushColor_ = toQColor(color); }

    void textOut(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    int textWidth(std::string_view utf8) override;

    // 0x00BBGGRR, or a system colour (top bit set) taken from the application
    // palette: clBtnFace is the palette's button colour.
    static QColor toQColor(Color color);

private:
    // The metrics of the font at scale 1, made again after a font change.
    const QFontMetrics& metrics();
    QRect scaled(int x1, int y1, int x2, int y2) const;

    QPainter* painter_;
    int width_;
    int height_;
    int scale_;
    Mode mode_;
    QFont font_;  // at scale 1
    std::optional<QFontMetrics> metrics_;
    QColor fontColor_{Qt::black};
    QColor penColor_{Qt::black};
    QColor brushColor_{Qt::white};
    int penX_ = 0;
    int penY_ = 0;
};
