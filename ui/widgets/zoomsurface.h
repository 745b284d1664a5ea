// ZoomSurface: the Surface of a page image that is also shown enlarged (the
// projector view). Every drawing call goes to the image's own 1:1 surface,
// which stays what the page and its tests read, and, while a zoom above 100 %
// is set, is drawn again at that scale on a larger image: lines as thick as
// the zoom, text in a font that many times larger, so the enlarged picture is
// as crisp as the original and never a magnified copy of it. The calls since
// the last blanking of the whole image are kept, so a new zoom draws the
// picture anew at its scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "elements/platform.h"

class ZoomSurface final : public Surface {
public:
    // base is the 1:1 surface of an image of the given size; both are lent
    // and must outlive this one. view (may be null) is repainted after each
    // enlarged drawing call.
    ZoomSurface(Surface& base, QSize size, QWidget* view = nullptr);

    // 100 drops the enlarged image; above that it is made and drawn anew.
    void setZoom(int percent);
    int zoom() const { return percent_; }
    // The enlarged picture; null at 100 %.
    const QImage& zoomed() const { return zoomed_; }
    // How many drawing calls are kept for drawing anew.
    std::size_t keptCalls() const { return calls_.size(); }

    int width() const override { return base_.width(); }
    int height() const override { return base_.height(); }
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
    enum class Kind { text, line, rectangle, fill };
    // The drawing state a call needs, as it was when the call was made.
    struct State {
        QString family = QStringLiteral("MS Sans Serif");
        int points = 8;
        bool bold = false;
        Color fontColor = clBlack;
        Color penColor = clBlack;
        Color brushColor = clWhite;
    };
    struct Call {
        Kind kind;
        int x1, y1, x2, y2;
        QString text;
        State state;
    };

    // How many of the latest calls record looks through for one of the same
    // shape, which the new call replaces.
    static constexpr std::size_t kCompactReach = 8;
    static bool sameShape(const Call& a, const Call& b);
    void record(Call call);
    void draw(const Call& call);
    QRect scaled(int x1, int y1, int x2, int y2) const;

    Surface& base_;
    QSize size_;
    QPointer<QWidget> view_;
    int percent_ = 100;
    QImage zoomed_;
    State state_;
    int penX_ = 0;
    int penY_ = 0;
    std::vector<Call> calls_;
};
