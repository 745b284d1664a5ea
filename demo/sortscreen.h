// SortScreen: the sort window as the animated sorts see it, as values: the
// three memos (MemoQuelle, MemoZwischen1, MemoZwischen2) as list views, the
// info field, the step level that chooses the prefix of the step texts, the
// "Algorithmus" panel's marks and "Ende". A sort shows its lists here and,
// at each step that waits for "Weiter", yields the screen's snapshot; the
// lists a step shows after its wait are shown when the sort goes on.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "demo/step.h"
#include "demo/steprecorder.h"

class TListe;

// What one step of the animated sorts shows, and how "Ende" treats it. Each
// step names only what differs from these defaults: {.source = &list, .first = L}.
struct SortStepView {
    TListe* source = nullptr;  // shown in MemoQuelle; the lists are lent, null for none
    TListe* aux1 = nullptr;    // shown in MemoZwischen1
    TListe* aux2 = nullptr;    // shown in MemoZwischen2
    bool markRuns = false;     // the list display marks, for all three lists
    int first = -1;
    int last = -1;
    bool showBefore = true;  // the lists are shown before the wait, else after it
    bool always = false;     // also once "Ende" is set (without waiting); else left out
    bool prefixed = true;    // the message follows the prefix of the step level
    int level = -1;          // 0..3: first switch to this level, empty both auxiliary memos
};

class SortScreen {
public:
    // The memos of a new sort: MemoQuelle as the window shows it (null:
    // empty), the others empty; step level 3 (no prefix), as every sort
    // starts.
    explicit SortScreen(std::shared_ptr<const ListView> quelle = nullptr);

    // "Ende" is set: the sorts leave out their optional steps and no step
    // waits any more.
    bool ending() const { return ending_; }
    void setEnding() { ending_ = true; }

    // One step: unless left out for "Ende", the lists of the view shown
    // (before), the message in the info field. True when the step waits
    // (the sort then yields snapshot()); its lists to be shown after the wait
    // follow when afterWait() is called.
    bool step(std::string_view message, const SortStepView& view = {});
    // The lists of the last waiting step that come after its wait.
    void afterWait();
    // A question for the mode "Vorhersagen", asked before the next step that
    // waits (left out once "Ende" is set, and with nothing).
    void ask(std::optional<Question> question);
    // What the window shows now.
    Step snapshot() const;

    // memo 0..2 shows the list (marks as in the list display) or nothing.
    void show(int memo, TListe& list, bool markRuns = false, int first = -1, int last = -1);
    void clear(int memo) { memos_[static_cast<std::size_t>(memo)] = nullptr; }
    const std::shared_ptr<const ListView>& memo(int memo) const {
        return memos_[static_cast<std::size_t>(memo)];
    }
    const std::string& info() const { return info_; }
    AlgorithmTrace& trace() { return trace_; }
    const CodeMarks& marks() const { return trace_.marks(); }

private:
    void showLists(const SortStepView& view);

    std::shared_ptr<ListTexts> texts_ = std::make_shared<ListTexts>();
    std::array<std::shared_ptr<const ListView>, 3> memos_;
    std::string info_;
    int level_ = 3;
    bool ending_ = false;
    std::optional<SortStepView> after_;
    std::vector<Question> questions_;  // for the next step
    std::vector<Question> asked_;      // before the last step
    MarkTrace trace_;
};
