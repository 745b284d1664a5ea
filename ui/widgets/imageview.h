// ImageView: a page's image (ImageTbaum, ImageABaum, ImageBBaum): a fixed-size
// QImage shown as a widget, with the Surface the core draws on.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "ui/platform/imagesurface.h"

class ImageView final : public QWidget {
    Q_OBJECT
public:
    // An image of the given size, filled with the button-face colour.
    ImageView(int width, int height, QWidget* parent = nullptr);
    ~ImageView() override;

    Surface& surface() { return *surface_; }
    const QImage& image() const { return image_; }
    // Shows picture (lent, same size; a step of the past) in place of the
    // image the surface draws on; null shows that image again.
    void showPicture(const QImage* picture);
    // The picture on screen: the lent one or the image.
    const QImage& shownImage() const { return picture_ ? *picture_ : image_; }
    // What is drawn since the image was last filled completely (pictures).
    const DrawingRecord& drawing() const { return surface_->record(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    const QImage* picture_ = nullptr;
    std::unique_ptr<ImageSurface> surface_;
};
