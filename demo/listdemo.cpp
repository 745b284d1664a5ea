#include "demo/listdemo.h"

#include <limits>
#include <memory>
#include <vector>

#include "demo/elementtext.h"
#include "demo/listdisplay.h"
#include "demo/sortstage.h"
#include "elements/platform.h"
#include "linear/listalgorithms.h"

const ClassInfo TListDemo::info{"TListDemo", &TListe::info, nullptr};

void registerListDemoClasses() {
    registerListClasses();
    registry::registerClass(TListDemo::info);
}

namespace {

// The step texts of the six sorts.
namespace sorttext {
constexpr const char* bubbleStart =
    "Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend sortierten Paares";
constexpr const char* exchanged = " werden miteinander getauscht";
constexpr const char* noExchange =
    "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert";
constexpr const char* sorted = "Die Liste ist jetzt sortiert";
constexpr const char* deleted = " wird gelöscht";
constexpr const char* inserted =
    " wird in den vorderen Teil der Liste an der richtigen Position eingefügt";
constexpr const char* smallestInPlace =
    " des nicht sortierten Restfeldes steht an der richtigen Stelle";
constexpr const char* smallestExchanged = " des nicht sortierten Restfeldes wird mit dem Element ";
constexpr const char* split =
    "Da sich das Durchlaufen vom Anfang und vom Ende der Liste überlappt, wird die Liste "
    "(Teiliste) aufgeteilt.";
constexpr const char* upperPart =
    "Da eine abgespaltene obere Teilliste mehr als ein Element enthält, wird das Verfahren "
    "rekursiv auf die Elemente von der Position ";
constexpr const char* lowerPart =
    "Da eine abgespaltene untere Teilliste mehr als ein Element enthält, wird das Verfahren "
    "rekursiv auf die Elemente von der Position ";
constexpr const char* partsSorted =
    "In der ersten (zweiten) Teilliste stehen nur Elemente, die kleiner (größer) oder gleich dem "
    "Vergleichelement (";
constexpr const char* recursion =
    "Das Verfahren wird rekursiv auf die einzelnen Teillisten angewandt, falls sie mehr als ein "
    "Element enthalten.";
constexpr const char* joined =
    "Die vorher getrennten Listen werden aneinander gefügt (rekursive Rückschritte).";
constexpr const char* distributed =
    "Sortierte Teilfolgen der Quelle werden wechselweise in 2 Zwischenlisten geschrieben.";
constexpr const char* mergeDone =
    "Da die 2. Zwischenliste leer ist, ist das Verfahren abgeschlossen.";
constexpr const char* merged =
    "Sortierte Teilstücke der Zwischenlisten wurden sortiert zusammengefügt.";
}  // namespace sorttext

std::string text(const TBase* element) {
    return element ? TListDemo::elementText(*element) : std::string();
}

// A step whose only list is the one being sorted.
void step(SortStage& stage, const std::string& message, TListe& list, bool showBefore) {
    TListDemo::sortStep(stage, message, &list, nullptr, nullptr, false, -1, -1, showBefore);
}

// A step that shows no list.
void say(SortStage& stage, const std::string& message) {
    TListDemo::sortStep(stage, message, nullptr, nullptr, nullptr, false, -1, -1, true);
}

// The info field without level prefix, then the wait.
void sayPlain(SortStage& stage, const std::string& message) {
    stage.editSortInfo.setText(message);
    stage.wait();
}

void emptyAuxiliaryMemos(SortStage& stage) {
    stage.memoZwischen1.setText("");
    stage.memoZwischen2.setText("");
}

// Length of the list's leading ascending run: the longest prefix in which no
// element compares greater than its successor (0 for an empty list). Leaves
// the cursor at the end of the run.
std::uint16_t leadingRun(TListe& list) {
    list.reset();
    if (list.isEmpty()) return 0;
    const TBase* previous = list.elem();
    list.advance();
    std::uint16_t n = 1;
    while (!list.isAtEnd() && previous->compare(*list.elem()) != kGreater) {
        previous = list.elem();
        list.advance();
        ++n;
    }
    return n;
}

}  // namespace

void TListDemo::showList(TListe& list, TextOutput& memo, bool markRuns, int first, int last) {
    memo.setText(renderList(list, markRuns, first, last).text);
}

std::string TListDemo::elementText(const TBase& element) {
    // Integers give their decimal value (the memos add the brackets), strings
    // their text; the further value classes their value text.
    return elementtext::valueText(element);
}

void TListDemo::sortStep(SortStage& stage, const std::string& message, TListe* source, TListe* aux1,
                         TListe* aux2, bool markRuns, int first, int last, bool showBefore) {
    const auto show = [&] {
        if (source) showList(*source, stage.memoQuelle, markRuns, first, last);
        if (aux1) showList(*aux1, stage.memoZwischen1, markRuns, first, last);
        if (aux2) showList(*aux2, stage.memoZwischen2, markRuns, first, last);
    };
    if (showBefore) show();
    stage.editSortInfo.setText(stage.prefix() + message);
    stage.wait();
    if (!showBefore) show();
}

// Passes over the unsorted front part, exchanging neighbours that stand in the
// wrong order, until a pass exchanges nothing. Each exchange shows the list
// before it and, unless ending, after it.
void TListDemo::bubbleSortDemo(SortStage& stage) {
    const int n = count();
    if (n < 2) return;
    int i = 0;
    bool swapped = true;
    while (i <= n - 2 && swapped) {
        swapped = false;
        reset();
        step(stage, sorttext::bubbleStart, *this, true);
        for (int j = 0; j <= n - i - 2; ++j) {
            const TBase* a = elemAt(j);
            const TBase* b = elemAt(j + 1);
            if (a->compare(*b) != kGreater) continue;
            showList(*this, stage.memoQuelle);
            swap(static_cast<std::uint16_t>(j), static_cast<std::uint16_t>(j + 1));
            if (!stage.ending())
                step(stage, text(a) + " und " + text(b) + sorttext::exchanged, *this, false);
            swapped = true;
        }
        ++i;
        if (swapped) {
            step(stage,
                 "Das Listenende (ab dem " + std::to_string(n - i + 1) +
                     ".ten Element) ist jetzt sotiert",
                 *this, true);
        } else {
            step(stage, sorttext::noExchange, *this, true);
        }
    }
}

// Takes out each element from the second on and inserts it again in front of
// the first element of the sorted front part that is not smaller.
void TListDemo::insertionDemo(SortStage& stage) {
    const int n = count();
    for (int i = 1; i < n; ++i) {
        std::unique_ptr<TBase> e = elemAt(i)->copy();
        const std::string t = text(e.get());
        if (!stage.ending()) showList(*this, stage.memoQuelle);
        deleteElem();
        if (!stage.ending()) step(stage, t + sorttext::deleted, *this, false);
        reset();
        while (position() < i && elem()->compare(*e) == kLess) advance();
        if (!stage.ending()) showList(*this, stage.memoQuelle);
        insert(std::move(e));
        if (!stage.ending()) step(stage, t + sorttext::inserted, *this, false);
    }
    if (!stage.ending()) step(stage, sorttext::sorted, *this, true);
}

// Finds the smallest element of the unsorted rest and exchanges it with the
// rest's first element.
void TListDemo::selectionDemo(SortStage& stage) {
    const int n = count();
    for (int i = 0; i <= n - 2; ++i) {
        int minPos = i;
        const TBase* min = elemAt(i);
        const std::string t = text(min);
        if (!stage.ending()) {
            step(stage,
                 std::string(i == 0 ? "Die Postion des ersten Elementes ("
                                    : "Die Postion des nächsten Elementes (") +
                     t + ") wird notiert",
                 *this, true);
        }
        advance();
        while (!isAtEnd()) {
            if (elem()->compare(*min) == kLess) {
                minPos = position();
                min = elem();
            }
            advance();
        }
        if (!stage.ending()) {
            moveTo(minPos);
            showList(*this, stage.memoQuelle);
        }
        if (minPos != i) swap(static_cast<std::uint16_t>(minPos), static_cast<std::uint16_t>(i));
        if (!stage.ending()) {
            const std::string message =
                minPos == i ? "Das kleinste Element " + text(min) + sorttext::smallestInPlace
                            : "Das kleinste Element " + text(min) + sorttext::smallestExchanged +
                                  t + " ausgetauscht";
            step(stage, message, *this, false);
        }
    }
    if (!stage.ending()) step(stage, sorttext::sorted, *this, true);
}

// The partition sort on the index range L..R with the middle element as pivot
// (the element object itself, which moves with the exchanges). The two part
// ranges are sorted one after the other, the upper first, each announced by a
// step just before it starts; an explicit stack of ranges keeps the call
// depth constant. The scans stay inside L..R: where compare is an order the
// pivot stops them there anyway, where it is none (NaN compares greater than
// everything) this is what ends them.
void TListDemo::quickSort1Demo(SortStage& stage) {
    if (isEmpty()) return;
    struct Range {
        int lo;
        int hi;
        int i = 0;
        int j = 0;
        int stage = 0;  // 0 partition, 1 upper part next, 2 lower part next
    };
    std::vector<Range> ranges{{0, count() - 1}};
    while (!ranges.empty()) {
        Range& r = ranges.back();
        if (r.stage == 0) {
            const int L = r.lo;
            const int R = r.hi;
            const TBase* pivot = elemAt((L + R) / 2);
            const std::string pv = text(pivot);
            const auto framed = [&](const std::string& message, bool showBefore) {
                sortStep(stage, message, this, nullptr, nullptr, false, L, R, showBefore);
            };
            if (!stage.ending()) {
                framed("Aus der Mitte der Liste (Teiliste) wird ein Vergleichselement (" + pv +
                           ") bestimmt.",
                       true);
            }
            int i = L;
            int j = R;
            do {
                moveTo(i);
                while (position() < R && elem()->compare(*pivot) == kLess) advance();
                const std::string a = text(elem());
                if (!stage.ending()) {
                    framed("Ab der Stelle " + std::to_string(i) +
                               " wird vorwärts ein Element gesucht, welches größer oder gleich " +
                               pv + " ist. Gefunden wurde " + a + ".",
                           true);
                }
                i = position();
                moveTo(j);
                while (position() > L && elem()->compare(*pivot) == kGreater) stepBack();
                const std::string b = text(elem());
                if (!stage.ending()) {
                    framed("Ab der Stelle " + std::to_string(j) +
                               " wird rückwärts ein Element gesucht, welches kleiner oder gleich " +
                               pv + " ist. Gefunden wurde " + b + ".",
                           true);
                }
                j = position();
                if (j >= i) {
                    swap(static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j));
                    if (!stage.ending()) {
                        framed(a != b ? a + " und " + b + " werden ausgetauscht."
                                      : a + " und " + b +
                                            " werden ausgetauscht, worauf wegen der Gleicheit "
                                            "auch verzichtet werden kann.",
                               false);
                    }
                    ++i;
                    --j;
                }
            } while (j >= i);
            if (!stage.ending()) say(stage, sorttext::split);
            sortStep(stage,
                     "In der oberen (unteren) Teilliste stehen nur Elemente, die kleiner (größer) "
                     "oder gleich dem Vergleichselement (" +
                         pv + ") sind.",
                     this, nullptr, nullptr, false, -1, j == -1 ? 0 : j, true);
            r.i = i;
            r.j = j;
            r.stage = 1;
            if (L < j) {
                say(stage, sorttext::upperPart + std::to_string(L) + " bis zur Position " +
                               std::to_string(j) + " angewandt.");
                ranges.push_back({L, j});  // r is not used after this
            }
        } else if (r.stage == 1) {
            r.stage = 2;
            const int i = r.i;
            const int R = r.hi;
            if (i < R) {
                say(stage, sorttext::lowerPart + std::to_string(i) + " bis zur Position " +
                               std::to_string(R) + " angewandt.");
                ranges.push_back({i, R});
            }
        } else {
            ranges.pop_back();
        }
    }
}

// Takes the first element as pivot out of the list, moves the smaller
// elements to the front of a new 1. Teilliste and the others to the front of
// a new 2. Teilliste, puts the pivot where it keeps both parts smaller than
// the whole, sorts each part with more than one element the same way and joins
// the parts. Each level keeps its two parts on an explicit stack until they
// are joined, so the call depth stays constant; the parts always shrink, so
// the sort ends whatever compare answers.
void TListDemo::quickSort2Demo(SortStage& stage) {
    struct Level {
        TListe* p;  // the list of this level: this list, or a part of the level below
        std::unique_ptr<TListe> a;
        std::unique_ptr<TListe> b;
        int stage = 0;  // 0 split, 1 lower part next, 2 join
    };
    if (isEmpty()) return;
    std::vector<Level> levels;
    levels.push_back({this, nullptr, nullptr});
    while (!levels.empty()) {
        Level& level = levels.back();
        TListe& p = *level.p;
        if (level.stage == 0) {
            level.stage = 1;
            level.a = std::make_unique<TListDemo>();
            level.b = std::make_unique<TListDemo>();
            TListe& a = *level.a;
            TListe& b = *level.b;
            p.reset();  // never empty: this list is not, a part only with two elements
            std::unique_ptr<TBase> pivot = p.elem()->copy();
            p.deleteElem();
            const std::string pv = text(pivot.get());
            if (!stage.ending()) {
                step(stage,
                     "Es wird das erste Element (" + pv +
                         ") als Vergleichselement bestimmt und entfernt.",
                     p, false);
            }
            while (!p.isEmpty()) {
                p.reset();
                const TBase* e = p.elem();
                const std::string t = text(e);
                const bool smaller = e->compare(*pivot) == kLess;
                // The part's cursor stays at its start: each element goes to the front.
                (smaller ? a : b).insert(e->copy());
                p.deleteElem();
                if (stage.ending()) continue;
                if (smaller) {
                    sortStep(
                        stage,
                        "Da " + t + " kleiner als " + pv +
                            " ist, kommt es in die 1. Teilliste und wird in der Quelle entfernt",
                        &p, &a, nullptr, false, -1, -1, false);
                } else {
                    sortStep(
                        stage,
                        "Da " + t + " größer oder gleich " + pv +
                            " ist, kommt es in die 2. Teilliste und wird in der Quelle entfernt",
                        &p, nullptr, &b, false, -1, -1, false);
                }
            }
            if (a.isEmpty()) {
                a.insert(std::move(pivot));
                if (!stage.ending()) {
                    sortStep(stage,
                             "Da die 1. Teilliste leer ist, kommt das Vergleichselement " + pv +
                                 " in diese Liste",
                             nullptr, &a, nullptr, false, -1, -1, false);
                }
            } else {
                b.reset();
                b.insert(std::move(pivot));
                if (!stage.ending()) {
                    sortStep(stage,
                             "Da die 1. Teilliste nicht leer ist, kommt das Vergleichselement " +
                                 pv + " in die 2. Teilliste",
                             nullptr, nullptr, &b, false, -1, -1, false);
                }
            }
            if (!stage.ending()) sayPlain(stage, sorttext::partsSorted + pv + ") sind");
            if (!stage.ending()) sayPlain(stage, sorttext::recursion);
            if (a.count() > 1) {
                if (!stage.ending()) {
                    stage.stepLevel = 1;
                    emptyAuxiliaryMemos(stage);
                    step(stage, "", a, true);
                }
                levels.push_back({&a, nullptr, nullptr});  // level is not used after this
            }
        } else if (level.stage == 1) {
            level.stage = 2;
            TListe& b = *level.b;
            if (b.count() > 1) {
                if (!stage.ending()) {
                    stage.stepLevel = 2;
                    emptyAuxiliaryMemos(stage);
                    step(stage, "", b, true);
                }
                showList(b, stage.memoQuelle);
                levels.push_back({&b, nullptr, nullptr});
            }
        } else {
            // Both parts are sorted: p is empty and takes them back, in order.
            if (level.a) p.appendList(level.a);
            if (level.b) p.appendList(level.b);
            if (!stage.ending()) {
                stage.stepLevel = 3;
                emptyAuxiliaryMemos(stage);
                step(stage, sorttext::joined, p, false);
            }
            levels.pop_back();
        }
    }
}

// Natural mergesort: each pass writes the ascending runs of the list
// alternately into two intermediate lists, then merges the runs of the two
// lists pairwise back into the list; a pass that leaves the 2. Zwischenliste
// empty finds the list sorted. Where compare is an order the number of runs
// at least halves with every pass; a pass that does not reduce it shows that
// compare is none, and the sort stops after that pass.
void TListDemo::mergeSortDemo(SortStage& stage) {
    std::unique_ptr<TListe> z1 = std::make_unique<TListDemo>();
    std::unique_ptr<TListe> z2 = std::make_unique<TListDemo>();
    int previousRuns = std::numeric_limits<int>::max();
    bool finished = false;
    do {
        // Distribute.
        reset();
        int runs = 0;
        if (!isEmpty()) {
            TListe* target = z1.get();
            target->append(elem()->copy());
            const TBase* previous = target->elem();
            deleteElem();
            runs = 1;
            while (!isEmpty()) {
                std::unique_ptr<TBase> e = elem()->copy();
                deleteElem();
                if (e->compare(*previous) == kLess) {
                    target = target == z1.get() ? z2.get() : z1.get();
                    ++runs;
                }
                previous = e.get();
                target->append(std::move(e));
            }
        }
        if (!stage.ending()) {
            sortStep(stage, sorttext::distributed, nullptr, z1.get(), z2.get(), true, -1, -1, true);
        }
        const char* message;
        bool markRuns;
        if (z2->isEmpty()) {
            appendList(z1);
            message = sorttext::mergeDone;
            markRuns = false;
            finished = true;
        } else {
            z1->reset();
            z2->reset();
            do {
                std::unique_ptr<TListe> run1 = z1->splitOff(leadingRun(*z1));
                std::unique_ptr<TListe> run2 = z2->splitOff(leadingRun(*z2));
                ListAlgorithms::insertAllSorted(*run1, run2);
                appendList(run1);
            } while (!z1->isEmpty() || !z2->isEmpty());
            message = sorttext::merged;
            markRuns = true;
            finished = runs >= previousRuns;  // compare is no order: stop here
            previousRuns = runs;
        }
        if (!stage.ending()) {
            sortStep(stage, message, this, nullptr, nullptr, markRuns, -1, -1, true);
        }
    } while (!finished);
}
