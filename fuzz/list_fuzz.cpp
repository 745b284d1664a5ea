// Arbitrary bytes as a list file (".ldt") on the "Liste" page: see
// fuzz/linearfuzz.h. The page's memo is the list display with its cursor
// arrow, the current position and the count.
#include "fuzz/linearfuzz.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzLinearPage<TListDemo>(
        data, size, [](TListDemo& list, TReader& r) { list.load(r); },
        [](TListDemo& list) {
            const ListDisplay display = renderList(list);
            return display.text + "|" + std::to_string(display.position) + "|" +
                   std::to_string(display.count);
        });
    return 0;
}
