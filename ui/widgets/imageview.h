// ImageView: a page's image (ImageTbaum, ImageABaum, ImageBBaum): a fixed-size
// QImage shown as a widget, with the Surface the core draws on. With a zoom
// above 100 % (the projector view) the widget is that much larger and shows
// the picture drawn at that scale.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "demo/step.h"
#include "ui/platform/imagesurface.h"
#include "ui/widgets/zoomsurface.h"

class ImageView final : public QWidget {
    Q_OBJECT
public:
    // An image of the given size, filled with the button-face colour.
    ImageView(int width, int height, QWidget* parent = nullptr);
    ~ImageView() override;

    Surface& surface() { return *zoomSurface_; }
    // The picture at 1:1, whatever the zoom.
    const QImage& image() const { return image_; }
    // Draws a step's picture in the blink phase in place of what the image
    // showed, at the zoom.
    void showPicture(const StepPicture& picture, int phase);
    // What is drawn since the image was last filled completely (pictures).
    const DrawingRecord& drawing() const { return surface_->record(); }

    // Percent, 100 to 400; the widget's size follows.
    void setZoom(int percent);
    int zoom() const { return zoomSurface_->zoom(); }
    // The image as drawn at the zoom.
    const QImage& zoomedImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    std::unique_ptr<ImageSurface> surface_;
    std::unique_ptr<ZoomSurface> zoomSurface_;
};
