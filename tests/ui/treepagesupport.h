// Support of the tree page tests: a driver that plays a page's demonstration
// on the window's virtual timers (it presses "Weiter" after a scripted number
// of blink phases and can act at the end of every phase), a fixture that
// plays every demonstration a click starts and records the info field at the
// end of every blink cycle, and readers of the window's enabled state and of
// the page images.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QTabWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "demo/virtualtimers.h"
#include "tests/ui/pagefixture.h"
#include "ui/pages/demotreepage.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/imageview.h"

namespace treepagetest {

// Plays a running demonstration on the virtual timers: at the end of each
// blink phase (the phase still shown) calls onPause with the 1-based phase
// number, presses "Weiter" after every pressAfter phases (0: never), then
// lets the phase's time pass. Stops at the demonstration's end, or after
// kMostPhases phases (a test that never presses).
class StepDriver {
public:
    static constexpr int kMostPhases = 1000;

    void drive(StepPlayer& player, VirtualTimers& timers) {
        // A click from onPause does not start a driver of its own.
        if (driving_) return;
        driving_ = true;
        for (int n = 0; player.running() && n < kMostPhases; ++n) {
            ++phases;
            pauses.push_back(static_cast<int>(timers.nextDue()));
            if (onPause) onPause(phases);
            if (!player.running()) break;
            if (pressAfter != 0 && phases % pressAfter == 0) player.weiter();
            if (!timers.runNext()) player.weiter();  // a step that does not blink
        }
        driving_ = false;
    }

    int pressAfter = 2;
    int phases = 0;
    std::vector<int> pauses;
    std::function<void(int)> onPause;

private:
    bool driving_ = false;
};

// Names of the enabled push and tool buttons of the window itself (not of the
// about window, not the tab bar's scroll arrows).
inline std::set<std::string> enabledButtons(QWidget& form) {
    std::set<std::string> names;
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>()) {
        if (b->objectName().isEmpty() || b->inherits("QRadioButton")) continue;
        if (b->window() != &form || b->parentWidget()->inherits("QTabBar")) continue;
        if (b->isEnabled()) names.insert(b->objectName().toStdString());
    }
    return names;
}

// Names of the pages that can be used: tab and page enabled.
inline std::set<std::string> usablePages(QTabWidget& pages) {
    std::set<std::string> names;
    for (int i = 0; i < pages.count(); ++i) {
        if (pages.widget(i)->isEnabled() && pages.isTabEnabled(i)) {
            names.insert(pages.widget(i)->objectName().toStdString());
        }
    }
    return names;
}

inline bool isButtonFace(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == ImageSurface::toQColor(clBtnFace);
}
inline bool isBlack(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::black);
}
// True when every pixel of the image is the button face.
inline bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isButtonFace(image, x, y)) return false;
    return true;
}

// A main window on the given page whose demonstrations the driver plays
// after each click; steps collects the info field's text at the end of every
// blink cycle.
class TreePageFixture : public PageFixture {
protected:
    TreePageFixture(const char* page, const char* entry, const char* info)
        : page_(page), entry_(entry), info_(info) {}

    void SetUp() override {
        PageFixture::SetUp();
        showPage(page_);
        driver.onPause = [this](int phase) {
            if (phase % 2 == 0) steps.push_back(field(info_));
            if (during) during(phase);
        };
        afterClick = [this] { play(); };
    }

    // The page's player.
    StepPlayer& player() { return form->findChild<DemoTreePage*>(page_)->player(); }
    // Plays the page's running demonstration with the driver.
    void play() { driver.drive(player(), timers); }

    // Types the number and presses the button.
    void enter(const char* button, const QString& number) {
        type(entry_, number);
        click(button);
    }
    const QImage& image(const char* name) { return find<ImageView>(name)->image(); }

    StepDriver driver;
    std::vector<std::string> steps;
    // Runs inside every pause after the step is recorded.
    std::function<void(int)> during;

private:
    const char* page_;
    const char* entry_;
    const char* info_;
};

}  // namespace treepagetest
