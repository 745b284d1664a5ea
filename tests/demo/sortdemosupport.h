// Test doubles of the animated list sorts: a stage made of recorders whose
// clock presses "Weiter" at every wait and records each step as it stands
// while it waits (info text and the three memos), and list builders.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/listdemo.h"
#include "demo/sortstage.h"
#include "demo/stepclock.h"
#include "elements/values.h"
#include "tests/support/recorders.h"

namespace sorttest {

struct Snapshot {
    std::string info;
    std::string quelle;
    std::string zwischen1;
    std::string zwischen2;
};

class StageClock final : public StepClock {
public:
    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (onPause) onPause();
        if (pauses.size() > maxPauses) throw std::runtime_error("the sort does not end");
        weiterPressed = true;
    }
    std::vector<int> pauses;
    std::function<void()> onPause;
    std::size_t maxPauses = 2'000'000;
};

// A stage at level 3 (as every sort starts) with the recording clock.
class RecordedStage {
public:
    RecordedStage() {
        stage.clock = &clock;
        stage.stepLevel = 3;
        clock.onPause = [this] {
            if (stage.stepEnde) return;
            steps.push_back({info.text(), quelle.text(), zwischen1.text(), zwischen2.text()});
            if (endeAtStep != 0 && steps.size() == endeAtStep) stage.stepEnde = true;
        };
    }
    std::vector<std::string> infos() const {
        std::vector<std::string> texts;
        for (const Snapshot& s : steps) texts.push_back(s.info);
        return texts;
    }

    RecordingText quelle, zwischen1, zwischen2, info;
    StageClock clock;
    SortStage stage{quelle, zwischen1, zwischen2, info};
    std::vector<Snapshot> steps;
    // "Ende" is pressed while this step (1-based) waits; 0 never.
    std::size_t endeAtStep = 0;
};

// A list of integers with the cursor at the start, as the window opens it.
inline std::unique_ptr<TListDemo> integers(const std::vector<int>& values) {
    auto list = std::make_unique<TListDemo>();
    for (int v : values) list->append(std::make_unique<TInteger>(v));
    list->reset();
    return list;
}

inline std::vector<int> values(TListe& list) {
    std::vector<int> out;
    const int keep = list.position();
    for (list.reset(); !list.isAtEnd(); list.advance())
        out.push_back(static_cast<const TInteger*>(list.elem())->getValue());
    list.moveTo(keep);
    return out;
}

using Sort = void (TListDemo::*)(SortStage&);
struct NamedSort {
    const char* name;
    Sort sort;
};
inline const NamedSort kSorts[] = {
    {"bubble", &TListDemo::bubbleSortDemo},   {"insertion", &TListDemo::insertionDemo},
    {"selection", &TListDemo::selectionDemo}, {"quick1", &TListDemo::quickSort1Demo},
    {"quick2", &TListDemo::quickSort2Demo},   {"merge", &TListDemo::mergeSortDemo},
};

}  // namespace sorttest
