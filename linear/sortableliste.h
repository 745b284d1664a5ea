// TSortableListe: a list that can be sorted afterwards by straight insertion
// or quicksort. The sorts live in ListAlgorithms and work on any TListe.
#pragma once

#include "linear/liste.h"

class TSortableListe : public TListe {
public:
    static const ClassInfo info;

    const ClassInfo& classInfo() const override { return info; }

    // See ListAlgorithms::insertionSort.
    void insertionSort();
    // See ListAlgorithms::quickSort.
    void quickSort();
};
