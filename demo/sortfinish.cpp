#include "demo/sortfinish.h"

#include <algorithm>
#include <cmath>
#include <queue>
#include <utility>

#include "elements/base.h"
#include "elements/values.h"
#include "linear/listalgorithms.h"
#include "linear/liste.h"

namespace sortfinish {

namespace {

using Elements = std::vector<TBase*>;

bool less(const TBase* a, const TBase* b) { return a->compare(*b) == kLess; }

// The largest number of greater elements in front of one element. Where
// compare is an order, each bubble sort pass that exchanges lowers every
// element's number by one, so this is how many passes still exchange.
int mostGreaterInFront(const Elements& v) {
    const int n = static_cast<int>(v.size());
    std::vector<int> byValue(n);
    for (int k = 0; k < n; ++k) byValue[k] = k;
    std::stable_sort(byValue.begin(), byValue.end(),
                     [&v](int a, int b) { return less(v[a], v[b]); });
    std::vector<int> rank(n);
    for (int k = 0, r = 0; k < n; ++k) {
        if (k > 0 && less(v[byValue[k - 1]], v[byValue[k]])) ++r;
        rank[byValue[k]] = r;
    }
    // Counts of the ranks seen so far, as a Fenwick tree over ranks 1..n.
    std::vector<int> tree(n + 1, 0);
    int most = 0;
    for (int k = 0; k < n; ++k) {
        int notGreater = 0;
        for (int x = rank[k] + 1; x > 0; x -= x & -x) notGreater += tree[x];
        most = std::max(most, k - notGreater);
        for (int x = rank[k] + 1; x <= n; x += x & -x) ++tree[x];
    }
    return most;
}

// The elements of a and b in the order insertAllSorted gives when it inserts
// b into a: each element of b in front of the first element that is not
// smaller. With both runs ascending, the equal elements of b come reversed in
// front of the equal elements of a.
Elements insertAllSorted(const Elements& a, const Elements& b) {
    Elements out;
    out.reserve(a.size() + b.size());
    std::size_t i = 0;
    std::size_t k = 0;
    while (k < b.size()) {
        if (i < a.size() && less(a[i], b[k])) {
            out.push_back(a[i++]);
            continue;
        }
        std::size_t end = k + 1;
        while (end < b.size() && !less(b[k], b[end])) ++end;
        for (std::size_t m = end; m > k; --m) out.push_back(b[m - 1]);
        k = end;
    }
    out.insert(out.end(), a.begin() + static_cast<std::ptrdiff_t>(i), a.end());
    return out;
}

// The longest prefix of v from `from` in which no element compares greater
// than its successor; its length (0 when from is at the end).
std::size_t leadingRun(const Elements& v, std::size_t from) {
    if (from >= v.size()) return 0;
    std::size_t end = from + 1;
    while (end < v.size() && v[end - 1]->compare(*v[end]) != kGreater) ++end;
    return end - from;
}

bool sameClass(const Elements& v, const ClassInfo& cls) {
    return std::all_of(v.begin(), v.end(),
                       [&cls](const TBase* e) { return &e->classInfo() == &cls; });
}

// For lists whose compare orders every element but some "wild" ones, and
// never finds a wild element smaller than another or another smaller than
// it: the test for a wild element. These are floats with NaN, and booleans
// (all of them wild: no boolean is smaller than another). Null elsewhere.
using Wild = bool (*)(const TBase*);
Wild wildTest(const Elements& v) {
    if (v.empty()) return nullptr;
    const ClassInfo& cls = v.front()->classInfo();
    if (!sameClass(v, cls)) return nullptr;
    if (&cls == &TBoolean::info) return [](const TBase*) { return true; };
    if (&cls == &TReal::info) {
        return [](const TBase* e) { return std::isnan(static_cast<const TReal*>(e)->getValue()); };
    }
    if (&cls == &TExtended::info) {
        return [](const TBase* e) { return static_cast<const TExtended*>(e)->getValue().isNaN(); };
    }
    return nullptr;
}

// Straight insertion from element i on: each element goes in front of the
// first element of the front part that is not smaller. With wild elements
// that is the first wild one or the first number that is not smaller, and a
// wild element goes to the very front; the front part is kept in blocks that
// know whether they hold a wild element and one of their largest numbers, so
// that the search skips whole blocks. Without (wild null, compare any) the
// search goes element by element, and the blocks only keep the insertions
// short. Returns the place of the last insertion.
int insertWild(Elements& v, int i, Wild wild) {
    constexpr std::size_t kBlock = 256;
    struct Block {
        Elements items;
        const TBase* largest = nullptr;  // null: no number
        int wilds = 0;
        void add(const TBase* e, Wild test) {
            if (!test) return;
            if (test(e)) {
                ++wilds;
            } else if (!largest || less(largest, e)) {
                largest = e;
            }
        }
    };
    std::vector<Block> blocks;
    for (int k = 0; k < i; ++k) {
        if (blocks.empty() || blocks.back().items.size() == kBlock) blocks.emplace_back();
        blocks.back().items.push_back(v[k]);
        blocks.back().add(v[k], wild);
    }
    if (blocks.empty()) blocks.emplace_back();
    int cursor = 0;
    const int n = static_cast<int>(v.size());
    for (; i < n; ++i) {
        TBase* e = v[i];
        std::size_t b = 0;
        std::size_t at = 0;
        int before = 0;
        if (!wild || !wild(e)) {
            for (; b < blocks.size(); ++b) {
                const Block& block = blocks[b];
                const bool skip = wild && block.wilds == 0 && block.largest;
                if (skip && less(block.largest, e)) {
                    before += static_cast<int>(block.items.size());
                    continue;
                }
                while (at < block.items.size() && less(block.items[at], e)) ++at;
                if (at < block.items.size() || b + 1 == blocks.size()) break;
                before += static_cast<int>(block.items.size());
                at = 0;
            }
            if (b == blocks.size()) {  // every block was skipped: e stays at the end
                --b;
                before -= static_cast<int>(blocks[b].items.size());
                at = blocks[b].items.size();
            }
        }
        Block& block = blocks[b];
        block.items.insert(block.items.begin() + static_cast<std::ptrdiff_t>(at), e);
        block.add(e, wild);
        cursor = before + static_cast<int>(at);
        if (block.items.size() == 2 * kBlock) {
            Block upper;
            for (auto it = block.items.begin() + kBlock; it != block.items.end(); ++it) {
                upper.items.push_back(*it);
                upper.add(*it, wild);
            }
            Block lower;
            for (auto it = block.items.begin(); it != block.items.begin() + kBlock; ++it) {
                lower.items.push_back(*it);
                lower.add(*it, wild);
            }
            block = std::move(lower);
            blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(upper));
        }
    }
    v.clear();
    for (const Block& block : blocks) v.insert(v.end(), block.items.begin(), block.items.end());
    return cursor;
}

// Bubble sort of booleans from pass i on, the pass before having exchanged.
// A pass carries its first value to the end of the unsorted part: an equal
// neighbour takes over, a different one is exchanged. So each pass moves the
// part's first value to its end, and exchanges unless the part holds one
// value only. Returns the cursor the last pass leaves.
int bubbleBooleans(Elements& v, int i) {
    const int n = static_cast<int>(v.size());
    const int m = n - i;  // the unsorted part v[0..m-1] of the next pass
    // Pass k works on w[k..m-1] (w: v as it is now): the last one is the
    // first whose part holds one value, or the one on the last two elements.
    const auto differs = [&v](int a, int b) { return v[a]->compare(*v[b]) != kEqual; };
    int constantFrom = m - 1;  // w[constantFrom..m-1] holds one value
    while (constantFrom > 0 && !differs(constantFrom - 1, m - 1)) --constantFrom;
    const int passes = std::min(constantFrom, m - 2) + 1;
    const int last = passes - 1;
    // Its last pair is m - last - 2, m - last - 1; carried is w[last].
    const int cursor = differs(last, m - 1) ? m - last - 2 : m - last - 1;
    Elements out(v.begin() + passes, v.begin() + m);
    for (int k = passes - 1; k >= 0; --k) out.push_back(v[k]);
    out.insert(out.end(), v.begin() + m, v.end());
    v = std::move(out);
    return cursor;
}

// The numbers after k passes of bubble sort over them: a pass carries the
// largest so far to the right, handing on the smaller one each time, which is
// a queue of two that gives out its smallest; k passes one after the other
// are a queue of k + 1. Of equal elements the earlier comes out first: bubble
// sort keeps them in their order.
Elements bubblePasses(const Elements& s, int k) {
    if (k <= 0) return s;
    const auto later = [&s](int a, int b) {
        return less(s[b], s[a]) || (!less(s[a], s[b]) && a > b);
    };
    std::priority_queue<int, std::vector<int>, decltype(later)> queue(later);
    Elements out;
    out.reserve(s.size());
    for (int x = 0; x < static_cast<int>(s.size()); ++x) {
        queue.push(x);
        if (static_cast<int>(queue.size()) > k) {
            out.push_back(s[queue.top()]);
            queue.pop();
        }
    }
    for (; !queue.empty(); queue.pop()) out.push_back(s[queue.top()]);
    return out;
}

// Bubble sort of floats with NaN from pass i on, the pass before having
// exchanged: all passes but the last in closed form. NaN is greater than
// everything and everything is greater than it, so a pass that starts with
// a NaN carries it to the end of the unsorted part, every other element one
// place to the front; a pass that starts with a number moves every NaN one
// place to the front and makes an ordinary bubble sort pass over the
// numbers, whose largest ends the part. So the NaN at place p at the start
// reaches the front at pass p and the end of that pass's part with it; the
// passes go on while a NaN is left in the part or the numbers are not
// sorted. Returns the next pass's index; v is as before it.
int bubbleNaN(Elements& v, int i, Wild wild) {
    const int n = static_cast<int>(v.size());
    const int m = n - i;  // the unsorted part v[0..m-1] of the next pass
    Elements numbers;
    int wilds = 0;
    for (int p = 0; p < m; ++p) {
        if (wild(v[p])) {
            ++wilds;
        } else {
            numbers.push_back(v[p]);
        }
    }
    const int unsortedPasses = mostGreaterInFront(numbers);
    int passes = 0;
    for (int numberPasses = 0, left = wilds; passes <= m - 2; ++passes) {
        // Whether pass `passes` exchanges: a NaN at the front, another NaN
        // in the part, or numbers out of order.
        bool exchanges = true;
        if (wild(v[passes])) {
            --left;
        } else {
            exchanges = left > 0 || numberPasses < unsortedPasses;
            ++numberPasses;
        }
        if (!exchanges) {
            ++passes;
            break;
        }
    }
    // All passes but the last: passes - 1 of them.
    const int done = passes - 1;
    if (done <= 0) return i;
    Elements out(v.begin(), v.end());
    std::vector<bool> taken(static_cast<std::size_t>(m), false);
    int numberPasses = done;
    for (int p = 0; p < m; ++p) {
        if (!wild(v[p])) continue;
        const int to = p < done ? m - p - 1 : p - done;
        out[to] = v[p];
        taken[static_cast<std::size_t>(to)] = true;
        if (p < done) --numberPasses;
    }
    const Elements sorted = bubblePasses(numbers, numberPasses);
    auto next = sorted.begin();
    for (int p = 0; p < m; ++p) {
        if (!taken[static_cast<std::size_t>(p)]) out[p] = *next++;
    }
    v = std::move(out);
    return i + done;
}

// Straight selection of fractions from round i on, where some denominator
// is not positive: compare is then no order, and each round runs through
// the rest, taking every element smaller than the current candidate as the
// new one. Once a block of the rest has handed the candidate to one of its
// elements, the rest of the block goes the same way whatever came before:
// each block keeps, for each of its elements, where a candidate that starts
// there ends at the block's end. A round then looks in each block only for
// the first element smaller than the candidate. Returns the cursor the last
// round leaves.
int selectFractions(Elements& v, int i) {
    struct Point {
        std::int64_t numerator;
        std::int64_t denominator;
    };
    const int n = static_cast<int>(v.size());
    std::vector<Point> points(v.size());
    for (int k = 0; k < n; ++k) {
        const Fraction f = static_cast<const TTBruch*>(v[k])->getValue();
        points[k] = {f.numerator, f.denominator};
    }
    // compare of the fractions at a and b is -1 (as TTBruch::compare).
    const auto smaller = [&points](int a, int b) {
        return points[a].denominator * points[b].numerator >
               points[a].numerator * points[b].denominator;
    };
    constexpr int kBlock = 64;
    std::vector<int> ends(v.size());  // where a candidate at k ends in k's block
    const auto build = [&](int block) {
        const int first = block * kBlock;
        const int end = std::min(n, first + kBlock);
        for (int k = end - 1; k >= first; --k) {
            int next = k + 1;
            while (next < end && !smaller(next, k)) ++next;
            ends[k] = next < end ? ends[next] : k;
        }
    };
    for (int block = 0; block * kBlock < n; ++block) build(block);
    int cursor = 0;
    for (; i <= n - 2; ++i) {
        int minPos = i;
        for (int k = i + 1; k < n;) {
            const int end = std::min(n, (k / kBlock + 1) * kBlock);
            while (k < end && !smaller(k, minPos)) ++k;
            if (k < end) minPos = ends[k];
            k = end;
        }
        if (minPos != i) {
            std::swap(v[minPos], v[i]);
            std::swap(points[minPos], points[i]);
            build(i / kBlock);
            if (minPos / kBlock != i / kBlock) build(minPos / kBlock);
        }
        cursor = minPos != i ? minPos : n;
    }
    return cursor;
}

// The elements of a and b in the order insertAllSorted gives for any
// compare: each element of b in turn in front of the first element that is
// not smaller (straight insertion from b's first element on).
Elements insertOneByOne(const Elements& a, const Elements& b, Wild wild) {
    Elements v(a);
    v.insert(v.end(), b.begin(), b.end());
    insertWild(v, static_cast<int>(a.size()), wild);
    return v;
}

// Ranks that stand in for compare where it orders every element but NaN:
// equal elements share a rank, a NaN has -1. Empty elsewhere (booleans,
// fractions with denominators <= 0, foreign classes), and for no elements.
std::vector<int> ranks(const Elements& v) {
    const bool order = ordered(v);
    const Wild wild = order ? nullptr : wildTest(v);
    if (!order && (!wild || sameClass(v, TBoolean::info))) return {};
    std::vector<int> byValue;
    for (int k = 0; k < static_cast<int>(v.size()); ++k) {
        if (!wild || !wild(v[k])) byValue.push_back(k);
    }
    std::stable_sort(byValue.begin(), byValue.end(),
                     [&v](int a, int b) { return less(v[a], v[b]); });
    std::vector<int> rank(v.size(), -1);
    for (std::size_t k = 0, r = 0; k < byValue.size(); ++k) {
        if (k > 0 && less(v[byValue[k - 1]], v[byValue[k]])) ++r;
        rank[byValue[k]] = static_cast<int>(r);
    }
    return rank;
}

// compare of two elements by their ranks.
std::int32_t compareRanks(int a, int b) {
    if (a < 0 || b < 0) return kGreater;
    return a < b ? kLess : a == b ? kEqual : kGreater;
}

}  // namespace

Elements quick2(const Elements& part) {
    Elements out;
    out.reserve(part.size());
    if (!part.empty() && sameClass(part, TBoolean::info)) {
        // The first element, the last, the second, the last but one, ...
        std::size_t front = 0;
        std::size_t back = part.size();
        for (bool fromFront = true; front < back; fromFront = !fromFront)
            out.push_back(fromFront ? part[front++] : part[--back]);
        return out;
    }
    // Indices into part; compared by rank where ranks stand in for compare.
    const std::vector<int> rank = ranks(part);
    const auto smaller = [&](int a, int b) {
        return rank.empty() ? less(part[a], part[b]) : compareRanks(rank[a], rank[b]) == kLess;
    };
    std::vector<std::vector<int>> parts(1);  // the next part to sort on top
    for (int k = 0; k < static_cast<int>(part.size()); ++k) parts[0].push_back(k);
    while (!parts.empty()) {
        std::vector<int> p = std::move(parts.back());
        parts.pop_back();
        if (p.size() <= 1) {
            for (int k : p) out.push_back(part[k]);
            continue;
        }
        const int pivot = p.front();
        std::vector<int> a;
        std::vector<int> b;
        for (auto e = p.rbegin(); e + 1 != p.rend(); ++e)
            (smaller(*e, pivot) ? a : b).push_back(*e);
        if (a.empty()) {
            a.push_back(pivot);
        } else {
            b.insert(b.begin(), pivot);
        }
        parts.push_back(std::move(b));
        parts.push_back(std::move(a));
    }
    return out;
}

bool ordered(const Elements& elements) {
    if (elements.empty()) return true;
    const ClassInfo* cls = &elements.front()->classInfo();
    for (const TBase* e : elements) {
        if (&e->classInfo() != cls) return false;
    }
    for (const ClassInfo* always : {&TInteger::info, &TString::info, &TChar::info, &TInt64::info,
                                    &TByte::info, &TWord::info, &TLongint::info, &TTColor::info}) {
        if (cls == always) return true;
    }
    if (cls == &TReal::info) {
        return std::none_of(elements.begin(), elements.end(), [](const TBase* e) {
            return std::isnan(static_cast<const TReal*>(e)->getValue());
        });
    }
    if (cls == &TExtended::info) {
        return std::none_of(elements.begin(), elements.end(), [](const TBase* e) {
            return static_cast<const TExtended*>(e)->getValue().isNaN();
        });
    }
    if (cls == &TTBruch::info) {
        return std::all_of(elements.begin(), elements.end(), [](const TBase* e) {
            return static_cast<const TTBruch*>(e)->getValue().denominator > 0;
        });
    }
    return false;
}

bool orderedAlike(const Elements& elements) {
    if (!ordered(elements)) return false;
    if (elements.empty()) return true;
    const ClassInfo* cls = &elements.front()->classInfo();
    if (cls == &TTBruch::info) return false;
    if (cls == &TReal::info) {
        return std::none_of(elements.begin(), elements.end(), [](const TBase* e) {
            const double v = static_cast<const TReal*>(e)->getValue();
            return v == 0 && std::signbit(v);
        });
    }
    if (cls == &TExtended::info) {
        return std::none_of(elements.begin(), elements.end(), [](const TBase* e) {
            const Extended& v = static_cast<const TExtended*>(e)->getValue();
            return v == Extended(0.0) && (v.bytes()[9] & 0x80) != 0;
        });
    }
    return true;
}

void sortTo(TListe& list, int cursor) {
    Elements v = ListAlgorithms::elements(list);
    std::stable_sort(v.begin(), v.end(), less);
    ListAlgorithms::rearrange(list, v, cursor);
}

void bubble(TListe& list, int i, int j, bool swapped) {
    Elements v = ListAlgorithms::elements(list);
    const int n = static_cast<int>(v.size());
    int cursor = list.position();
    // One pass from j on: the cursor ends at the second element of the last
    // pair compared, or at the first one after an exchange.
    const auto pass = [&] {
        for (; j <= n - i - 2; ++j) {
            if (v[j]->compare(*v[j + 1]) == kGreater) {
                std::swap(v[j], v[j + 1]);
                cursor = j;
                swapped = true;
            } else {
                cursor = j + 1;
            }
        }
        ++i;
    };
    pass();
    if (ordered(v)) {
        if (i <= n - 2 && swapped) {
            // The passes that exchange, then one that does not, ending at its
            // last pair; if none is left for that one, the last pass
            // exchanged the first two elements.
            const int last = i + mostGreaterInFront(v);
            cursor = last <= n - 2 ? n - last - 1 : 0;
            std::stable_sort(v.begin(), v.end(), less);
        }
    } else if (sameClass(v, TBoolean::info)) {
        if (i <= n - 2 && swapped) cursor = bubbleBooleans(v, i);
    } else {
        if (const Wild wild = wildTest(v); wild && i <= n - 2 && swapped) i = bubbleNaN(v, i, wild);
        while (i <= n - 2 && swapped) {
            swapped = false;
            j = 0;
            pass();
        }
    }
    ListAlgorithms::rearrange(list, v, cursor);
}

void insertion(TListe& list, int i) {
    Elements v = ListAlgorithms::elements(list);
    const int n = static_cast<int>(v.size());
    if (i >= n) return;
    int cursor = 0;
    if (ordered(v)) {
        // The last element goes in front of every element that is not smaller.
        const TBase* lastTaken = v[n - 1];
        cursor = static_cast<int>(std::count_if(
            v.begin(), v.end() - 1, [&](const TBase* e) { return less(e, lastTaken); }));
        Elements order(v.rbegin(), v.rend() - i);
        order.insert(order.end(), v.begin(), v.begin() + i);
        std::stable_sort(order.begin(), order.end(), less);
        v = std::move(order);
    } else {
        cursor = insertWild(v, i, wildTest(v));
    }
    ListAlgorithms::rearrange(list, v, cursor);
}

void selection(TListe& list, int i) {
    Elements v = ListAlgorithms::elements(list);
    const int n = static_cast<int>(v.size());
    if (i > n - 2) return;
    int cursor = 0;
    // After each round the cursor stands where the exchange left it (at the
    // smallest element's former place), else at the end where the search
    // stopped: with "Ende" the arrow is not moved to the smallest element.
    const auto exchange = [&](int minPos) {
        if (minPos != i) std::swap(v[minPos], v[i]);
        cursor = minPos != i ? minPos : n;
    };
    const Wild wild = ordered(v) ? nullptr : wildTest(v);
    if (!ordered(v) && !wild && sameClass(v, TTBruch::info)) {
        cursor = selectFractions(v, i);
    } else if (ordered(v) || wild) {
        // A tournament tree over the unsorted rest: each node holds the first
        // index of a smallest element below it, -1 for none. Wild elements
        // take no part: none is smaller than another element, and a round
        // that starts at a wild element finds nothing smaller.
        int size = 1;
        while (size < n) size *= 2;
        std::vector<int> tree(2 * size, -1);
        const auto better = [&v](int a, int b) {
            if (a < 0) return b;
            if (b < 0) return a;
            return less(v[b], v[a]) ? b : a;  // a is the left, lower index
        };
        const auto update = [&](int leaf, int value) {
            int x = size + leaf;
            tree[x] = value;
            for (x /= 2; x >= 1; x /= 2) tree[x] = better(tree[2 * x], tree[2 * x + 1]);
        };
        for (int k = i; k < n; ++k) tree[size + k] = wild && wild(v[k]) ? -1 : k;
        for (int x = size - 1; x >= 1; --x) tree[x] = better(tree[2 * x], tree[2 * x + 1]);
        for (; i <= n - 2; ++i) {
            const int minPos = tree[size + i] < 0 ? i : tree[1];
            exchange(minPos);
            update(i, -1);
            if (minPos != i) update(minPos, minPos);
        }
    } else {
        for (; i <= n - 2; ++i) {
            int minPos = i;
            for (int k = i + 1; k < n; ++k) {
                if (v[k]->compare(*v[minPos]) == kLess) minPos = k;
            }
            exchange(minPos);
        }
    }
    ListAlgorithms::rearrange(list, v, cursor);
}

void quick1(TListe& list, std::vector<Quick1Range> ranges, const Quick1Partition* partition) {
    Elements v = ListAlgorithms::elements(list);
    int cursor = list.position();
    // Ranks move with their elements; compare where there are none.
    std::vector<int> rank = ranks(v);
    const auto compareTo = [&](int k, const TBase* pivot, int pivotRank) {
        return rank.empty() ? v[k]->compare(*pivot) : compareRanks(rank[k], pivotRank);
    };
    while (!ranges.empty()) {
        Quick1Range& r = ranges.back();
        if (r.stage == 0) {
            const int L = r.lo;
            const int R = r.hi;
            const TBase* pivot = nullptr;
            int pivotRank = -1;
            int i = L;
            int j = R;
            if (partition) {
                pivot = partition->pivot;
                i = partition->i;
                j = partition->j;
                partition = nullptr;
                if (!rank.empty())
                    pivotRank = rank[std::find(v.begin(), v.end(), pivot) - v.begin()];
            } else {
                cursor = (L + R) / 2;
                pivot = v[cursor];
                if (!rank.empty()) pivotRank = rank[cursor];
            }
            do {
                while (i < R && compareTo(i, pivot, pivotRank) == kLess) ++i;
                while (j > L && compareTo(j, pivot, pivotRank) == kGreater) --j;
                cursor = j;
                if (j >= i) {
                    std::swap(v[i], v[j]);
                    if (!rank.empty()) std::swap(rank[i], rank[j]);
                    cursor = i;
                    ++i;
                    --j;
                }
            } while (j >= i);
            r.i = i;
            r.j = j;
            r.stage = 1;
            if (L < j) ranges.push_back({L, j});  // r is not used after this
        } else if (r.stage == 1) {
            r.stage = 2;
            if (r.i < r.hi) ranges.push_back({r.i, r.hi});
        } else {
            ranges.pop_back();
        }
    }
    ListAlgorithms::rearrange(list, v, cursor);
}

void merge(TListe& list, int split, int runs, int previousRuns) {
    Elements v = ListAlgorithms::elements(list);
    int cursor = list.position();
    const bool order = ordered(v);
    const Wild wild = order ? nullptr : wildTest(v);
    Elements z1;
    Elements z2;
    if (split >= 0) {
        z1.assign(v.begin(), v.begin() + split);
        z2.assign(v.begin() + split, v.end());
    }
    for (bool distributed = split >= 0;; distributed = false) {
        if (!distributed) {
            z1.clear();
            z2.clear();
            runs = 0;
            Elements* target = &z1;
            for (std::size_t k = 0; k < v.size(); ++k) {
                if (k == 0) {
                    runs = 1;
                } else if (v[k]->compare(*v[k - 1]) == kLess) {
                    target = target == &z1 ? &z2 : &z1;
                    ++runs;
                }
                target->push_back(v[k]);
            }
        }
        if (z2.empty()) {
            v = std::move(z1);
            cursor = 0;
            break;
        }
        v.clear();
        std::size_t at1 = 0;
        std::size_t at2 = 0;
        while (at1 < z1.size() || at2 < z2.size()) {
            const std::size_t n1 = leadingRun(z1, at1);
            const std::size_t n2 = leadingRun(z2, at2);
            const Elements run1(z1.begin() + static_cast<std::ptrdiff_t>(at1),
                                z1.begin() + static_cast<std::ptrdiff_t>(at1 + n1));
            const Elements run2(z2.begin() + static_cast<std::ptrdiff_t>(at2),
                                z2.begin() + static_cast<std::ptrdiff_t>(at2 + n2));
            at1 += n1;
            at2 += n2;
            cursor = static_cast<int>(v.size());
            const Elements merged =
                order ? insertAllSorted(run1, run2) : insertOneByOne(run1, run2, wild);
            v.insert(v.end(), merged.begin(), merged.end());
        }
        const bool finished = runs >= previousRuns;
        previousRuns = runs;
        if (finished) break;
    }
    ListAlgorithms::rearrange(list, v, cursor);
}

}  // namespace sortfinish
