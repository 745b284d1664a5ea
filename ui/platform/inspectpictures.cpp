#include "ui/platform/inspectpictures.h"

#include <QGuiApplication>
#include <iostream>

#include "ui/platform/appsetup.h"
#include "ui/platform/paintersurface.h"
#include "ui/platform/picturefile.h"

InspectPictures::InspectPictures() {
    output_.measure = [this] {
        start();
        return static_cast<Surface*>(measure_.get());
    };
    output_.write = [this](const PagePicture& picture, const std::string& fileName) {
        start();
        const auto format = picturefile::formatOf(fileName);
        return picturefile::write(picture, fileName, format.value_or(picturefile::Format::png), 1);
    };
}

InspectPictures::~InspectPictures() = default;

void InspectPictures::start() {
    if (measure_) return;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Qt's notes about the environment (a missing runtime folder and the
        // like) are no concern of this program's output.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::cerr << text.toStdString() << '\n';
        });
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        installFontSubstitutions();
    }
    measure_ = std::make_unique<PainterSurface>(nullptr, 0, 0);
}
