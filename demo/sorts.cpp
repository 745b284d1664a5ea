#include "demo/sorts.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "demo/algorithmtrace.h"
#include "demo/sortfinish.h"
#include "elements/platform.h"
#include "linear/listalgorithms.h"
#include "linear/listdemo.h"

namespace {

// Every text of the sort window's info field. "{}" stands for a value that
// fill() inserts: an element text (elementText) or an index.
namespace sorttext {
constexpr const char* sorted = "Die Liste ist jetzt sortiert";
// Bubble sort.
constexpr const char* bubbleStart =
    "Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend sortierten Paares";
constexpr const char* bubbleExchange = "{} und {} werden miteinander getauscht";
constexpr const char* bubbleEnd = "Das Listenende (ab dem {}.ten Element) ist jetzt sotiert";
constexpr const char* noExchange =
    "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert";
// Straight insertion.
constexpr const char* deleted = "{} wird gelöscht";
constexpr const char* inserted =
    "{} wird in den vorderen Teil der Liste an der richtigen Position eingefügt";
// Straight selection.
constexpr const char* firstNoted = "Die Postion des ersten Elementes ({}) wird notiert";
constexpr const char* nextNoted = "Die Postion des nächsten Elementes ({}) wird notiert";
constexpr const char* smallestInPlace =
    "Das kleinste Element {} des nicht sortierten Restfeldes steht an der richtigen Stelle";
constexpr const char* smallestExchanged =
    "Das kleinste Element {} des nicht sortierten Restfeldes wird mit dem Element {} "
    "ausgetauscht";
// Quicksort 1.
constexpr const char* middlePivot =
    "Aus der Mitte der Liste (Teiliste) wird ein Vergleichselement ({}) bestimmt.";
constexpr const char* forward =
    "Ab der Stelle {} wird vorwärts ein Element gesucht, welches größer oder gleich {} ist. "
    "Gefunden wurde {}.";
constexpr const char* backward =
    "Ab der Stelle {} wird rückwärts ein Element gesucht, welches kleiner oder gleich {} ist. "
    "Gefunden wurde {}.";
constexpr const char* exchange = "{} und {} werden ausgetauscht.";
constexpr const char* equalExchange =
    "{} und {} werden ausgetauscht, worauf wegen der Gleicheit auch verzichtet werden kann.";
constexpr const char* split =
    "Da sich das Durchlaufen vom Anfang und vom Ende der Liste überlappt, wird die Liste "
    "(Teiliste) aufgeteilt.";
constexpr const char* splitParts =
    "In der oberen (unteren) Teilliste stehen nur Elemente, die kleiner (größer) oder gleich dem "
    "Vergleichselement ({}) sind.";
constexpr const char* upperPart =
    "Da eine abgespaltene obere Teilliste mehr als ein Element enthält, wird das Verfahren "
    "rekursiv auf die Elemente von der Position {} bis zur Position {} angewandt.";
constexpr const char* lowerPart =
    "Da eine abgespaltene untere Teilliste mehr als ein Element enthält, wird das Verfahren "
    "rekursiv auf die Elemente von der Position {} bis zur Position {} angewandt.";
// Quicksort 2.
constexpr const char* firstPivot =
    "Es wird das erste Element ({}) als Vergleichselement bestimmt und entfernt.";
constexpr const char* toFirstPart =
    "Da {} kleiner als {} ist, kommt es in die 1. Teilliste und wird in der Quelle entfernt";
constexpr const char* toSecondPart =
    "Da {} größer oder gleich {} ist, kommt es in die 2. Teilliste und wird in der Quelle "
    "entfernt";
constexpr const char* pivotAlone =
    "Da die 1. Teilliste leer ist, kommt das Vergleichselement {} in diese Liste";
constexpr const char* pivotToSecond =
    "Da die 1. Teilliste nicht leer ist, kommt das Vergleichselement {} in die 2. Teilliste";
constexpr const char* partsSorted =
    "In der ersten (zweiten) Teilliste stehen nur Elemente, die kleiner (größer) oder gleich dem "
    "Vergleichelement ({}) sind";
constexpr const char* recursion =
    "Das Verfahren wird rekursiv auf die einzelnen Teillisten angewandt, falls sie mehr als ein "
    "Element enthalten.";
constexpr const char* joined =
    "Die vorher getrennten Listen werden aneinander gefügt (rekursive Rückschritte).";
// Mergesort.
constexpr const char* distributed =
    "Sortierte Teilfolgen der Quelle werden wechselweise in 2 Zwischenlisten geschrieben.";
constexpr const char* mergeDone =
    "Da die 2. Zwischenliste leer ist, ist das Verfahren abgeschlossen.";
constexpr const char* merged =
    "Sortierte Teilstücke der Zwischenlisten wurden sortiert zusammengefügt.";
}  // namespace sorttext

std::string piece(int number) { return std::to_string(number); }
const std::string& piece(const std::string& text) { return text; }

// The pattern with each "{}" replaced by the next value, in order; the values
// themselves are not searched.
template <class... Values>
std::string fill(std::string_view pattern, const Values&... values) {
    std::string out;
    for (const std::string& value : {piece(values)...}) {
        const std::size_t at = pattern.find("{}");
        assert(at != std::string_view::npos);
        out.append(pattern.substr(0, at)).append(value);
        pattern.remove_prefix(at + 2);
    }
    return out.append(pattern);
}

std::string text(const TBase* element) {
    return element ? TListDemo::elementText(*element) : std::string();
}

// The text of the element at i; the cursor stays where it was.
std::string textAt(TListe& list, int i) {
    const int keep = list.position();
    std::string t = text(list.elemAt(i));
    list.moveTo(keep);
    return t;
}

std::string place(int i) { return "Platz " + std::to_string(i + 1); }

// A question whose answers are the elements at up to five places of
// first..last around correct, as "text (Platz k)".
std::optional<Question> placeQuestion(TListe& list, std::string question, std::string why,
                                      int first, int last, int correct) {
    QuestionBuilder q(std::move(question), std::move(why));
    const int from = std::max(first, std::min(correct - 2, last - 4));
    for (int k = from; k <= std::min(last, from + 4); ++k)
        q.add(textAt(list, k) + " (" + place(k) + ")", k == correct);
    return q.build();
}

// Bubble sort: the pair at j is exchanged next; the pairs around it up to
// the end of the pass, and none, are the other answers.
std::optional<Question> pairQuestion(TListe& list, int j, int lastPair, const std::string& a,
                                     const std::string& b) {
    QuestionBuilder q(
        "Welche Nachbarn werden als nächste vertauscht?",
        a + " ist größer als " + b + ": sie stehen falsch herum, die Paare davor stehen richtig");
    const int from = std::max(0, std::min(j - 1, lastPair - 3));
    for (int k = from; k <= std::min(lastPair, from + 3); ++k)
        q.add(textAt(list, k) + " und " + textAt(list, k + 1) + " (" + place(k) + " und " +
                  std::to_string(k + 2) + ")",
              k == j);
    q.add("keine mehr in diesem Durchlauf");
    return q.build();
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

// Mergesort after a distribution with "Ende" set: the list takes back both
// intermediate lists and the finish runs the rest.
void finishMerge(TListe& list, std::unique_ptr<TListe>& z1, std::unique_ptr<TListe>& z2, int runs,
                 int previousRuns) {
    const int split = z1->count();
    list.appendList(z1);
    list.appendList(z2);
    sortfinish::merge(list, split, runs, previousRuns);
}

}  // namespace

// Passes over the unsorted front part, exchanging neighbours that stand in the
// wrong order, until a pass exchanges nothing. Each exchange shows the list
// before it and, unless ending, after it.
Generator<Step> bubbleSort(TListe& list, SortScreen& screen) {
    const int n = list.count();
    if (n < 2) co_return;
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::bubbleSort);
    trace.mark(Line::buStart);
    int i = 0;
    bool swapped = true;
    while (i <= n - 2 && swapped) {
        if (screen.ending()) {
            sortfinish::bubble(list, i, 0, false);
            co_return;
        }
        trace.mark(Line::buRepeat);
        swapped = false;
        list.reset();
        trace.mark(Line::buReset);
        if (screen.step(sorttext::bubbleStart, {.source = &list, .always = true}))
            co_yield screen.snapshot();
        trace.mark(Line::buFor);
        for (int j = 0; j <= n - i - 2; ++j) {
            if (screen.ending()) {
                sortfinish::bubble(list, i, j, swapped);
                co_return;
            }
            const TBase* a = list.elemAt(j);
            const TBase* b = list.elemAt(j + 1);
            if (a->compare(*b) != kGreater) continue;
            if (!screen.ending()) screen.ask(pairQuestion(list, j, n - i - 2, text(a), text(b)));
            screen.show(0, list);
            list.swap(static_cast<std::uint16_t>(j), static_cast<std::uint16_t>(j + 1));
            trace.mark(Line::buExchange);
            if (screen.step(fill(sorttext::bubbleExchange, text(a), text(b)),
                            {.source = &list, .showBefore = false}))
                co_yield screen.snapshot();
            swapped = true;
        }
        ++i;
        trace.mark(Line::buNext);
        if (screen.step(swapped ? fill(sorttext::bubbleEnd, n - i + 1) : sorttext::noExchange,
                        {.source = &list, .always = true}))
            co_yield screen.snapshot();
        trace.mark(Line::buUntil);
    }
}

// Takes out each element from the second on and inserts it again in front of
// the first element of the sorted front part that is not smaller. Before each
// change MemoQuelle shows the list as it stands, unless ending.
Generator<Step> insertionSort(TListe& list, SortScreen& screen) {
    const int n = list.count();
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::insertionSort);
    for (int i = 1; i < n; ++i) {
        if (screen.ending()) {
            sortfinish::insertion(list, i);
            co_return;
        }
        trace.mark(Line::eiFor);
        std::unique_ptr<TBase> e = list.elemAt(i)->copy();
        const std::string t = text(e.get());
        if (!screen.ending()) screen.show(0, list);
        list.deleteElem();
        trace.mark(Line::eiTake);
        if (screen.step(fill(sorttext::deleted, t), {.source = &list, .showBefore = false}))
            co_yield screen.snapshot();
        list.reset();
        trace.mark(Line::eiSearch);
        while (list.position() < i && list.elem()->compare(*e) == kLess) list.advance();
        if (!screen.ending()) {
            const int p = list.position();
            QuestionBuilder q(
                "Wohin kommt " + t + " im sortierten Teil?",
                p < i
                    ? t + " kommt vor das erste Element, das nicht kleiner ist: " + textAt(list, p)
                    : "Alle Elemente davor sind kleiner: " + t +
                          " kommt ans Ende des sortierten Teils");
            const int from = std::max(0, std::min(p - 2, i - 4));
            for (int k = from; k <= std::min(i, from + 4); ++k)
                q.add(k < i ? "vor " + textAt(list, k) + " (" + place(k) + ")"
                            : "ans Ende des sortierten Teils (" + place(k) + ")",
                      k == p);
            screen.ask(q.build());
            list.moveTo(p);
            screen.show(0, list);  // the arrow marks the place
        }
        list.insert(std::move(e));
        trace.mark(Line::eiInsert);
        if (screen.step(fill(sorttext::inserted, t), {.source = &list, .showBefore = false}))
            co_yield screen.snapshot();
    }
    trace.mark(Line::eiSorted);
    if (screen.step(sorttext::sorted, {.source = &list})) co_yield screen.snapshot();
}

// Finds the smallest element of the unsorted rest and exchanges it with the
// rest's first element.
Generator<Step> selectionSort(TListe& list, SortScreen& screen) {
    const int n = list.count();
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::selectionSort);
    for (int i = 0; i <= n - 2; ++i) {
        if (screen.ending()) {
            sortfinish::selection(list, i);
            co_return;
        }
        trace.mark(Line::awFor);
        int minPos = i;
        const TBase* min = list.elemAt(i);
        const std::string t = text(min);
        trace.mark(Line::awNote);
        if (screen.step(fill(i == 0 ? sorttext::firstNoted : sorttext::nextNoted, t),
                        {.source = &list}))
            co_yield screen.snapshot();
        trace.mark(Line::awScan);
        list.advance();
        while (!list.isAtEnd()) {
            if (list.elem()->compare(*min) == kLess) {
                minPos = list.position();
                min = list.elem();
            }
            list.advance();
        }
        if (!screen.ending()) {
            screen.ask(placeQuestion(list, "Welches Element ist das kleinste ab " + place(i) + "?",
                                     text(min) + " ist das kleinste Element ab " + place(i) +
                                         " (das erste, wenn es mehrere gleiche gibt)",
                                     i, n - 1, minPos));
            // Unless ending, the arrow marks the minimum's place before the
            // exchange, and the cursor stays there.
            list.moveTo(minPos);
            screen.show(0, list);
        }
        if (minPos != i)
            list.swap(static_cast<std::uint16_t>(minPos), static_cast<std::uint16_t>(i));
        trace.mark(minPos == i ? Line::awInPlace : Line::awExchange);
        if (screen.step(minPos == i ? fill(sorttext::smallestInPlace, text(min))
                                    : fill(sorttext::smallestExchanged, text(min), t),
                        {.source = &list, .showBefore = false}))
            co_yield screen.snapshot();
    }
    trace.mark(Line::awSorted);
    if (screen.step(sorttext::sorted, {.source = &list})) co_yield screen.snapshot();
}

// The partition sort on the index range L..R with the middle element as pivot
// (the element object itself, which moves with the exchanges). The two part
// ranges are sorted one after the other, the upper first, each announced by a
// step just before it starts; an explicit stack of ranges keeps the call
// depth constant. The scans stay inside L..R: where compare is an order the
// pivot stops them there anyway, where it is none (NaN compares greater than
// everything) this is what ends them.
Generator<Step> quickSort1(TListe& list, SortScreen& screen) {
    if (list.isEmpty()) co_return;
    using Range = sortfinish::Quick1Range;  // stage 0 partition, 1 upper part next, 2 lower part
    std::vector<Range> ranges{{0, list.count() - 1}};
    // One frame per range on the stack: the caller's line stays marked.
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::quickSort1);
    while (!ranges.empty()) {
        if (screen.ending()) {
            sortfinish::quick1(list, std::move(ranges), nullptr);
            co_return;
        }
        Range& r = ranges.back();
        if (r.stage == 0) {
            const int L = r.lo;
            const int R = r.hi;
            const TBase* pivot = list.elemAt((L + R) / 2);
            const std::string pv = text(pivot);
            const SortStepView framed{.source = &list, .first = L, .last = R};
            trace.mark(Line::q1Pivot);
            if (!screen.ending())
                screen.ask(
                    placeQuestion(list,
                                  "Welches Element wird das Vergleichselement für " + place(L) +
                                      " bis " + std::to_string(R + 1) + "?",
                                  "Quicksort 1 nimmt das Element in der Mitte des Bereichs: " +
                                      place((L + R) / 2),
                                  L, R, (L + R) / 2));
            if (screen.step(fill(sorttext::middlePivot, pv), framed)) co_yield screen.snapshot();
            trace.mark(Line::q1Start);
            int i = L;
            int j = R;
            do {
                if (screen.ending()) {
                    const sortfinish::Quick1Partition partition{i, j, pivot};
                    sortfinish::quick1(list, std::move(ranges), &partition);
                    co_return;
                }
                trace.mark(Line::q1Repeat);
                list.moveTo(i);
                while (list.position() < R && list.elem()->compare(*pivot) == kLess) list.advance();
                const std::string a = text(list.elem());
                if (!screen.ending())
                    screen.ask(placeQuestion(
                        list, "Wo bleibt die Suche von links ab " + place(i) + " stehen?",
                        "Beim ersten Element, das nicht kleiner als " + pv + " ist: " + a, i, R,
                        list.position()));
                trace.mark(Line::q1Forward);
                if (screen.step(fill(sorttext::forward, i, pv, a), framed))
                    co_yield screen.snapshot();
                i = list.position();
                list.moveTo(j);
                while (list.position() > L && list.elem()->compare(*pivot) == kGreater)
                    list.stepBack();
                const std::string b = text(list.elem());
                if (!screen.ending())
                    screen.ask(placeQuestion(
                        list, "Wo bleibt die Suche von rechts ab " + place(j) + " stehen?",
                        "Beim ersten Element von rechts, das nicht größer als " + pv + " ist: " + b,
                        L, j, list.position()));
                trace.mark(Line::q1Backward);
                if (screen.step(fill(sorttext::backward, j, pv, b), framed))
                    co_yield screen.snapshot();
                j = list.position();
                if (j >= i) {
                    list.swap(static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j));
                    trace.mark(Line::q1Exchange);
                    if (screen.step(
                            fill(a != b ? sorttext::exchange : sorttext::equalExchange, a, b),
                            {.source = &list, .first = L, .last = R, .showBefore = false}))
                        co_yield screen.snapshot();
                    ++i;
                    --j;
                }
            } while (j >= i);
            trace.mark(Line::q1Until);
            if (screen.step(sorttext::split)) co_yield screen.snapshot();
            trace.mark(Line::q1Until);
            if (screen.step(fill(sorttext::splitParts, pv),
                            {.source = &list, .last = j == -1 ? 0 : j, .always = true}))
                co_yield screen.snapshot();
            r.i = i;
            r.j = j;
            r.stage = 1;
            if (L < j) {
                trace.mark(Line::q1Upper);
                if (screen.step(fill(sorttext::upperPart, L, j), {.always = true}))
                    co_yield screen.snapshot();
                ranges.push_back({L, j});  // r is not used after this
                trace.enter(Procedure::quickSort1);
            }
        } else if (r.stage == 1) {
            r.stage = 2;
            if (r.i < r.hi) {
                trace.mark(Line::q1Lower);
                if (screen.step(fill(sorttext::lowerPart, r.i, r.hi), {.always = true}))
                    co_yield screen.snapshot();
                ranges.push_back({r.i, r.hi});
                trace.enter(Procedure::quickSort1);
            }
        } else {
            ranges.pop_back();
            trace.leave();
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
Generator<Step> quickSort2(TListe& list, SortScreen& screen) {
    struct Level {
        TListe* p;  // the list of this level: the sorted list, or a part of the level below
        std::unique_ptr<TListe> a;
        std::unique_ptr<TListe> b;
        int stage = 0;  // 0 split, 1 lower part next, 2 join
    };
    if (list.isEmpty()) co_return;
    std::vector<Level> levels;
    levels.push_back({&list, nullptr, nullptr});
    // One frame per level: the caller's line stays marked.
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::quickSort2);
    int firstPart = -1;  // the count of the first level's 1. Teilliste once split
    while (!levels.empty()) {
        if (screen.ending() && firstPart >= 0) {
            // Where equal elements look alike, the sorted order is the only
            // result, and the join of the first level leaves the cursor
            // behind its 1. Teilliste: all parts come back at once.
            std::vector<TBase*> all = ListAlgorithms::elements(list);
            for (const Level& l : levels) {
                for (const TListe* part : {l.a.get(), l.b.get()}) {
                    if (!part) continue;
                    const std::vector<TBase*> more = ListAlgorithms::elements(*part);
                    all.insert(all.end(), more.begin(), more.end());
                }
            }
            if (sortfinish::orderedAlike(all)) {
                for (Level& l : levels) {
                    if (l.a) list.appendList(l.a);
                    if (l.b) list.appendList(l.b);
                }
                sortfinish::sortTo(list, firstPart);
                co_return;
            }
            // Elsewhere quicksort 2 runs on in vectors. From the top
            // level down, each level's sorted list: a level above sorts
            // this level's 1. Teilliste (stage 1) or its 2.
            std::vector<TBase*> sorted;
            for (std::size_t k = levels.size(); k-- > 0;) {
                const Level& l = levels[k];
                const bool above = k + 1 < levels.size();
                if (l.stage == 0) {
                    sorted = sortfinish::quick2(ListAlgorithms::elements(*l.p));
                    continue;
                }
                std::vector<TBase*> a =
                    above && l.stage == 1 ? sorted : ListAlgorithms::elements(*l.a);
                const std::vector<TBase*> b =
                    l.stage == 1 ? sortfinish::quick2(ListAlgorithms::elements(*l.b))
                    : above      ? sorted
                                 : ListAlgorithms::elements(*l.b);
                a.insert(a.end(), b.begin(), b.end());
                sorted = std::move(a);
            }
            for (Level& l : levels) {
                if (l.a) list.appendList(l.a);
                if (l.b) list.appendList(l.b);
            }
            ListAlgorithms::rearrange(list, sorted, firstPart);
            co_return;
        }
        Level& level = levels.back();
        TListe& p = *level.p;
        if (level.stage == 0) {
            level.stage = 1;
            level.a = std::make_unique<TListDemo>();
            level.b = std::make_unique<TListDemo>();
            TListe& a = *level.a;
            TListe& b = *level.b;
            if (!screen.ending())
                screen.ask(placeQuestion(p, "Welches Element wird das Vergleichselement?",
                                         "Quicksort 2 nimmt das erste Element der Liste", 0,
                                         p.count() - 1, 0));
            p.reset();  // never empty: the sorted list is not, a part only with two elements
            std::unique_ptr<TBase> pivot = p.elem()->copy();
            p.deleteElem();
            // Once "Ende" is set no step shows a text: none is made.
            const std::string pv = screen.ending() ? std::string() : text(pivot.get());
            trace.mark(Line::q2Pivot);
            if (screen.step(fill(sorttext::firstPivot, pv), {.source = &p, .showBefore = false}))
                co_yield screen.snapshot();
            trace.mark(Line::q2While);
            while (!p.isEmpty()) {
                trace.mark(Line::q2Take);
                p.reset();
                const TBase* e = p.elem();
                const std::string t = screen.ending() ? std::string() : text(e);
                const bool smaller = e->compare(*pivot) == kLess;
                // The part's cursor stays at its start: each element goes to the front.
                (smaller ? a : b).insert(e->copy());
                p.deleteElem();
                trace.mark(smaller ? Line::q2ToFirst : Line::q2ToSecond);
                if (screen.ending()) continue;
                screen.ask(QuestionBuilder(
                               "In welche Teilliste kommt " + t + "?",
                               t + (smaller ? " ist kleiner als " : " ist nicht kleiner als ") + pv)
                               .add("in die erste (kleiner als " + pv + ")", smaller)
                               .add("in die zweite (nicht kleiner als " + pv + ")", !smaller)
                               .build());
                if (screen.step(
                        fill(smaller ? sorttext::toFirstPart : sorttext::toSecondPart, t, pv),
                        {.source = &p,
                         .aux1 = smaller ? &a : nullptr,
                         .aux2 = smaller ? nullptr : &b,
                         .showBefore = false}))
                    co_yield screen.snapshot();
            }
            if (a.isEmpty()) {
                a.insert(std::move(pivot));
                trace.mark(Line::q2PivotFirst);
                if (screen.step(fill(sorttext::pivotAlone, pv), {.aux1 = &a, .showBefore = false}))
                    co_yield screen.snapshot();
            } else {
                b.reset();
                b.insert(std::move(pivot));
                trace.mark(Line::q2PivotSecond);
                if (screen.step(fill(sorttext::pivotToSecond, pv),
                                {.aux2 = &b, .showBefore = false}))
                    co_yield screen.snapshot();
            }
            if (levels.size() == 1) firstPart = a.count();
            trace.mark(Line::q2Parts);
            if (screen.step(fill(sorttext::partsSorted, pv), {.prefixed = false}))
                co_yield screen.snapshot();
            trace.mark(Line::q2SortFirst);
            if (screen.step(sorttext::recursion, {.prefixed = false})) co_yield screen.snapshot();
            if (a.count() > 1) {
                trace.mark(Line::q2SortFirst);
                if (screen.step("", {.source = &a, .level = 1})) co_yield screen.snapshot();
                levels.push_back({&a, nullptr, nullptr});  // level is not used after this
                trace.enter(Procedure::quickSort2);
            }
        } else if (level.stage == 1) {
            level.stage = 2;
            TListe& b = *level.b;
            if (b.count() > 1) {
                trace.mark(Line::q2SortSecond);
                if (screen.step("", {.source = &b, .level = 2})) co_yield screen.snapshot();
                if (!screen.ending()) screen.show(0, b);
                levels.push_back({&b, nullptr, nullptr});
                trace.enter(Procedure::quickSort2);
            }
        } else {
            // Both parts are sorted: p is empty and takes them back, in order.
            if (level.a) p.appendList(level.a);
            if (level.b) p.appendList(level.b);
            trace.mark(Line::q2Join);
            if (screen.step(sorttext::joined, {.source = &p, .showBefore = false, .level = 3}))
                co_yield screen.snapshot();
            levels.pop_back();
            trace.leave();
        }
    }
}

// Natural mergesort: each pass writes the ascending runs of the list
// alternately into two intermediate lists, then merges the runs of the two
// lists pairwise back into the list; a pass that leaves the 2. Zwischenliste
// empty finds the list sorted. Where compare is an order the number of runs
// at least halves with every pass; a pass that does not reduce it shows that
// compare is none, and the sort stops after that pass.
// Mergesort: how many ascending runs the distribution finds; the counts up
// to the list's length around it are the other answers.
std::optional<Question> runsQuestion(int runs, const TListe& list, const TListe& z1,
                                     const TListe& z2) {
    const int n = list.count() + z1.count() + z2.count();
    auto answer = [](int k) { return std::to_string(k) + (k == 1 ? " Teilfolge" : " Teilfolgen"); };
    QuestionBuilder q("In wie viele sortierte Teilfolgen zerfällt die Quelle?",
                      runs == 1 ? "Kein Element ist kleiner als sein Vorgänger: die Quelle ist "
                                  "eine einzige sortierte Teilfolge."
                                : "Eine neue Teilfolge beginnt, wo ein Element kleiner ist als "
                                  "sein Vorgänger; das ist " +
                                      std::to_string(runs - 1) + "-mal der Fall.");
    for (int k = std::max(1, runs - 2); k <= std::min(n, runs + 2); ++k)
        q.add(answer(k), k == runs);
    return q.build();
}

Generator<Step> mergeSort(TListe& list, SortScreen& screen) {
    std::unique_ptr<TListe> z1 = std::make_unique<TListDemo>();
    std::unique_ptr<TListe> z2 = std::make_unique<TListDemo>();
    int previousRuns = std::numeric_limits<int>::max();
    bool finished = false;
    TraceFrames trace(screen.trace());
    trace.enter(Procedure::mergeSort);
    do {
        trace.mark(Line::msRepeat);
        // Distribute.
        list.reset();
        int runs = 0;
        if (!list.isEmpty()) {
            TListe* target = z1.get();
            target->append(list.elem()->copy());
            const TBase* previous = target->elem();
            list.deleteElem();
            runs = 1;
            while (!list.isEmpty()) {
                std::unique_ptr<TBase> e = list.elem()->copy();
                list.deleteElem();
                if (e->compare(*previous) == kLess) {
                    target = target == z1.get() ? z2.get() : z1.get();
                    ++runs;
                }
                previous = e.get();
                target->append(std::move(e));
            }
        }
        trace.mark(Line::msDistribute);
        if (!screen.ending()) screen.ask(runsQuestion(runs, list, *z1, *z2));
        if (screen.step(sorttext::distributed,
                        {.aux1 = z1.get(), .aux2 = z2.get(), .markRuns = true}))
            co_yield screen.snapshot();
        if (screen.ending()) {
            finishMerge(list, z1, z2, runs, previousRuns);
            co_return;
        }
        if (z2->isEmpty()) {
            list.appendList(z1);
            trace.mark(Line::msDone);
            if (screen.step(sorttext::mergeDone, {.source = &list})) co_yield screen.snapshot();
            co_return;
        }
        z1->reset();
        z2->reset();
        trace.mark(Line::msWhile);
        do {
            std::unique_ptr<TListe> run1 = z1->splitOff(leadingRun(*z1));
            std::unique_ptr<TListe> run2 = z2->splitOff(leadingRun(*z2));
            trace.mark(Line::msMerge);
            trace.enter(Procedure::mergeRuns);
            trace.mark(Line::mvWhile);
            if (!run1->isEmpty() && !run2->isEmpty()) trace.mark(Line::mvSmaller);
            trace.mark(Line::mvRest);
            ListAlgorithms::insertAllSorted(*run1, run2);
            list.appendList(run1);
            trace.leave();
        } while (!z1->isEmpty() || !z2->isEmpty());
        finished = runs >= previousRuns;  // compare is no order: stop here
        previousRuns = runs;
        trace.mark(Line::msFewer);
        if (screen.step(sorttext::merged, {.source = &list, .markRuns = true}))
            co_yield screen.snapshot();
        if (!finished && screen.ending()) {
            sortfinish::merge(list, -1, 0, previousRuns);
            co_return;
        }
    } while (!finished);
}

Generator<Step> sortSteps(SortKind kind, TListe& list, SortScreen& screen) {
    switch (kind) {
        case SortKind::bubble:
            return bubbleSort(list, screen);
        case SortKind::insertion:
            return insertionSort(list, screen);
        case SortKind::selection:
            return selectionSort(list, screen);
        case SortKind::quick1:
            return quickSort1(list, screen);
        case SortKind::quick2:
            return quickSort2(list, screen);
        case SortKind::merge:
            break;
    }
    return mergeSort(list, screen);
}

SortRun::SortRun(SortKind kind, TListe& list, std::shared_ptr<const ListView> quelle, bool stepwise)
    : list_(list), screen_(std::move(quelle)), steps_(sortSteps(kind, list, screen_)) {
    if (!stepwise) screen_.setEnding();
}

SortRun::~SortRun() {
    // The sorts move elements through lists of their own: only at its end
    // does the list hold them all again.
    if (!steps_.done()) finish();
}

std::optional<Step> SortRun::next() {
    screen_.afterWait();
    return steps_.next();
}

void SortRun::finish() {
    screen_.setEnding();
    screen_.afterWait();
    while (steps_.next()) {
    }
}

Step SortRun::end() {
    Step end = screen_.snapshot();
    end.text.clear();
    if (screen_.ending()) {
        screen_.show(0, list_);
        end.lists[0] = screen_.memo(0);
    }
    return end;
}
