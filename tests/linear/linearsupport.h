// Helpers shared by the linear tests: byte images as hex text (the helpers
// of tests/support/hex.h), writing and reading through in-memory streams, a
// value fingerprint that tells apart every observable difference of two
// elements, and the list's contents as text.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "elements/base.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/liste.h"
#include "tests/support/hex.h"

namespace lineartest {

using testsupport::fromHex;
using testsupport::toHex;

// The bytes that fn writes through a TWriter.
inline std::string written(const std::function<void(TWriter&)>& fn) {
    StringOutputStream out;
    {
        TWriter w(out);
        fn(w);
        w.flush();
    }
    return out.bytes();
}

// Runs fn on a TReader over the bytes; returns true when all were consumed.
inline bool readAll(const std::string& bytes, const std::function<void(TReader&)>& fn) {
    MemoryInputStream in(bytes);
    TReader r(in);
    fn(r);
    return r.atEnd();
}

// Class name and stored value: equal exactly when two elements cannot be
// told apart (1/2 and 2/4 differ, a TLifoString differs from a TString).
inline std::string fingerprint(const TBase& e) {
    return std::string(e.className()) + ":" + toHex(written([&](TWriter& w) { e.saveValue(w); }));
}

// An element of the same class with the same value, made the way loading
// makes it (copy would turn a subclass such as TLifoString into TString).
inline std::unique_ptr<TBase> twin(const TBase& e) {
    std::unique_ptr<TBase> result = registry::find(e.className()).makeDefault();
    const std::string bytes = written([&](TWriter& w) { e.saveValue(w); });
    MemoryInputStream in(bytes);
    TReader r(in);
    result->loadValue(r);
    return result;
}

inline std::vector<std::string> fingerprints(TListe& list) {
    std::vector<std::string> result;
    const int saved = list.position();
    for (int i = 0; i < list.count(); ++i) {
        result.push_back(fingerprint(*list.elemAt(i)));
    }
    list.moveTo(saved);
    return result;
}

// The elements' addresses, index 0 first; the cursor ends where it was.
inline std::vector<const TBase*> identities(TListe& list) {
    std::vector<const TBase*> result;
    const int saved = list.position();
    for (int i = 0; i < list.count(); ++i) {
        result.push_back(list.elemAt(i));
    }
    list.moveTo(saved);
    return result;
}

// The TInteger values of a list of TIntegers, e.g. "1 2 3".
std::string integers(TListe& list);
// The TString values of a list of TStrings, e.g. "a b c".
std::string strings(TListe& list);

// One element of every value class, in a fixed order.
std::vector<std::unique_ptr<TBase>> oneOfEachValueClass();

// The list sorts step by step as the list operations do them, every
// positioned access walking from the head: the reference for the fast sorts.
// Only for lists on which compare is an order; the literal quicksort throws
// std::logic_error where it would run off the start.
void literalQuickSort(TListe& list);
void literalInsertionSort(TListe& list);
void literalSortAscii(TListe& list);

}  // namespace lineartest
