#include "ui/widgets/imageview.h"

#include <QPainter>

ImageView::ImageView(int width, int height, QWidget* parent)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32) {
    image_.fill(ImageSurface::toQColor(clBtnFace));
    surface_ = std::make_unique<ImageSurface>(image_, this);
    setFixedSize(width, height);
    setFocusPolicy(Qt::NoFocus);
}

ImageView::~ImageView() = default;

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, shownImage());
}

void ImageView::showPicture(const QImage* picture) {
    picture_ = picture;
    update();
}
