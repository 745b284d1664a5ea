// tessaro-inspect: checks structure files from the command line, without
// windows (see workbench/inspectcommand.h and tessaro-inspect.1). Built with
// Qt GUI it also writes a page's picture (--picture); Qt is started only for
// that, on the offscreen platform unless another one is asked for.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "workbench/inspectcommand.h"

#ifdef TESSARO_PICTURE
#include <QGuiApplication>

#include "ui/platform/appsetup.h"
#include "ui/platform/paintersurface.h"
#include "ui/platform/picturefile.h"

namespace {

// Qt GUI for the pictures, made on first use: the application that fonts
// and images need, and the surface that measures the pages' font. Both end
// with main, the surface first.
class PictureQt {
public:
    Surface* measure() {
        start();
        return measure_.get();
    }
    std::string write(const PagePicture& picture, const std::string& fileName) {
        start();
        const auto format = picturefile::formatOf(fileName);
        return picturefile::write(picture, fileName, format.value_or(picturefile::Format::png), 1);
    }

private:
    void start() {
        if (app_) return;
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
        measure_ = std::make_unique<PainterSurface>(nullptr, 0, 0);
    }

    char name_[16] = "tessaro-inspect";
    char* argv_[2] = {name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
    std::unique_ptr<PainterSurface> measure_;  // declared after app_: ends first
};

}  // namespace
#endif

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
#ifdef TESSARO_PICTURE
    PictureQt qt;
    inspect::PictureOutput pictures;
    pictures.measure = [&qt] { return qt.measure(); };
    pictures.write = [&qt](const PagePicture& picture, const std::string& fileName) {
        return qt.write(picture, fileName);
    };
    const int status = inspect::run(args, std::cout, std::cerr, &pictures);
#else
    const int status = inspect::run(args, std::cout, std::cerr);
#endif
    std::cout.flush();
    return std::cout ? status : inspect::kSomeRefused;
}
