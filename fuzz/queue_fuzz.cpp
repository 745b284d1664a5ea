// Arbitrary bytes as a queue file (".sdt"): see fuzz/linearfuzz.h.
#include "fuzz/linearfuzz.h"
#include "linear/fifo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzLinearStructure<TFifo>(data, size, TFifoString::info);
    return 0;
}
