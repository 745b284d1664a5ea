// Test doubles of the animated list sorts: a run of a sort as the sort
// window plays it, "Weiter" at every step, that keeps each step as it stands
// while it waits (info text and the three memos) and the end; "Ende" can be
// pressed while a given step waits. And list builders.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/sorts.h"
#include "elements/values.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"

namespace sorttest {

// What the sort window shows at one step: the info field and the memo texts
// of MemoQuelle, MemoZwischen1 and MemoZwischen2 ("" for an empty memo).
struct Snapshot {
    std::string info;
    std::string quelle;
    std::string zwischen1;
    std::string zwischen2;
};

inline std::string memoText(const std::shared_ptr<const ListView>& view) {
    return view ? view->display().text : std::string();
}

inline Snapshot snapshotOf(const Step& step) {
    return {step.text, memoText(step.lists[0]), memoText(step.lists[1]), memoText(step.lists[2])};
}

// One sort of list, its steps taken one after the other as "Weiter" takes
// them. With endeAtStep N > 0, "Ende" is pressed while step N (from 1)
// waits: after N steps the run finishes, as the window does; with
// stepwise false, "Ende" was set before the first step. More than maxSteps
// steps throw: the sort does not end.
struct SortOptions {
    std::size_t endeAtStep = 0;
    bool stepwise = true;
    // What MemoQuelle shows when the sort starts (null: empty).
    std::shared_ptr<const ListView> quelle = nullptr;
    std::size_t maxSteps = 2'000'000;
};

class RecordedRun {
public:
    RecordedRun(SortKind kind, TListe& list, const SortOptions& options = {}) {
        SortRun run(kind, list, options.quelle, options.stepwise);
        while (auto step = run.next()) {
            if (steps.size() == options.maxSteps) throw std::runtime_error("the sort does not end");
            steps.push_back(snapshotOf(*step));
            marks.push_back(step->marks);
            if (steps.size() == options.endeAtStep) run.finish();
        }
        endStep = run.end();
        end = snapshotOf(endStep);
        ended = run.ended();
    }

    std::vector<std::string> infos() const {
        std::vector<std::string> texts;
        for (const Snapshot& s : steps) texts.push_back(s.info);
        return texts;
    }

    std::vector<Snapshot> steps;
    // The "Algorithmus" panel at each step.
    std::vector<CodeMarks> marks;
    // What the window shows once the sort is over.
    Step endStep;
    Snapshot end;
    // "Ende" was set when the sort ended.
    bool ended = false;
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

struct NamedSort {
    const char* name;
    SortKind kind;
};
inline const NamedSort kSorts[] = {
    {"bubble", SortKind::bubble},       {"insertion", SortKind::insertion},
    {"selection", SortKind::selection}, {"quick1", SortKind::quick1},
    {"quick2", SortKind::quick2},       {"merge", SortKind::merge},
};

}  // namespace sorttest
