// Support of the "Suchbaum" and "AVL-Baum" page tests: a step clock that never
// waits (it presses "Weiter" after a scripted number of blink phases and can
// act from inside a waiting step), a fixture that lends it to the main window
// and records the info field at the end of every blink cycle, and readers of
// the window's enabled state and of the page images.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QTabWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "demo/stepclock.h"
#include "tests/ui/pagefixture.h"
#include "ui/widgets/imageview.h"

namespace treepagetest {

// Presses "Weiter" after every pressAfter phases (0: never); calls onPause
// with the 1-based phase number at the end of each phase, before pressing.
class ScriptedClock final : public StepClock {
public:
    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        ++phases;
        if (onPause) onPause(phases);
        if (pressAfter != 0 && phases % pressAfter == 0) weiterPressed = true;
    }

    int pressAfter = 2;
    int phases = 0;
    std::vector<int> pauses;
    std::function<void(int)> onPause;
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

// A main window on the given page with the scripted clock lent to it; steps
// collects the info field's text at the end of every blink cycle.
class TreePageFixture : public PageFixture {
protected:
    TreePageFixture(const char* page, const char* entry, const char* info)
        : page_(page), entry_(entry), info_(info) {}

    void SetUp() override {
        PageFixture::SetUp();
        form->setStepClock(&clock);
        showPage(page_);
        clock.onPause = [this](int phase) {
            if (phase % 2 == 0) steps.push_back(field(info_));
            if (during) during(phase);
        };
    }
    void TearDown() override {
        form->setStepClock(nullptr);
        PageFixture::TearDown();
    }

    // Types the number and presses the button.
    void enter(const char* button, const QString& number) {
        type(entry_, number);
        click(button);
    }
    const QImage& image(const char* name) { return find<ImageView>(name)->image(); }

    ScriptedClock clock;
    std::vector<std::string> steps;
    // Runs inside every pause after the step is recorded.
    std::function<void(int)> during;

private:
    const char* page_;
    const char* entry_;
    const char* info_;
};

}  // namespace treepagetest
