#include "ui/widgets/imageview.h"

#include <QPainter>

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
    if (picture_ && picture_->size() != size()) {
        painter.drawImage(rect(), *picture_);
    } else {
        painter.drawImage(0, 0, picture_ ? *picture_ : zoomedImage());
    }
}

void ImageView::showPicture(const QImage* picture) {
    picture_ = picture;
    update();
}
