// The projector view on the screens of a classroom (1024 x 768, 1366 x 768,
// 1920 x 1080): at every zoom, with and without the "Algorithmus" column, the
// main window on each demonstrating page and the sort window fit the screen,
// and the picture, "Weiter", the lesson controls and the column can be
// reached. On the tree pages the controls and the column are in view without
// scrolling. The screen's size is set for the test (ScreenFit); the offscreen
// platform has no frames, so the window's size is its frame's.
#include "ui/widgets/screenfit.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>
#include <optional>
#include <string>

#include "elements/base.h"
#include "tests/ui/pagefixture.h"
#include "tests/ui/sortwindowsupport.h"
#include "ui/pages/demotreepage.h"
#include "ui/pages/listpage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"

namespace {

const QSize kScreens[] = {{1024, 768}, {1366, 768}, {1920, 1080}};
const int kZooms[] = {100, 150, 200, 300};

// The part of w that its window shows, in the window's coordinates: w's
// rectangle clipped by each of its parents up to stop (null: the window).
QRect visiblePart(const QWidget* w, const QWidget* stop = nullptr) {
    QRect r = w->rect();
    for (const QWidget* p = w; !p->isWindow() && p != stop; p = p->parentWidget()) {
        r = r.translated(p->pos()) & p->parentWidget()->rect();
        if (!p->isVisible()) return {};
    }
    return r;
}

bool wholeInView(const QWidget* w) { return w->isVisible() && visiblePart(w).size() == w->size(); }

// Scrolls w into view, if it is on the sheet, and tells whether it then
// shows as much of itself as fits the scroll area.
// What the design itself shows of w (a picture may touch the edge of its
// page) is compared.
bool reachable(ScreenFit& fit, const QWidget* w) {
    if (!w->isVisible()) return false;
    fit.showOnSheet(w);
    const QSize view = fit.area()->viewport()->size();
    const QSize seen = visiblePart(w).size();
    const bool onSheet = fit.sheet()->isAncestorOf(w);
    const QSize designed = visiblePart(w, onSheet ? fit.sheet() : nullptr).size();
    return seen.width() == (onSheet ? std::min(designed.width(), view.width()) : w->width()) &&
           seen.height() == (onSheet ? std::min(designed.height(), view.height()) : w->height());
}

class ScreenFitTest : public PageFixture {
protected:
    void SetUp() override {
        kept = ScreenFit::screenForTests();
        PageFixture::SetUp();
    }
    void TearDown() override {
        ScreenFit::setScreenForTests(kept);
        for (DemoTreePage* page : form->findChildren<DemoTreePage*>())
            page->algorithmPanel().setShown(false);
        if (auto* w = form->findChild<TFormDemo*>("TFormDemo"))
            w->findChild<AlgorithmPanel*>("AlgorithmusSort")->setShown(false);
        PageFixture::TearDown();
    }
    bool fitsScreen(const QWidget* window, QSize screen) {
        const QSize frame = window->frameGeometry().size();
        return frame.width() <= screen.width() && frame.height() <= screen.height();
    }
    std::optional<QSize> kept;
};

struct TreePage {
    const char* page;
    const char* picture;
    const char* panel;
    const char* strip[5];
};
const TreePage kTreePages[] = {
    {"TabSheetSuchbaum",
     "ImageTbaum",
     "AlgorithmusTBaum",
     {"BitBtnTWeiter", "ButtonTBack", "ButtonTPlay", "TrackBarTSpeed", "LabelTSpeed"}},
    {"TabSheetAVLBaum",
     "ImageABaum",
     "AlgorithmusABaum",
     {"BitBtnAweiter", "ButtonABack", "ButtonAPlay", "TrackBarASpeed", "LabelASpeed"}},
    {"TabSheetBayerBaum",
     "ImageBBaum",
     "AlgorithmusBBaum",
     {"BitBtnBweiter", "ButtonBBack", "ButtonBPlay", "TrackBarBSpeed", "LabelBSpeed"}},
};

TEST_F(ScreenFitTest, TreePagesFitEveryScreenWithControlsAndColumnInView) {
    ScreenFit& fit = form->screenFit();
    for (const TreePage& tree : kTreePages) {
        showPage(tree.page);
        auto* panel = find<AlgorithmPanel>(tree.panel);
        auto* picture = find<QWidget>(tree.picture);
        for (const QSize screen : kScreens) {
            ScreenFit::setScreenForTests(screen);
            for (const int zoom : kZooms) {
                for (const bool column : {false, true}) {
                    SCOPED_TRACE(std::string(tree.page) + " " + std::to_string(screen.width()) +
                                 "x" + std::to_string(screen.height()) + " " +
                                 std::to_string(zoom) + "% column " + (column ? "on" : "off"));
                    panel->setShown(column);
                    form->setZoom(zoom);
                    EXPECT_TRUE(fitsScreen(form.get(), screen))
                        << form->width() << "x" << form->height();
                    // The picture is scrolled into view at the zoom: its top
                    // left corner shows.
                    EXPECT_TRUE(
                        visiblePart(picture).contains(picture->mapTo(form.get(), QPoint(0, 0))));
                    for (const char* name : tree.strip)
                        EXPECT_TRUE(wholeInView(find<QWidget>(name))) << name;
                    if (column) {
                        EXPECT_TRUE(wholeInView(panel));
                    } else {
                        EXPECT_FALSE(panel->isVisible());
                    }
                    EXPECT_TRUE(reachable(fit, picture))
                        << visiblePart(picture).width() << "x" << visiblePart(picture).height()
                        << " of " << picture->width() << "x" << picture->height() << " in "
                        << fit.area()->viewport()->width() << "x"
                        << fit.area()->viewport()->height();
                }
            }
        }
    }
}

TEST_F(ScreenFitTest, AWindowThatFitsAgainIsAsDesigned) {
    showPage("TabSheetSuchbaum");
    auto* weiter = find<QWidget>("BitBtnTWeiter");
    auto* panel = find<AlgorithmPanel>("AlgorithmusTBaum");
    QWidget* page = find<QWidget>("TabSheetSuchbaum");
    const QRect weiterDesign = weiter->geometry();
    ScreenFit::setScreenForTests(QSize(1024, 768));
    panel->setShown(true);
    form->setZoom(200);
    EXPECT_TRUE(form->overflowing());
    EXPECT_NE(weiter->parentWidget(), page);
    EXPECT_NE(panel->parentWidget(), page);
    // A larger screen: everything is back on the page, the window as large
    // as without a screen to fit.
    ScreenFit::setScreenForTests(QSize(4000, 3000));
    form->setZoom(100);
    EXPECT_FALSE(form->overflowing());
    EXPECT_EQ(weiter->parentWidget(), page);
    EXPECT_EQ(weiter->geometry(), weiterDesign);
    EXPECT_EQ(panel->parentWidget(), page);
    EXPECT_EQ(panel->geometry().left(), find<QWidget>("ImageTbaum")->geometry().right() + 7);
    EXPECT_EQ(form->size(), QSize(819 + panel->roomNeeded(), 565));
    EXPECT_EQ(form->pageControl().width(), 777 + panel->roomNeeded());
    panel->setShown(false);
    EXPECT_EQ(form->size(), QSize(819, 565));
    EXPECT_EQ(form->pageControl().geometry(), QRect(8, 40, 777, 489));
    EXPECT_FALSE(form->screenFit().area()->horizontalScrollBar()->isVisible());
}

// A demonstration started while the page scrolls elsewhere brings its
// picture into view.
TEST_F(ScreenFitTest, ADemonstrationStartScrollsThePictureIntoView) {
    showPage("TabSheetSuchbaum");
    ScreenFit::setScreenForTests(QSize(1024, 768));
    form->setZoom(300);
    ASSERT_TRUE(form->overflowing());
    auto* picture = find<QWidget>("ImageTbaum");
    // Scrolled to the end of the page, below the picture.
    QScrollArea* area = form->screenFit().area();
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    const auto cornerShown = [&] {
        return visiblePart(picture).contains(picture->mapTo(form.get(), QPoint(0, 0)));
    };
    ASSERT_FALSE(cornerShown());
    type("EditTEingabe", "5");
    QTest::mouseClick(find<QWidget>("ButtonTinsert"), Qt::LeftButton);
    EXPECT_TRUE(form->searchTreePage().player().running());
    EXPECT_TRUE(cornerShown());
    form->searchTreePage().player().ende();
}

TEST_F(ScreenFitTest, TheSortWindowFitsEveryScreenAndItsControlsCanBeReached) {
    showPage("TabSheetListe");
    sortwindowtest::fill(form->listPage().list(), 6,
                         [](int k) { return std::make_unique<TInteger>(6 - k); });
    click("BitBtnLSortdemo");
    auto* window = form->findChild<TFormDemo*>("TFormDemo");
    ASSERT_TRUE(window && window->isVisible());
    auto* panel = window->findChild<AlgorithmPanel*>("AlgorithmusSort");
    ScreenFit& fit = window->screenFit();
    const char* reached[] = {"MemoQuelle", "MemoZwischen1", "MemoZwischen2", "BitBtnWeiter",
                             "BitBtnBack", "BitBtnPlay",    "TrackBarSpeed", "ListBoxSteps"};
    for (const QSize screen : kScreens) {
        ScreenFit::setScreenForTests(screen);
        for (const int zoom : kZooms) {
            for (const bool column : {false, true}) {
                SCOPED_TRACE(std::to_string(screen.width()) + "x" +
                             std::to_string(screen.height()) + " " + std::to_string(zoom) +
                             "% column " + (column ? "on" : "off"));
                panel->setShown(column);
                form->setZoom(zoom);
                EXPECT_TRUE(fitsScreen(window, screen))
                    << window->width() << "x" << window->height();
                for (const char* name : reached)
                    EXPECT_TRUE(reachable(fit, window->findChild<QWidget*>(name))) << name;
                EXPECT_EQ(reachable(fit, panel), column);
            }
        }
    }
    ScreenFit::setScreenForTests(QSize(4000, 3000));
    panel->setShown(false);
    form->setZoom(100);
    EXPECT_EQ(window->size(), QSize(839, 565));
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnSchliessen"), Qt::LeftButton);
}

}  // namespace
