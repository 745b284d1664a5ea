// Support of the sort window tests: the values of an integer list, the list
// page's list filled at once, and a driver that plays the window's running
// sort step by step with the window's own "Weiter" button.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "elements/base.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/stepplayer.h"

namespace sortwindowtest {

// The integers of the list in their order; the cursor stays where it was.
inline std::vector<int> values(TListe& list) {
    std::vector<int> out;
    const int keep = list.position();
    for (list.reset(); !list.isAtEnd(); list.advance())
        out.push_back(static_cast<const TInteger*>(list.elem())->getValue());
    list.moveTo(keep);
    return out;
}

// The list replaced by count elements made by make(k), cursor at the start.
template <typename Make>
void fill(TListe& list, int count, Make make) {
    list.clear();
    for (int k = 0; k < count; ++k) list.append(make(k));
    list.reset();
}

// Plays the window's running sort: at each step reached for the first time
// calls onStep with its 1-based number, then presses "Weiter" unless onStep
// has moved the sort on or ended it. Sort steps do not blink: "Weiter" goes
// on at once, no timer runs. Stops at the sort's end, or after kMostSteps
// steps (a sort that never ends).
class SortDriver {
public:
    static constexpr int kMostSteps = 100000;

    void drive(TFormDemo& window) {
        // A press from onStep does not start a driver of its own.
        if (driving_) return;
        driving_ = true;
        const Playback& playback = window.player().playback();
        auto* weiter = window.findChild<QPushButton*>("BitBtnWeiter");
        int seen = 0;
        for (int n = 0; playback.running() && n < kMostSteps; ++n) {
            if (playback.size() > seen && !playback.inPast()) {
                seen = playback.size();
                if (onStep) onStep(seen);
                if (!playback.running()) break;
                if (playback.size() > seen) continue;
            }
            EXPECT_TRUE(weiter->isEnabled());
            QTest::mouseClick(weiter, Qt::LeftButton);
        }
        driving_ = false;
    }

    std::function<void(int)> onStep;

private:
    bool driving_ = false;
};

}  // namespace sortwindowtest
