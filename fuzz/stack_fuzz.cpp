// Arbitrary bytes as a stack file (".kdt"): see fuzz/linearfuzz.h.
#include "fuzz/linearfuzz.h"
#include "linear/lifo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzLinearStructure<TLifo>(data, size, TLifoString::info);
    return 0;
}
