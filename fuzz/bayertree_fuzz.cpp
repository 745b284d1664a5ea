// Arbitrary bytes as a ".bdt" image: the B-tree loads or is refused with a
// FileError, and a refused tree is empty. A loaded tree must pass its own
// invariant check and the full check below, save to an image that loads back
// to itself, copy to the same image, and survive deleting and re-inserting its
// keys. The same bytes then go through the "BayerBaum" page's Load: its tree
// of whole numbers is drawn into a recorder, saved, loaded again and drawn the
// same.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "demo/bayertreedemo.h"
#include "elements/base.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "trees/bayertree.h"

namespace {
// Opens the protected operations for the round trip below.
class FuzzTree final : public TBayerTree {
public:
    using TBayerTree::insert;
    using TBayerTree::remove;
    using TBayerTree::TBayerTree;
};

std::string treeImage(const TBayerTree& tree) {
    return savedImage([&](TWriter& writer) { tree.saveTo(writer); });
}

void loadImage(TBayerTree& tree, const std::string& bytes) {
    MemoryInputStream in(bytes);
    TReader reader(in);
    tree.loadFrom(reader);
}

// Every invariant, checked apart from the tree's own problem(): page fill
// (1..4 keys at the root, 2..4 below), children all or none, all leaves on one
// level of at most three, keys of the key class (or of one class) ascending
// strictly in order, the count, and every key found again.
void checkFully(const TBayerTree& tree) {
    std::vector<const TBase*> keys;
    int leafLevel = 0;
    struct Frame {
        const TBayerTreeNode* page;
        int level;
        int next;  // the next child to descend into, 0..count()
    };
    std::vector<Frame> frames;
    if (const TBayerTreeNode* root = tree.root()) frames.push_back({root, 1, 0});
    while (!frames.empty()) {
        Frame& f = frames.back();
        const TBayerTreeNode& page = *f.page;
        if (f.next == 0) {
            require(page.count() >= (f.level == 1 ? 1 : TBayerTree::kMinKeys));
            require(page.count() <= TBayerTreeNode::kMaxKeys);
            require(f.level <= TBayerTree::kMaxLevels);
            const bool inner = page.child(0) != nullptr;
            for (int i = 1; i <= page.count(); ++i) require((page.child(i) != nullptr) == inner);
            if (!inner) {
                require(leafLevel == 0 || leafLevel == f.level);
                leafLevel = f.level;
            }
        }
        if (f.next > page.count()) {
            frames.pop_back();
            continue;
        }
        const int i = f.next++;
        const int level = f.level;
        if (i > 0) keys.push_back(&page.key(i));
        if (const TBayerTreeNode* child = page.child(i)) frames.push_back({child, level + 1, 0});
    }
    require(keys.size() == static_cast<std::size_t>(tree.count()));
    require(leafLevel == tree.depth());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const TBase& key = *keys[k];
        if (tree.keyClass() != nullptr) require(&key.classInfo() == tree.keyClass());
        require(key.sameClass(*keys[0]));
        if (k > 0) require(keys[k - 1]->compare(key) == kLess);
    }
    // TTBruch's cross-product order is no order for non-positive denominators
    // or overflowing products: a key may then be missed by a search.
    if (!keys.empty() && keys[0]->className() == "TTBruch") return;
    for (const TBase* key : keys) require(tree.lookUp(*key) == key);
}

void exercise(const ClassInfo* keyClass, TReader& reader) {
    FuzzTree tree(keyClass);
    try {
        tree.loadFrom(reader);
    } catch (const FileError&) {
        if (!tree.empty() || tree.count() != 0) __builtin_trap();
        throw;
    }
    if (!tree.verify()) __builtin_trap();
    if (tree.depth() > TBayerTree::kMaxLevels || tree.count() > 124) __builtin_trap();
    checkFully(tree);
    const std::string saved = treeImage(tree);
    FuzzTree again(keyClass);
    loadImage(again, saved);
    if (treeImage(again) != saved) __builtin_trap();
    // Copies of display strings are plain texts: neither the tree's copy nor
    // copied keys are then like the originals.
    if (tree.empty() || !copyKeepsClass(tree.root()->key(1))) return;
    std::unique_ptr<TBase> copy = tree.copy();
    if (treeImage(static_cast<TBayerTree&>(*copy)) != saved) __builtin_trap();

    // Every key can be found, removed and inserted again; the tree stays
    // sound after each step.
    std::vector<std::unique_ptr<TBase>> keys;
    const TBayerTreeNode* root = tree.root();
    for (int i = 1; i <= root->count(); ++i) keys.push_back(root->key(i).copy());
    if (const TBayerTreeNode* first = root->child(0)) {
        for (int i = 1; i <= first->count(); ++i) keys.push_back(first->key(i).copy());
    }
    for (const auto& key : keys) {
        if (tree.lookUp(*key) == nullptr) __builtin_trap();
        if (!tree.remove(*key)) __builtin_trap();
        if (!tree.verify()) __builtin_trap();
    }
    for (auto& key : keys) {
        tree.insert(std::move(key));  // may be refused on a full path
        if (!tree.verify()) __builtin_trap();
    }
    checkFully(tree);
}

// What the page shows of its tree: the drawing and the count field.
struct Shown {
    RecordingSurface image{497, 305};
    RecordingText count;

    std::string text() const {
        std::string all;
        for (const std::string& line : image.log) all += line + "\n";
        return all + count.text();
    }
};

// The page's Load: a new tree in place of the old one reads the file; an
// empty file is no tree file. A refused file leaves a new empty tree, drawn.
void loadOnPage(std::unique_ptr<TBayerTreeDemo>& tree, Shown& shown, TReader& reader) {
    tree = std::make_unique<TBayerTreeDemo>();
    try {
        if (reader.atEnd()) throw FileError(errtext::readError);
        tree->loadFrom(reader);
    } catch (...) {
        require(tree->empty());
        tree = std::make_unique<TBayerTreeDemo>();
        tree->zeichne(shown.image, shown.count);
        throw;
    }
    tree->zeichne(shown.image, shown.count);
}

void pagePath(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TBayerTreeDemo> tree;
    Shown shown;
    if (!fuzzLoad(data, size, [&](TReader& r) { loadOnPage(tree, shown, r); })) return;
    require(!tree->empty());  // so the page's Save takes it
    checkFully(*tree);
    const std::string saved = treeImage(*tree);
    std::unique_ptr<TBayerTreeDemo> again;
    Shown second;
    loadSaved(saved, [&](TReader& r) { loadOnPage(again, second, r); });
    require(second.text() == shown.text());
    require(treeImage(*again) == saved);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The general tree (any one ordered key class) and the page's tree.
    fuzzLoad(data, size, [](TReader& reader) { exercise(nullptr, reader); });
    fuzzLoad(data, size, [](TReader& reader) { exercise(&TInteger::info, reader); });
    pagePath(data, size);
    return 0;
}
