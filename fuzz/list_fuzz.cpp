// Arbitrary bytes as a list file: see fuzz/linearfuzz.h.
#include "fuzz/linearfuzz.h"
#include "linear/liste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzLinearLoader<TListe>(data, size);
}
