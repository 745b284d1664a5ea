// "Bild speichern…" and "Drucken…" on every page: the SVG is valid and holds
// every value as text in the page's order, the PNG of a tree page at 1x is the
// page image pixel for pixel and at 2x twice its size, a picture taken during
// a demonstration step carries the step text, printing writes the picture
// through the print dialog's printer.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <functional>
#include <set>

#include "tests/ui/treepagesupport.h"
#include "ui/pages/pagepicture.h"
#include "ui/pages/searchtreepage.h"
#include "ui/platform/stepplayer.h"

namespace {

// The texts of an SVG file's text elements, in document order.
std::vector<std::string> svgTexts(const std::string& file) {
    QFile in(QString::fromStdString(file));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
    QXmlStreamReader xml(&in);
    std::vector<std::string> texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            texts.push_back(xml.readElementText().toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

// The element lines of a memo: without the list's cursor arrows.
std::vector<std::string> memoValues(const std::string& memo) {
    std::vector<std::string> values;
    std::size_t start = 0;
    while (start <= memo.size()) {
        const std::size_t end = std::min(memo.find('\n', start), memo.size());
        std::string line = memo.substr(start, end - start);
        if (const std::size_t arrow = line.find("<--"); arrow != std::string::npos) {
            line = line.substr(0, arrow);
            while (!line.empty() && line.back() == ' ') line.pop_back();
        }
        if (!line.empty()) values.push_back(line);
        start = end + 1;
    }
    return values;
}

class PictureTest : public PageFixture {
protected:
    // Runs the page's "Bild speichern…" with the file type entry chosen.
    void save(const char* page, const std::string& file, int filterIndex) {
        dialogs.pictures.push_back({file, filterIndex});
        auto* action = find<QWidget>(page)->findChild<QAction*>("ActionBildSpeichern");
        ASSERT_TRUE(action);
        action->trigger();
    }

public:
    // For the fill functions of the page table.
    using PageFixture::type;
    void typeAndClick(const char* entry, const char* text, const char* button) {
        type(entry, QString::fromUtf8(text));
        click(button);
    }
    void sequence(const char* button, const char* numbers) {
        dialogs.sequences.push_back({numbers, 0});
        click(button);
    }
};

struct PageCase {
    const char* page;
    const char* image;  // null for the pages without an image
    // Fills the page's structure as a user does.
    std::function<void(PictureTest&)> fill;
    const char* memo;                 // the memo whose lines are the values in order, or null
    std::vector<std::string> values;  // else: the values, in any order
    std::set<std::string> labels;     // texts of the picture besides the values
};

TEST_F(PictureTest, EveryPageSavesItsPictureAsSvgAndPng) {
    const std::vector<PageCase> cases = {
        {"TabSheetListe",
         nullptr,
         [](PictureTest& t) {
             t.typeAndClick("EditLEingabe", "Anna", "ButtonLInsert");
             t.typeAndClick("EditLEingabe", "Zoë", "ButtonLInsert");
             t.typeAndClick("EditLEingabe", "Berta", "ButtonLInsert");
         },
         "MemoListe",
         {},
         {"Cursor"}},
        {"TabSheetKeller",
         nullptr,
         [](PictureTest& t) {
             for (const char* s : {"A", "B", "C"}) t.typeAndClick("EditKEingabe", s, "ButtonKpush");
         },
         "Memolifo",
         {},
         {"oben"}},
        {"TabSheetSchlange",
         nullptr,
         [](PictureTest& t) {
             for (const char* s : {"erste", "zweite"})
                 t.typeAndClick("EditSEingabe", s, "ButtonSInsert");
         },
         "MemoFifo",
         {},
         {"vorn", "hinten"}},
        {"TabSheetSuchbaum",
         "ImageTbaum",
         [](PictureTest& t) { t.sequence("ButtonTFolge", "50 30 70 60"); },
         nullptr,
         {"50", "30", "70", "60"},
         {}},
        {"TabSheetAVLBaum",
         "ImageABaum",
         [](PictureTest& t) { t.sequence("ButtonAFolge", "1 2 3 4"); },
         nullptr,
         {"1", "2", "3", "4"},
         {}},
        {"TabSheetBayerBaum",
         "ImageBBaum",
         [](PictureTest& t) { t.sequence("ButtonBFolge", "10 20 30 40 50 60"); },
         nullptr,
         {"10", "20", "30", "40", "50", "60"},
         {}},
        {"TabSheetNBaum",
         nullptr,
         [](PictureTest& t) {
             t.typeAndClick("EditNEingabe", "Wurzel", "ButtonNCreateRoot");
             t.type("EditNNummer", "0");
             t.typeAndClick("EditNEingabe", "Kind", "ButtonNInsert");
             t.typeAndClick("EditNEingabe", "Geschwister", "ButtonNInsert");
         },
         nullptr,
         {"Wurzel", "Geschwister", "Kind"},
         {}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.page);
        showPage(c.page);
        c.fill(*this);
        std::vector<std::string> values = c.values;
        if (c.memo) values = memoValues(memo(c.memo));
        ASSERT_FALSE(values.empty());

        const std::string svg = path((std::string(c.page) + ".svg").c_str());
        save(c.page, svg, 3);
        EXPECT_TRUE(QSvgRenderer(QString::fromStdString(svg)).isValid());
        const std::vector<std::string> all = svgTexts(svg);
        std::vector<std::string> texts;
        for (const std::string& t : all)
            if (!c.labels.count(t)) texts.push_back(t);
        for (const std::string& label : c.labels) {
            EXPECT_EQ(std::count(all.begin(), all.end(), label), 1) << label;
        }
        if (c.memo || std::string(c.page) == "TabSheetNBaum") {
            EXPECT_EQ(texts, values);  // in the page's order
        } else {
            EXPECT_EQ(std::multiset<std::string>(texts.begin(), texts.end()),
                      std::multiset<std::string>(values.begin(), values.end()));
        }

        const std::string png1 = path((std::string(c.page) + "-1.png").c_str());
        const std::string png2 = path((std::string(c.page) + "-2.png").c_str());
        save(c.page, png1, 0);
        save(c.page, png2, 1);
        const QImage one(QString::fromStdString(png1));
        const QImage two(QString::fromStdString(png2));
        ASSERT_FALSE(one.isNull());
        ASSERT_FALSE(two.isNull());
        EXPECT_EQ(two.size(), one.size() * 2);
        if (c.image) {
            EXPECT_EQ(one.convertToFormat(QImage::Format_RGB32), find<ImageView>(c.image)->image());
        }
        EXPECT_TRUE(dialogs.answers.empty());
        for (const std::string& line : dialogs.take()) {
            EXPECT_EQ(line.rfind("information", 0), std::string::npos) << line;
        }
    }
}

TEST_F(PictureTest, ActionsSitInTheContextMenuWithTheirShortcuts) {
    // The demonstrating pages add "Schritte und Algorithmus zeigen" after the two.
    const std::pair<const char*, int> pages[] = {{"TabSheetListe", 2},    {"TabSheetKeller", 2},
                                                 {"TabSheetSchlange", 2}, {"TabSheetSuchbaum", 3},
                                                 {"TabSheetAVLBaum", 3},  {"TabSheetBayerBaum", 3},
                                                 {"TabSheetNBaum", 2}};
    for (const auto& [page, count] : pages) {
        SCOPED_TRACE(page);
        showPage(page);
        auto* w = find<QWidget>(page);
        EXPECT_EQ(w->contextMenuPolicy(), Qt::ActionsContextMenu);
        ASSERT_EQ(w->actions().size(), count);
        EXPECT_EQ(w->actions()[0]->text(), QString::fromUtf8("Bild &speichern…"));
        EXPECT_EQ(w->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        EXPECT_EQ(w->actions()[1]->text(), QString::fromUtf8("&Drucken…"));
        EXPECT_EQ(w->actions()[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        if (count == 3) {
            // The tree picture's own menu: the page's entries, then the handouts.
            auto* image = w->findChild<ImageView*>();
            ASSERT_TRUE(image);
            const QList<QAction*> menu = image->actions();
            ASSERT_EQ(menu.size(), 9);
            EXPECT_EQ(menu[0], w->actions()[0]);
            EXPECT_EQ(menu[1], w->actions()[1]);
            EXPECT_TRUE(menu[2]->isSeparator());
            EXPECT_TRUE(menu[3]->objectName().endsWith("PdfEinfuegen"));
            EXPECT_TRUE(menu[4]->objectName().endsWith("PdfLoeschen"));
            ASSERT_TRUE(menu[5]->menu());
            EXPECT_TRUE(menu[5]->menu()->objectName().endsWith("Animation"));
            ASSERT_TRUE(menu[6]->menu());
            EXPECT_TRUE(menu[6]->menu()->objectName().endsWith("Webseite"));
            ASSERT_TRUE(menu[7]->menu());
            EXPECT_TRUE(menu[7]->menu()->objectName().endsWith("Arbeitsblatt"));
            EXPECT_EQ(menu[7]->text(),
                      QString::fromUtf8("Als Arbeitsblatt mit &Fragen speichern…"));
            EXPECT_EQ(menu[8], w->actions()[2]);  // "Schritte und Algorithmus zeigen"
        }
    }
    // The keys work from the page's entry field.
    showPage("TabSheetKeller");
    auto* entry = find<QLineEdit>("EditKEingabe");
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(entry, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.take(),
              (std::vector<std::string>{std::string("picture ") + picturetext::filter, "print"}));
}

TEST_F(PictureTest, PrintingWritesThePictureThroughThePrinter) {
    showPage("TabSheetKeller");
    typeAndClick("EditKEingabe", "A", "ButtonKpush");
    dialogs.printFile = path("keller.pdf");
    find<QWidget>("TabSheetKeller")->findChild<QAction*>("ActionDrucken")->trigger();
    EXPECT_EQ(readFile(path("keller.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"print"});
}

TEST_F(PictureTest, AFileThatCannotBeWrittenIsReported) {
    showPage("TabSheetNBaum");
    save("TabSheetNBaum", path("fehlt/bild.png"), 0);
    EXPECT_EQ(dialogs.take(),
              (std::vector<std::string>{std::string("picture ") + picturetext::filter,
                                        "information: Das Bild konnte nicht gespeichert werden\n"
                                        "Das System kann den angegebenen Pfad nicht finden."}));
    EXPECT_FALSE(std::filesystem::exists(path("fehlt")));
}

TEST_F(PictureTest, PictureDuringADemonstrationCarriesTheStepText) {
    treepagetest::StepDriver driver;
    driver.pressAfter = 4;  // two blink cycles per step
    showPage("TabSheetSuchbaum");
    sequence("ButtonTFolge", "50");
    std::string step;
    QImage figureShown, figureErased;
    driver.onPause = [&](int phase) {
        if (phase == 3) {
            figureErased = find<ImageView>("ImageTbaum")->image().copy();
            save("TabSheetSuchbaum", path("phase3.png"), 0);
        }
        if (phase != 2) return;
        figureShown = find<ImageView>("ImageTbaum")->image().copy();
        step = field("EditTinfo");
        save("TabSheetSuchbaum", path("step.svg"), 3);
        save("TabSheetSuchbaum", path("step.png"), 0);
        save("TabSheetSuchbaum", path("step2.png"), 1);
    };
    typeAndClick("EditTEingabe", "30", "ButtonTinsert");
    driver.drive(form->searchTreePage().player(), timers);
    EXPECT_EQ(driver.phases, 4);
    ASSERT_EQ(step, "Einfügestelle gefunden");
    const std::vector<std::string> texts = svgTexts(path("step.svg"));
    EXPECT_NE(std::find(texts.begin(), texts.end(), step), texts.end());
    const QImage png(QString::fromStdString(path("step.png")));
    const QImage& image = find<ImageView>("ImageTbaum")->image();
    EXPECT_EQ(png.height(), image.height() + structurepicture::kCaptionHeight);
    EXPECT_GE(png.width(), image.width());
    EXPECT_EQ(QImage(QString::fromStdString(path("step2.png"))).size(), png.size() * 2);
    // The picture is the image with the blinking figure shown, in either
    // phase of its blinking: also while the image shows the figure erased.
    ASSERT_NE(figureShown, figureErased);
    EXPECT_EQ(png.copy(0, 0, image.width(), image.height()).convertToFormat(QImage::Format_RGB32),
              figureShown);
    EXPECT_EQ(QImage(QString::fromStdString(path("phase3.png"))), png);
    // After the demonstration the picture is the image alone.
    save("TabSheetSuchbaum", path("after.png"), 0);
    EXPECT_EQ(
        QImage(QString::fromStdString(path("after.png"))).convertToFormat(QImage::Format_RGB32),
        image);
}

}  // namespace
