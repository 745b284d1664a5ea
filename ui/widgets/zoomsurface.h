// ZoomSurface: the Surface of a page image that is also shown enlarged (the
// projector view). Every drawing call goes to the image's own 1:1 surface,
// which stays what the page and its tests read, and, while a zoom above 100 %
// is set, is drawn again at that scale on a larger image: lines as thick as
// the zoom, text in a font that many times larger, so the enlarged picture is
// as crisp as the original and never a magnified copy of it. A new zoom draws
// the picture anew at its scale from the 1:1 surface's record of the calls
// since the image was last blanked.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "elements/platform.h"

class ImageSurface;
struct DrawingOp;

class ZoomSurface final : public Surface {
public:
    // base is the 1:1 surface of an image of the given size; both are lent
    // and must outlive this one. view (may be null) is repainted after each
    // enlarged drawing call.
    ZoomSurface(ImageSurface& base, QSize size, QWidget* view = nullptr);

    // 100 drops the enlarged image; above that it is made and drawn anew.
    void setZoom(int percent);
    int zoom() const { return percent_; }
    // The enlarged picture; null at 100 %.
    const QImage& zoomed() const { return zoomed_; }
    // How many drawing calls are kept for drawing anew.
    std::size_t keptCalls() const;

    int width() const override;
    int height() const override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontColor(Color color) override;
    void setPenColor(Color color) override;
    void setBrushColor(Color color) override;
    void textOut(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;

private:
    // Draws the newest call of the base's record at the zoom when the base
    // recorded one since it had made `before` calls (off-picture calls are
    // not recorded).
    void drawNewest(std::uint64_t before);
    void draw(const DrawingOp& op);
    QRect scaled(int x1, int y1, int x2, int y2) const;

    ImageSurface& base_;
    QSize size_;
    QPointer<QWidget> view_;
    int percent_ = 100;
    QImage zoomed_;
};
