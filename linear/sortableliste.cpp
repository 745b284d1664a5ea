#include "linear/sortableliste.h"

#include "linear/listalgorithms.h"

const ClassInfo TSortableListe::info{"TSortableListe", &TListe::info, nullptr};

void TSortableListe::insertionSort() { ListAlgorithms::insertionSort(*this); }

void TSortableListe::quickSort() { ListAlgorithms::quickSort(*this); }
