// Arbitrary bytes as a ".ndt" image: the tree loads or is refused with a
// FileError. A loaded tree is measured, copied, searched and saved again,
// and the saved image must load back to the same image.
#include <cstddef>
#include <cstdint>
#include <string>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "linear/liste.h"
#include "trees/ntree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        registerElementClasses();
        registerListClasses();
        registerNtreeClasses();
        return true;
    }();
    (void)ready;
    fuzzLoad(data, size, [](TReader& reader) {
        TNtree tree;
        try {
            tree.load(reader);
        } catch (const FileError&) {
            if (!tree.empty()) __builtin_trap();  // a refused file leaves nothing behind
            throw;
        }
        if (!tree.verify()) __builtin_trap();
        (void)tree.depth();
        (void)tree.lookUp(TString("A"));
        std::unique_ptr<TBase> copy = tree.copy();
        const std::string saved = image(tree);
        if (image(static_cast<TNtree&>(*copy)) != saved) __builtin_trap();
        TNtree again;
        MemoryInputStream in(saved);
        TReader rereader(in);
        again.load(rereader);
        if (image(again) != saved) __builtin_trap();
    });
    return 0;
}
