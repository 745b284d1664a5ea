#include "ui/widgets/imageview.h"

#include <QPainter>

#include "demo/steprecorder.h"

ImageView::ImageView(int width, int height, QWidget* parent)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32) {
    image_.fill(ImageSurface::toQColor(clBtnFace));
    surface_ = std::make_unique<ImageSurface>(image_, this);
    zoomSurface_ = std::make_unique<ZoomSurface>(*surface_, image_.size(), this);
    setFixedSize(width, height);
    setFocusPolicy(Qt::NoFocus);
}

ImageView::~ImageView() = default;

void ImageView::setZoom(int percent) {
    zoomSurface_->setZoom(percent);
    setFixedSize(zoomedImage().size());
    update();
}

const QImage& ImageView::zoomedImage() const {
    return zoomSurface_->zoom() == 100 ? image_ : zoomSurface_->zoomed();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, zoomedImage());
}

void ImageView::showPicture(const StepPicture& picture, int phase) {
    clearImage(surface());
    picture.draw(surface(), phase);
}
