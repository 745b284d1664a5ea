#include "linear/sortliste.h"

#include "linear/listalgorithms.h"

const ClassInfo TSortListe::info{"TSortListe", &TListe::info, nullptr};

bool TSortListe::insertSorted(std::unique_ptr<TBase> e) {
    return ListAlgorithms::insertSorted(*this, std::move(e));
}

void TSortListe::insertAllSorted(std::unique_ptr<TListe>& src) {
    ListAlgorithms::insertAllSorted(*this, src);
}
