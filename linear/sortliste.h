// TSortListe: a list kept in order by inserting each element at its place.
// The operations themselves live in ListAlgorithms and work on any TListe.
#pragma once

#include <memory>

#include "linear/liste.h"

class TSortListe : public TListe {
public:
    static const ClassInfo info;

    const ClassInfo& classInfo() const override { return info; }

    // See ListAlgorithms::insertSorted.
    bool insertSorted(std::unique_ptr<TBase> e);
    // See ListAlgorithms::insertAllSorted.
    void insertAllSorted(std::unique_ptr<TListe>& src);
};
