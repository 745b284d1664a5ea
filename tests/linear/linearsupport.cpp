#include "tests/linear/linearsupport.h"

#include <stdexcept>

#include "elements/values.h"

namespace lineartest {

std::string integers(TListe& list) {
    std::string text;
    const int saved = list.position();
    for (int i = 0; i < list.count(); ++i) {
        const auto* v = dynamic_cast<const TInteger*>(list.elemAt(i));
        text += (text.empty() ? "" : " ") + (v ? std::to_string(v->getValue()) : "?");
    }
    list.moveTo(saved);
    return text;
}

std::string strings(TListe& list) {
    std::string text;
    const int saved = list.position();
    for (int i = 0; i < list.count(); ++i) {
        const auto* v = dynamic_cast<const TString*>(list.elemAt(i));
        text += (i == 0 ? "" : " ") + (v ? v->getValue() : "?");
    }
    list.moveTo(saved);
    return text;
}

std::vector<std::unique_ptr<TBase>> oneOfEachValueClass() {
    std::vector<std::unique_ptr<TBase>> v;
    v.push_back(std::make_unique<TChar>('\xE4'));
    v.push_back(std::make_unique<TInt64>(std::int64_t{1} << 40));
    v.push_back(std::make_unique<TByte>(std::uint8_t{200}));
    v.push_back(std::make_unique<TWord>(std::uint16_t{65535}));
    v.push_back(std::make_unique<TLongint>(-70000));
    v.push_back(std::make_unique<TReal>(0.1));
    v.push_back(std::make_unique<TExtended>(Extended(1.0)));
    v.push_back(std::make_unique<TBoolean>(true));
    v.push_back(std::make_unique<TTColor>(0x00FF00));
    v.push_back(std::make_unique<TTBruch>(Fraction{2, 4}));
    v.push_back(std::make_unique<TString>("abc"));
    v.push_back(std::make_unique<TInteger>(5));
    return v;
}

namespace {

void literalQuickSortRange(TListe& l, int lo, int hi) {
    TBase* pivot = l.elemAt((lo + hi) / 2);
    int i = lo;
    int j = hi;
    do {
        l.moveTo(i);
        while (l.elem() && l.elem()->compare(*pivot) == kLess) {
            l.advance();
        }
        i = l.position();
        l.moveTo(j);
        while (l.elem()->compare(*pivot) == kGreater) {
            if (l.position() == 0) {
                throw std::logic_error("literal quicksort runs off the start");
            }
            l.stepBack();
        }
        j = l.position();
        if (i <= j) {
            l.swap(static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j));
            ++i;
            --j;
        }
    } while (!(j < i));
    if (lo < j) {
        literalQuickSortRange(l, lo, j);
    }
    if (i < hi) {
        literalQuickSortRange(l, i, hi);
    }
}

}  // namespace

void literalQuickSort(TListe& list) {
    if (!list.isEmpty()) {
        literalQuickSortRange(list, 0, list.count() - 1);
    }
}

void literalInsertionSort(TListe& l) {
    const int n = l.count();
    if (n < 2) {
        return;
    }
    for (int i = 1; i <= n - 1; ++i) {
        std::unique_ptr<TBase> e = l.elemAt(i)->copy();
        l.deleteElem();
        l.reset();
        while (l.position() < i && l.elem()->compare(*e) == kLess) {
            l.advance();
        }
        l.insert(std::move(e));
    }
}

void literalSortAscii(TListe& l) {
    if (l.isEmpty()) {
        return;
    }
    auto group = std::make_unique<TListe>();
    l.reset();
    const std::string name(l.elem()->className());
    group->insert(l.elem()->copy());
    l.deleteElem();
    while (!l.isAtEnd()) {
        if (l.elem()->className() == name) {
            group->insert(l.elem()->copy());
            l.deleteElem();
        } else {
            l.advance();
        }
    }
    literalQuickSort(*group);
    literalSortAscii(l);
    l.appendList(group);
}

}  // namespace lineartest
