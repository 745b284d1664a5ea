#include "linear/listalgorithms.h"

#include <string_view>
#include <utility>
#include <vector>

#include "elements/platform.h"
#include "linear/liste.h"

// The sorts give exactly the result of their step-by-step list formulation
// (every positioned access walking from the head), including the final cursor
// position, but run on a vector of the elements: the identical sequence of
// compares and exchanges, without the walks.

namespace {

using Slot = std::unique_ptr<TBase>;

// The element slots of the list's nodes, index 0 first.
std::vector<Slot*> slotsOf(TListNode* head) {
    std::vector<Slot*> slots;
    for (TListNode* n = head->next.get(); n; n = n->next.get()) {
        slots.push_back(&n->element);
    }
    return slots;
}

// The partition sort on v[0..n-1] with the middle element as pivot (the
// element object itself, which moves with the exchanges). Returns the cursor
// position that the list formulation would end with.
//
// The scans are bounded to lo..hi. Where compare is an order they never reach
// beyond anyway (the pivot, or an element exchanged before, stops them), so
// the bounds change no result; where it is not (a NaN compares 1 with
// everything, itself included) they are what makes the sort end: every
// partition step then exchanges or finishes, and both subranges are smaller.
// The subranges go on an explicit stack, lo..j before i..hi as in the
// recursive formulation, so the depth does not grow with the list.
int quickSortPointers(std::vector<TBase*>& v, int startPos) {
    struct Range {
        int lo;
        int hi;
    };
    int pos = startPos;
    if (v.empty()) {
        return pos;
    }
    std::vector<Range> todo{{0, static_cast<int>(v.size()) - 1}};
    while (!todo.empty()) {
        const Range r = todo.back();
        todo.pop_back();
        const int mid = (r.lo + r.hi) / 2;
        const TBase& pivot = *v[mid];
        pos = mid;
        int i = r.lo;
        int j = r.hi;
        do {
            pos = i;
            while (pos < r.hi && v[pos]->compare(pivot) == kLess) {
                ++pos;
            }
            i = pos;
            pos = j;
            while (pos > r.lo && v[pos]->compare(pivot) == kGreater) {
                --pos;
            }
            j = pos;
            if (i <= j) {
                std::swap(v[i], v[j]);
                pos = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (i < r.hi) {
            todo.push_back({i, r.hi});
        }
        if (r.lo < j) {
            todo.push_back({r.lo, j});
        }
    }
    return pos;
}

}  // namespace

bool ListAlgorithms::insertSorted(TListe& list, std::unique_ptr<TBase> e) {
    list.reset();
    if (list.isEmpty()) {
        return list.insert(std::move(e));
    }
    if (!list.elem()->sameClass(*e)) {
        userMessages().information(kMixedClasses);
        return false;
    }
    while (!list.isAtEnd() && list.elem()->compare(*e) == kLess) {
        list.advance();
    }
    return list.insert(std::move(e));
}

void ListAlgorithms::insertAllSorted(TListe& list, std::unique_ptr<TListe>& src) {
    if (!src || src.get() == &list) {
        return;
    }
    src->reset();
    while (!src->isEmpty()) {
        insertSorted(list, src->elem()->copy());
        src->deleteElem();
    }
    src.reset();
}

void ListAlgorithms::insertionSort(TListe& list) {
    const int n = list.count_;
    if (n < 2) {
        return;
    }
    std::vector<Slot*> s = slotsOf(list.head_.get());
    int pos = list.position_;
    for (int i = 1; i < n; ++i) {
        Slot e = (*s[i])->copy();
        // The place is searched among indexes 0..i-1, which the removal of
        // index i does not move.
        int k = 0;
        while (k < i && (*s[k])->compare(*e) == kLess) {
            ++k;
        }
        Slot original = std::move(*s[i]);
        for (int m = i; m > k; --m) {
            *s[m] = std::move(*s[m - 1]);
        }
        *s[k] = std::move(e);
        pos = k;
    }
    list.placeCursor(static_cast<std::uint16_t>(pos));
}

void ListAlgorithms::quickSort(TListe& list) {
    if (list.isEmpty()) {
        return;
    }
    // The nodes keep owning their elements while the sort exchanges plain
    // pointers; the permutation is written back at the end.
    std::vector<TBase*> v;
    v.reserve(list.count_);
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        v.push_back(n->element.get());
    }
    const int pos = quickSortPointers(v, list.position_);
    std::size_t k = 0;
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        (void)n->element.release();
        n->element.reset(v[k++]);
    }
    list.placeCursor(static_cast<std::uint16_t>(pos));
}

void ListAlgorithms::sortAscii(TListe& list) {
    if (list.isEmpty()) {
        return;
    }
    // One group per class name (exact), in the order of first appearance. The
    // list formulation inserts each copy at the start of its group, so a
    // group holds its copies in reverse order when it is quick-sorted.
    struct Group {
        std::string_view name;
        std::vector<Slot> copies;
    };
    std::vector<Group> groups;
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        const std::string_view name = n->element->className();
        Group* group = nullptr;
        for (Group& g : groups) {
            if (g.name == name) {
                group = &g;
                break;
            }
        }
        if (!group) {
            group = &groups.emplace_back(Group{name, {}});
        }
        group->copies.push_back(n->element->copy());
    }
    for (Group& g : groups) {
        std::vector<TBase*> v;
        v.reserve(g.copies.size());
        for (auto it = g.copies.rbegin(); it != g.copies.rend(); ++it) {
            v.push_back(it->get());
        }
        quickSortPointers(v, 0);
        // The vector takes the sorted order; ownership is handed over in one
        // pass that cannot fail.
        for (std::size_t k = 0; k < v.size(); ++k) {
            (void)g.copies[k].release();
        }
        for (std::size_t k = 0; k < v.size(); ++k) {
            g.copies[k].reset(v[k]);
        }
    }
    // The group of the first element's class comes last.
    TListNode* n = list.head_->next.get();
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        for (Slot& copy : g->copies) {
            n->element = std::move(copy);
            n = n->next.get();
        }
    }
    list.placeCursor(static_cast<std::uint16_t>(list.count_ - groups.front().copies.size()));
}

std::vector<TBase*> ListAlgorithms::elements(const TListe& list) {
    std::vector<TBase*> out;
    out.reserve(list.count_);
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        out.push_back(n->element.get());
    }
    return out;
}

void ListAlgorithms::rearrange(TListe& list, const std::vector<TBase*>& order, int cursor) {
    // Every element is released before the nodes take the new order, so that
    // no element is ever owned twice.
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        (void)n->element.release();
    }
    std::size_t k = 0;
    for (TListNode* n = list.head_->next.get(); n; n = n->next.get()) {
        n->element.reset(order[k++]);
    }
    list.reset();
    list.moveTo(cursor);
}
