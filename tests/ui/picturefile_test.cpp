// The picture files on failing disks: "Bild speichern…" as PNG and SVG,
// "Drucken…" into a PDF file and tessaro-inspect --picture write through the
// structures' save path. Every file call in turn fails (with EIO, and with
// ENOSPC after half the bytes); the old file stays byte for byte, nothing
// else is left in its folder, and the user reads the German reason. A PNG
// beyond the pixel limit is asked for first; printing fits the picture onto
// the page. On a real full disk (a small tmpfs, when run as root) the same.
#include "ui/platform/picturefile.h"

#include <errno.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "elements/stream.h"
#include "linear/liste.h"
#include "tests/ui/pagefixture.h"
#include "ui/pages/pagepicture.h"
#include "ui/platform/inspectpictures.h"
#include "ui/platform/paintersurface.h"

namespace {

// --- The fault plan: which file call fails, and every call seen ----------------

struct FaultPlan {
    std::size_t failAt = 0;  // 1-based number of the call that fails; 0: none
    FileFault fault;
    std::vector<FileCall> calls;
};

FaultPlan plan;

// Counts the calls that write; reading tessaro-inspect's structure file is
// left alone.
FileFault planned(FileCall call) {
    if (call == FileCall::read) return {};
    plan.calls.push_back(call);
    return plan.calls.size() == plan.failAt ? plan.fault : FileFault{};
}

class PlannedFaults {
public:
    PlannedFaults(std::size_t failAt, FileFault fault) {
        plan = FaultPlan{failAt, fault, {}};
        fileFaultHook = planned;
    }
    ~PlannedFaults() { fileFaultHook = nullptr; }
    PlannedFaults(const PlannedFaults&) = delete;
    PlannedFaults& operator=(const PlannedFaults&) = delete;
};

const std::string kNoSpace = "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.";
const std::string kIoError = "Fehler bei der Ein- oder Ausgabe.";

std::set<std::string> folderEntries(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// --- The four writers, each as the user meets it ---------------------------------

enum class Writer { png, svg, pdf, inspectPng, inspectSvg };

struct WriterCase {
    Writer writer;
    const char* name;       // the picture file's name
    const char* signature;  // how the written file begins
};

const WriterCase kWriters[] = {
    {Writer::png, "bild.png", "\x89PNG\r\n\x1A\n"},
    {Writer::svg, "bild.svg", "<?xml"},
    {Writer::pdf, "bild.pdf", "%PDF-"},
    {Writer::inspectPng, "inspect.png", "\x89PNG\r\n\x1A\n"},
    {Writer::inspectSvg, "inspect.svg", "<?xml"},
};

// What the user reads when the writer cannot write the file for the file
// error: in the window's message box under its first line, from
// tessaro-inspect on one line after the picture's name.
std::string failure(const WriterCase& c, const std::string& file, std::string fileError) {
    switch (c.writer) {
        case Writer::png:
        case Writer::svg:
            return "information: Das Bild konnte nicht gespeichert werden\n" + fileError;
        case Writer::pdf:
            return "information: Das Bild konnte nicht gedruckt werden\n" + fileError;
        case Writer::inspectPng:
        case Writer::inspectSvg:
            for (std::size_t at; (at = fileError.find('\n')) != std::string::npos;)
                fileError.replace(at, 1, ": ");
            return "tessaro-inspect: " + file + ": " + fileError + "\n";
    }
    return "?";
}

class PictureFiles : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        // The list page holds 250 texts of 40 characters: pictures of some
        // hundred kilobytes, which take several writes.
        TListe list;
        for (int i = 0; i < 250; ++i) {
            char text[48];
            std::snprintf(text, sizeof text, "Wert %04d %s", i,
                          std::string(30, static_cast<char>('a' + i % 26)).c_str());
            list.append(std::make_unique<TString>(text));
        }
        structure = path("liste.ldt");
        list.saveToFile(structure);
        showPage("TabSheetListe");
        dialogs.answers.push_back(structure);
        click("ButtonLLoad");
        ASSERT_EQ(dialogs.take(), std::vector<std::string>{"open ldt Listen (*.ldt)|*.ldt"});
    }

    // Writes the list page's picture into file as the writer does; returns
    // what the user reads ("" when all went well).
    std::string write(Writer writer, const std::string& file) {
        auto* page = find<QWidget>("TabSheetListe");
        switch (writer) {
            case Writer::png:
            case Writer::svg:
                dialogs.pictures.push_back({file, writer == Writer::png ? 0 : 3});
                page->findChild<QAction*>("ActionBildSpeichern")->trigger();
                return shown("picture " + std::string(picturetext::filter));
            case Writer::pdf:
                dialogs.printFile = file;
                page->findChild<QAction*>("ActionDrucken")->trigger();
                dialogs.printFile.clear();
                return shown("print");
            case Writer::inspectPng:
            case Writer::inspectSvg: {
                std::ostringstream out, err;
                const int status = inspect::run({"--picture", file, structure}, out, err,
                                                &inspectPictures.output());
                EXPECT_EQ(status, err.str().empty() ? inspect::kAllValid : inspect::kSomeRefused);
                return err.str();
            }
        }
        return "?";
    }

    // The messages after the dialog's own line.
    std::string shown(const std::string& dialog) {
        std::vector<std::string> log = dialogs.take();
        EXPECT_FALSE(log.empty());
        if (log.empty()) return "?";
        EXPECT_EQ(log.front(), dialog);
        std::string text;
        for (std::size_t i = 1; i < log.size(); ++i) text += log[i];
        return text;
    }

    std::string structure;
    InspectPictures inspectPictures;
};

// What a failure of the call says: the new file's name cannot be made, or a
// write error with the system's reason.
std::string fileError(FileCall call, const std::string& file, const std::string& reason) {
    if (call == FileCall::openNamed)
        return "Datei \"" + file + "\" kann nicht erstellt werden. " + reason;
    return "Stream-Schreibfehler\n" + reason;
}

TEST_F(PictureFiles, EveryFailingFileCallLeavesTheOldPictureAndNamesTheReason) {
    struct Fault {
        FileFault fault;
        std::string reason;
    };
    const Fault faults[] = {{{EIO, false}, kIoError}, {{ENOSPC, true}, kNoSpace}};
    const std::string oldBytes = "das alte Bild, kein neues";
    for (const WriterCase& c : kWriters) {
        for (const Fault& f : faults) {
            SCOPED_TRACE(std::string(c.name) + ", " + f.reason);
            // A folder of its own, which should hold the picture only.
            const std::filesystem::path folder =
                dir / (std::string(c.name) + f.reason.substr(0, 6));
            std::filesystem::create_directories(folder);
            const std::string file = (folder / c.name).string();
            std::size_t failures = 0;
            for (std::size_t n = 1;; ++n) {
                SCOPED_TRACE(n);
                writeFile(file, oldBytes);
                std::string text;
                FileCall failed{};
                {
                    PlannedFaults faults(n, f.fault);
                    text = write(c.writer, file);
                    if (plan.calls.size() >= n) failed = plan.calls[n - 1];
                    ASSERT_LT(n, 100u) << "the write never succeeds";
                    if (plan.calls.size() < n) {
                        EXPECT_EQ(text, "");  // every call made, none failed
                        break;
                    }
                }
                EXPECT_EQ(folderEntries(folder), std::set<std::string>{c.name});
                if (failed == FileCall::openUnnamed) {
                    // The new file is made with a name instead.
                    EXPECT_EQ(text, "");
                    continue;
                }
                ++failures;
                EXPECT_EQ(text, failure(c, file, fileError(failed, file, f.reason)));
                EXPECT_EQ(readFile(file), oldBytes);
            }
            // Failed were the named file, each write, flush, sync, naming,
            // close and rename; the pictures but the compressed PDF take
            // several writes, so that failures between pieces are covered.
            const auto writes = std::count(plan.calls.begin(), plan.calls.end(), FileCall::write);
            EXPECT_GE(writes, c.writer == Writer::pdf ? 1 : 2);
            EXPECT_EQ(failures, 5 + static_cast<std::size_t>(writes));
            const std::string written = readFile(file);
            EXPECT_EQ(written.rfind(c.signature, 0), 0u) << written.substr(0, 16);
            EXPECT_EQ(folderEntries(folder), std::set<std::string>{c.name});
        }
    }
}

// A PNG beyond the pixel limit at the chosen scale is written only after
// the question, scaled down to the limit; "Nein" writes nothing and leaves
// the old file. An SVG and a PNG within the limit are written without one.
TEST_F(PictureFiles, LargePngIsAskedForAndScaledDown) {
    const std::string file = path("gross.png");
    ASSERT_EQ(write(Writer::png, file), "");
    const QSize one = QImage(QString::fromStdString(file)).size();
    ASSERT_FALSE(one.isEmpty());
    const structurepicture::PixelSize full{3 * one.width(), 3 * one.height()};
    ASSERT_GT(full.pixels(), structurepicture::kMostPixels);
    ASSERT_LE(one.width() * one.height(), structurepicture::kMostPixels);
    const structurepicture::PixelSize fitted = structurepicture::withinLimit(full);
    const std::string question = "question: Das Bild wäre " + std::to_string(full.width) + " × " +
                                 std::to_string(full.height) + " Pixel groß. Verkleinert auf " +
                                 std::to_string(fitted.width) + " × " +
                                 std::to_string(fitted.height) +
                                 " speichern?\nAls SVG-Vektorgrafik gespeichert behält es seine "
                                 "volle Größe.";
    const std::string oldBytes = readFile(file);
    struct Case {
        std::deque<bool> replies;
        QSize written;  // empty: the old file stays
    };
    const Case cases[] = {
        {{false}, QSize()},
        {{true}, QSize(fitted.width, fitted.height)},
    };
    auto* save = find<QWidget>("TabSheetListe")->findChild<QAction*>("ActionBildSpeichern");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replies.front());
        writeFile(file, oldBytes);
        dialogs.replies = c.replies;
        dialogs.pictures.push_back({file, 2});  // PNG, three times the size
        save->trigger();
        EXPECT_EQ(dialogs.take(), (std::vector<std::string>{
                                      "picture " + std::string(picturetext::filter), question}));
        if (c.written.isEmpty()) {
            EXPECT_EQ(readFile(file), oldBytes);
        } else {
            EXPECT_EQ(QImage(QString::fromStdString(file)).size(), c.written);
        }
        EXPECT_EQ(folderEntries(dir), (std::set<std::string>{"gross.png", "liste.ldt"}));
    }
    // The SVG keeps its full size without a question.
    dialogs.pictures.push_back({path("gross.svg"), 3});
    save->trigger();
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"picture " + std::string(picturetext::filter)});
    EXPECT_EQ(QSvgRenderer(QString::fromStdString(path("gross.svg"))).viewBox().size(), one);
}

// Printing fits the picture into the printable area with its proportions,
// centred: a wide picture spans the page's width, a tall one its height.
TEST(PicturePrint, PictureFillsTheAreaCentred) {
    PainterSurface measure(nullptr, 0, 0);
    const PagePicture wide = structurepicture::linearPicture(
        structurepicture::Row::queue, {"eins", "zwei", "drei"}, -1, &measure);
    std::vector<std::string> many;
    for (int i = 0; i < 16; ++i) many.push_back(std::to_string(i));
    const PagePicture tall =
        structurepicture::linearPicture(structurepicture::Row::stack, many, -1, &measure);
    struct Case {
        const char* name;
        const PagePicture& picture;
        QSize page;
    };
    const Case cases[] = {
        {"wide on a tall page", wide, {800, 1100}},
        {"wide on a wide page", wide, {3000, 400}},
        {"tall on a wide page", tall, {1100, 800}},
        {"tall on a tall page", tall, {400, 3000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage page(c.page, QImage::Format_RGB32);
        page.fill(Qt::magenta);
        QPainter painter(&page);
        picturefile::paintFitted(c.picture, painter);
        painter.end();
        // The painted rectangle: every pixel that is no longer magenta.
        QRect painted;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y) != QColor(Qt::magenta)) painted |= QRect(x, y, 1, 1);
        const double width = structurepicture::totalWidth(c.picture);
        const double height = structurepicture::totalHeight(c.picture);
        const double factor = std::min(c.page.width() / width, c.page.height() / height);
        EXPECT_NEAR(painted.width(), width * factor, 1.5);
        EXPECT_NEAR(painted.height(), height * factor, 1.5);
        EXPECT_TRUE(painted.width() >= c.page.width() - 1 ||
                    painted.height() >= c.page.height() - 1);
        EXPECT_NEAR(painted.left(), c.page.width() - 1 - painted.right(), 1.5);
        EXPECT_NEAR(painted.top(), c.page.height() - 1 - painted.bottom(), 1.5);
    }
}

// Printing into a file replaces the file with a PDF of the printer's page.
TEST_F(PictureFiles, PrintingIntoAFileWritesAPdfOfThePrintersPage) {
    const std::string file = path("druck.pdf");
    writeFile(file, "altes PDF");
    EXPECT_EQ(write(Writer::pdf, file), "");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect page = printer.pageLayout().fullRectPoints();
    const std::string pdf = readFile(file);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [0 0 " + std::to_string(page.width()) + ".000000 " +
                       std::to_string(page.height()) + ".000000]"),
              std::string::npos);
}

// --- A real full disk ---------------------------------------------------------------

// A tmpfs of 256 KB mounted on a new folder, unmounted again in every case.
class SmallDisk {
public:
    explicit SmallDisk(const std::filesystem::path& folder) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        if (::geteuid() != 0) {
            why_ = "mounting a tmpfs needs root";
        } else if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") != 0) {
            why_ = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
        } else {
            mounted_ = true;
        }
    }
    ~SmallDisk() {
        if (mounted_ && ::umount(folder_.c_str()) != 0) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when mounted; else why not.
    const std::string& skipReason() const { return why_; }

    // Fills the disk's free space with a file of zeros.
    void fill() const {
        std::FILE* out = std::fopen((folder_ / "fuellung").c_str(), "wb");
        ASSERT_TRUE(out);
        std::setvbuf(out, nullptr, _IONBF, 0);
        const std::string block(4096, '\0');
        while (std::fwrite(block.data(), 1, block.size(), out) == block.size()) {
        }
        EXPECT_EQ(errno, ENOSPC);
        std::fclose(out);
    }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string why_;
};

TEST_F(PictureFiles, FullDiskLeavesTheOldPictureAndSaysSo) {
    const std::filesystem::path folder = dir / "voll";
    SmallDisk disk(folder);
    if (!disk.skipReason().empty()) GTEST_SKIP() << disk.skipReason();
    // The old pictures, written while there was room.
    std::map<std::string, std::string> old;
    for (const WriterCase& c : kWriters) {
        const std::string file = (folder / c.name).string();
        writeFile(file, std::string("altes Bild ") + c.name);
        old[c.name] = readFile(file);
    }
    disk.fill();
    for (const WriterCase& c : kWriters) {
        SCOPED_TRACE(c.name);
        const std::string file = (folder / c.name).string();
        EXPECT_EQ(write(c.writer, file), failure(c, file, "Stream-Schreibfehler\n" + kNoSpace));
        EXPECT_EQ(readFile(file), old[c.name]);
    }
    std::set<std::string> names{"fuellung"};
    for (const WriterCase& c : kWriters) names.insert(c.name);
    EXPECT_EQ(folderEntries(folder), names);
}

}  // namespace
