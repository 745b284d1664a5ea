// ListAlgorithms: the ordering operations that work on every TListe (plain
// lists, sorted and sortable lists, the sort demonstration's lists). TSortListe
// and TSortableListe offer them as members that delegate here.
//
// All ordering uses the elements' compare and tests for exactly -1 or 1, so the
// operations also terminate, and keep every element exactly once, where compare
// is no order (booleans, NaN floats, fractions with denominators <= 0).
#pragma once

#include <memory>
#include <string_view>
#include <vector>

class TBase;
class TListe;

class ListAlgorithms {
public:
    // Inserts e in front of the first element that is not smaller; e becomes
    // current. When the first element has another class (upper-case names)
    // shows "In eine sortierte Liste können keine Exemplare unterschiedlicher
    // Klassen eingefügt werden", destroys e and returns false. False also when
    // the list is full.
    static bool insertSorted(TListe& list, std::unique_ptr<TBase> e);
    // insertSorted of a copy of each element of src in src's order; destroys
    // src (also elements whose copy was refused) and nulls the caller's pointer.
    static void insertAllSorted(TListe& list, std::unique_ptr<TListe>& src);
    // Straight insertion, ascending; equal elements end in reverse order.
    // Elements from index 1 on are replaced by copies. The cursor ends in front
    // of the last inserted element.
    static void insertionSort(TListe& list);
    // Partition sort with the middle element as pivot; elements are exchanged,
    // not copied. The cursor ends at the last position the partitioning used.
    // An empty list is left alone.
    static void quickSort(TListe& list);
    // The grouping sort behind TListe::sortAscii.
    static void sortAscii(TListe& list);

    // The list's elements, index 0 first; the list keeps owning them.
    static std::vector<TBase*> elements(const TListe& list);
    // Puts the list's elements into the given order (each element of the
    // list exactly once); the nodes stay, nothing is copied. The cursor ends
    // at `cursor`, clamped to 0..count().
    static void rearrange(TListe& list, const std::vector<TBase*>& order, int cursor);

    // Text of the class-mismatch message.
    static constexpr std::string_view kMixedClasses =
        "In eine sortierte Liste können keine Exemplare unterschiedlicher Klassen eingefügt "
        "werden";
};
