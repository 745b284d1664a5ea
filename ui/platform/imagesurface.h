// ImageSurface: the core's Surface drawn with QPainter on a QImage. Pixels
// follow the Windows canvas rules that the tree drawings were designed for:
// lineTo leaves out its end point, rectangles and fills cover x1 <= x < x2,
// y1 <= y < y2, text cells are filled with the brush colour first.
//
// The surface also keeps a record of its drawing calls since the image was
// last filled completely, so that the picture can be drawn again as vector
// drawing or at a larger scale (the pages' "Bild speichern…" and "Drucken…").
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "elements/drawingrecord.h"
#include "elements/platform.h"

class ImageSurface final : public Surface {
public:
    // image is lent and must outlive the surface; view (may be null) is
    // repainted after each drawing call.
    explicit ImageSurface(QImage& image, QWidget* view = nullptr);

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }

    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontColor(Color color) override {
        fontColor_ = toQColor(color);
        state_.setFontColor(color);
    }
    void setPenColor(Color color) override {
        penColor_ = toQColor(color);
        state_.setPenColor(color);
    }
    void setBrushColor(Color color) override {
        brushColor_ = toQColor(color);
        state_.setBrushColor(color);
    }

    void textOut(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    int textWidth(std::string_view utf8) override;

    // The drawing calls since the image was last filled completely: replayed
    // on a blank image of the same size they give the image's pixels.
    const DrawingRecord& record() const { return record_; }

    // 0x00BBGGRR, or a system colour (top bit set) taken from the application
    // palette: clBtnFace is the palette's button colour.
    static QColor toQColor(Color color);

private:
    // The metrics of font_ on the image, made again after a font change.
    const QFontMetrics& metrics();
    void setPixel(int x, int y, const QColor& color);
    void changed();

    QImage& image_;
    QPointer<QWidget> view_;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    QColor fontColor_{Qt::black};
    QColor penColor_{Qt::black};
    QColor brushColor_{Qt::white};
    int penX_ = 0;
    int penY_ = 0;
    DrawingState state_;
    DrawingRecord record_;
};
