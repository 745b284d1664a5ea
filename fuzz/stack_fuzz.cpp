// Arbitrary bytes as a stack file: see fuzz/linearfuzz.h.
#include "fuzz/linearfuzz.h"
#include "linear/lifo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzLinearLoader<TLifo>(data, size);
}
