// render_icon: draws the program's SVG icon as a square PNG of one size, for
// the icon theme's fixed-size folders (hicolor/<size>x<size>/apps). A build
// step: the PNGs are made from the SVG and never kept beside it, so the two
// cannot drift apart.
//
//   render_icon ICON.svg SIZE ICON.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // No display is needed to draw into an image.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const int size = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (size <= 0) {
        std::fprintf(stderr, "Aufruf: render_icon ICON.svg GRÖSSE ICON.png\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.convertToFormat(QImage::Format_ARGB32)
             .save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: %s kann nicht geschrieben werden\n", argv[3]);
        return 1;
    }
    return 0;
}
