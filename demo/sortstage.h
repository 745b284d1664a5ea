// SortStage: the sort demonstration window as the animated list sorts see it,
// Qt-free. It lends the three list memos and the info field, the clock the
// steps wait on, and it carries the window's step state: "Weiter" (the
// clock's weiterPressed), "Ende", the element class and the step level.
#pragma once

#include <string>

class AlgorithmTrace;
class StepClock;
class TextOutput;

class SortStage {
public:
    // The four outputs are lent and must outlive the stage; the clock is set
    // before each sort (it may change between sorts).
    SortStage(TextOutput& quelle, TextOutput& zwischen1, TextOutput& zwischen2, TextOutput& info)
        : memoQuelle(quelle),
          memoZwischen1(zwischen1),
          memoZwischen2(zwischen2),
          editSortInfo(info) {}

    // The wait of one step: lets the clock handle the window's events until
    // "Weiter" or "Ende" is pressed, then clears "Weiter". With "Ende" set it
    // hands the window one short pass and returns. When the program closes
    // meanwhile (the clock throws DemoCancelled) it sets "Ende" and
    // `cancelled`, so that the running sort ends at once with every element
    // in place; no later wait touches the clock. Without a clock it does not
    // wait.
    void wait();

    // True once "Ende" is set: the sorts leave out their optional steps.
    bool ending() const { return stepEnde; }

    TextOutput& memoQuelle;
    TextOutput& memoZwischen1;
    TextOutput& memoZwischen2;
    TextOutput& editSortInfo;
    StepClock* clock = nullptr;

    // Set by "Ende" and when the window loses activation; cleared before each sort.
    bool stepEnde = false;
    // Upper-case class name of the list's elements, taken when the window opens.
    std::string elementClassName;
    // Selects the prefix of step texts: 0 the whole list, 1 an upper part, 2 a
    // lower part, 3 (and anything else) none.
    int stepLevel = 0;
    // The program is closing: see wait().
    bool cancelled = false;
    // Where the sorts name the pseudo-code line of each step; null: nowhere.
    AlgorithmTrace* trace = nullptr;
};

// How long one wait phase lets the window handle events before the wait looks
// at "Weiter" and "Ende" again.
inline constexpr int kSortPollMs = 40;
