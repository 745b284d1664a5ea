// Arbitrary bytes as a ".tdt" image: the tree loads or is refused with a
// FileError. A loaded tree is measured, copied, mirrored, drawn (when its
// elements can draw) and saved, and the saved image must load back to itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

namespace {
// Drawing goes nowhere.
class NullSurface final : public Surface {
public:
    int width() const override { return 497; }
    int height() const override { return 293; }
    void setFontName(std::string_view) override {}
    void setFontSize(int) override {}
    void setFontBold(bool) override {}
    void setFontColor(Color) override {}
    void setPenColor(Color) override {}
    void setBrushColor(Color) override {}
    void textOut(int, int, std::string_view) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
};

// Only the page's own elements draw themselves; any other element class ends
// the program in paintValue, as every abstract operation does.
bool drawable(const TBinTree& tree) {
    return walkPreorder(tree.root.get(), [](const TBinTreeNode& node, std::size_t) {
        return dynamic_cast<const TTreeInteger*>(node.getValue()) != nullptr;
    });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        registerElementClasses();
        registerBinTreeClasses();
        return true;
    }();
    (void)ready;
    fuzzLoad(data, size, [](TReader& reader) {
        TBinTree tree;
        try {
            tree.load(reader);
        } catch (const FileError&) {
            if (!tree.empty()) __builtin_trap();  // a refused file leaves nothing behind
            throw;
        }
        if (!tree.verify()) __builtin_trap();
        (void)tree.depth();
        (void)tree.count();
        (void)tree.balanced();
        const std::string saved = image(tree);
        std::unique_ptr<TBase> copy = tree.copy();
        if (image(static_cast<TBinTree&>(*copy)) != saved) __builtin_trap();
        if (drawable(tree)) {
            if (tree.compare(*copy) != kEqual) __builtin_trap();
            NullSurface surface;
            tree.paint(surface, 248, 10, 30, 10, 248, false);
        }
        tree.swap();
        tree.swap();
        if (image(tree) != saved) __builtin_trap();
        TBinTree again;
        MemoryInputStream in(saved);
        TReader rereader(in);
        again.load(rereader);
        if (image(again) != saved) __builtin_trap();
    });
    return 0;
}
