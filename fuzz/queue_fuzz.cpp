// Arbitrary bytes as a queue file: they load or are refused with a FileError.
// A loaded queue must keep its invariants and save to bytes that load back to
// the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "elements/errors.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/liste.h"

namespace {
std::string saved(const TFifo& queue) {
    StringOutputStream out;
    TWriter w(out);
    queue.save(w);
    w.flush();
    return out.bytes();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
        return true;
    }();
    (void)ready;
    TFifo queue;
    bool loaded = false;
    fuzzLoad(data, size, [&](TReader& r) {
        queue.load(r);
        loaded = true;
    });
    if (!queue.verify()) {
        std::abort();
    }
    if (loaded) {
        const std::string first = saved(queue);
        TFifo again;
        fuzzLoad(reinterpret_cast<const uint8_t*>(first.data()), first.size(),
                 [&](TReader& r) { again.load(r); });
        if (saved(again) != first || again.count() != queue.count()) {
            std::abort();
        }
    }
    return 0;
}
