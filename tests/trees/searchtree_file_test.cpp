// ".tdt" and ".adt" files of the search and AVL trees: golden byte images,
// round trips, and the refusal of files that are no search tree or whose
// balance factors are wrong (the tree is then empty).
#include <gtest/gtest.h>

#include <limits>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "tests/support/recorders.h"
#include "tests/trees/searchsupport.h"
#include "tests/trees/treesupport.h"
#include "trees/avltree.h"
#include "trees/searchtree.h"

using searchtest::avlNode;
using searchtest::shape;
using treetest::fromHex;
using treetest::node;
using treetest::TempFile;
using treetest::toHex;

namespace {

const std::string kTreeIntegerName = "06 0C 54 54 72 65 65 49 6E 74 65 67 65 72";
const std::string kIntegerName = "06 08 54 49 6E 74 65 67 65 72";

class SearchTreeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }

    static std::string image(const TBinTree& tree) {
        StringOutputStream out;
        {
            TWriter writer(out);
            tree.save(writer);
        }
        return out.bytes();
    }

    static void loadImage(TBinTree& tree, const std::string& bytes) {
        MemoryInputStream in(bytes);
        TReader reader(in);
        tree.load(reader);
    }

    // Loads into a tree that held something before; expects the refusal text
    // and an empty tree afterwards.
    template <typename Tree>
    static void expectRefused(const std::string& hexBytes, const std::string& text) {
        Tree tree;
        tree.insert(std::make_unique<TTreeInteger>(99));
        try {
            loadImage(tree, fromHex(hexBytes));
            ADD_FAILURE() << "loaded: " << hexBytes;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), text) << hexBytes;
        }
        EXPECT_TRUE(tree.empty());
        // The tree is usable afterwards.
        tree.insert(std::make_unique<TTreeInteger>(5));
        EXPECT_EQ(tree.count(), 1);
    }

    // A leaf record of a TTreeInteger (value below 128).
    static std::string leaf(int value) {
        return kTreeIntegerName + " 02 " + toHex(std::string(1, static_cast<char>(value))) +
               " 08 08 ";
    }

    RecordingMessages messages;
};

TEST_F(SearchTreeFileTest, SearchTreeWithLeftChildIsThe36ByteImage) {
    TSearchTree tree;
    tree.insert(std::make_unique<TTreeInteger>(50));
    tree.insert(std::make_unique<TTreeInteger>(30));
    const std::string bytes = image(tree);
    EXPECT_EQ(bytes.size(), 36u);
    EXPECT_EQ(toHex(bytes), kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 08");
    TSearchTree loaded;
    loadImage(loaded, bytes);
    EXPECT_EQ(shape(loaded.root.get()), "50(30,-)");
    // Bytes after the tree are left unread.
    loadImage(loaded, bytes + fromHex("08 FF"));
    EXPECT_EQ(shape(loaded.root.get()), "50(30,-)");
}

TEST_F(SearchTreeFileTest, AvlTreeWithLeftChildIsThe40ByteImage) {
    TAvlTree tree;
    tree.insert(std::make_unique<TTreeInteger>(50));
    tree.insert(std::make_unique<TTreeInteger>(30));
    const std::string expected =
        kTreeIntegerName + " 02 32 02 FF 09 08 " + kTreeIntegerName + " 02 1E 02 00 08 08";
    const std::string bytes = image(tree);
    EXPECT_EQ(bytes.size(), 40u);
    EXPECT_EQ(toHex(bytes), expected);
    TAvlTree loaded;
    loadImage(loaded, bytes + fromHex("02 07"));  // bytes after the tree are left unread
    EXPECT_EQ(shape(loaded.root.get()), "50[-1](30[0],-)");
    EXPECT_TRUE(loaded.verify());
}

TEST_F(SearchTreeFileTest, SaveThenLoadFilesKeepsShapeAndFactors) {
    TempFile tdt("search_roundtrip.tdt");
    TempFile adt("search_roundtrip.adt");
    TSearchTree search;
    TAvlTree avl;
    for (int v : {50, 30, 70, 20, 40, 35, 80, 10, 5, 60}) {
        search.insert(std::make_unique<TTreeInteger>(v));
        avl.insert(std::make_unique<TTreeInteger>(v));
    }
    search.save(tdt.path);
    avl.save(adt.path);
    TSearchTree search2;
    search2.load(tdt.path);
    TAvlTree avl2;
    avl2.load(adt.path);
    EXPECT_EQ(search2.compare(search), kEqual);
    EXPECT_EQ(shape(avl2.root.get()), shape(avl.root.get()));
    EXPECT_EQ(avl2.compare(avl), kEqual);
    EXPECT_TRUE(avl2.verify());
}

TEST_F(SearchTreeFileTest, TreesOfOtherOrderedClassesLoad) {
    // TInteger 1 (-, TInteger 2): one class with an order, ascending.
    TSearchTree tree;
    loadImage(tree, fromHex(kIntegerName + " 02 01 08 09 " + kIntegerName + " 02 02 08 08"));
    EXPECT_EQ(tree.count(), 2);
    EXPECT_TRUE(tree.verify());
}

TEST_F(SearchTreeFileTest, MixedClassesAreRefused) {
    // TTreeInteger 50 with a TInteger 30 on its left.
    expectRefused<TSearchTree>(kTreeIntegerName + " 02 32 09 08 " + kIntegerName + " 02 1E 08 08",
                               kMixedClassesFile);
}

TEST_F(SearchTreeFileTest, KeysOutOfSearchOrderAreRefused) {
    // 30 with 50 on its left.
    expectRefused<TSearchTree>(kTreeIntegerName + " 02 1E 09 08 " + leaf(50), kUnorderedFile);
    // A duplicate: 30 with 30 on its right.
    expectRefused<TSearchTree>(kTreeIntegerName + " 02 1E 08 09 " + leaf(30), kUnorderedFile);
    // Deep violation: 50 (30 (-, 60)) is in order locally but 60 > 50.
    expectRefused<TSearchTree>(
        kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 09 " + leaf(60),
        kUnorderedFile);
}

TEST_F(SearchTreeFileTest, ClassesWithoutAnOrderAreRefused) {
    // TBoolean false (-, true): compare gives 1 both ways.
    const std::string boolean = "06 08 54 42 6F 6F 6C 65 61 6E";
    expectRefused<TSearchTree>(boolean + " 08 08 09 " + boolean + " 09 08 08", kUnorderedFile);
}

TEST_F(SearchTreeFileTest, AKeyThatIsNotEqualToItselfIsRefused) {
    // A single TReal NaN: a search for it could never find it.
    StringOutputStream out;
    {
        TWriter writer(out);
        writer.writeString("TReal");
        writer.writeFloat(std::numeric_limits<double>::quiet_NaN());
        writer.writeBoolean(false);
        writer.writeBoolean(false);
    }
    expectRefused<TSearchTree>(toHex(out.bytes()), kUnorderedFile);
}

TEST_F(SearchTreeFileTest, AvlFactorsOutsideTheRangeAreRefused) {
    // Factor 2, and factor 257 whose low 8 bits would read as +1.
    expectRefused<TAvlTree>(kTreeIntegerName + " 02 32 02 02 08 08", kFactorOutOfRangeFile);
    expectRefused<TAvlTree>(kTreeIntegerName + " 02 32 03 01 01 08 08", kFactorOutOfRangeFile);
}

TEST_F(SearchTreeFileTest, AvlFactorsThatDifferFromTheHeightsAreRefused) {
    // 50 [0] with a left child 30: the real factor is -1.
    expectRefused<TAvlTree>(
        kTreeIntegerName + " 02 32 02 00 09 08 " + kTreeIntegerName + " 02 1E 02 00 08 08",
        kFactorMismatchFile);
    // A chain 3 [-1] (2 [-1] (1 [0])): the root's real difference is 2.
    expectRefused<TAvlTree>(kTreeIntegerName + " 02 03 02 FF 09 08 " + kTreeIntegerName +
                                " 02 02 02 FF 09 08 " + kTreeIntegerName + " 02 01 02 00 08 08",
                            kFactorMismatchFile);
}

TEST_F(SearchTreeFileTest, AvlFilesAreCheckedForSearchOrderToo) {
    expectRefused<TAvlTree>(
        kTreeIntegerName + " 02 1E 02 FF 09 08 " + kTreeIntegerName + " 02 32 02 00 08 08",
        kUnorderedFile);
}

TEST_F(SearchTreeFileTest, AnAvlFileBrokenInOrderAndFactorsIsRefusedForTheOrder) {
    // 50 [0] with the leaf 30 [+1] (whose real factor is 0) on the left and
    // 40 on the right: the wrong factor comes first in the file, the order
    // break still decides.
    expectRefused<TAvlTree>(kTreeIntegerName + " 02 32 02 00 09 09 " + kTreeIntegerName +
                                " 02 1E 02 01 08 08 " + kTreeIntegerName + " 02 28 02 00 08 08",
                            kUnorderedFile);
}

TEST_F(SearchTreeFileTest, CutAvlFilesAreRefusedAndLeaveTheTreeEmpty) {
    const std::string whole =
        fromHex(kTreeIntegerName + " 02 32 02 FF 09 08 " + kTreeIntegerName + " 02 1E 02 00 08 08");
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        TAvlTree tree;
        tree.insert(std::make_unique<TTreeInteger>(7));
        EXPECT_THROW(loadImage(tree, whole.substr(0, cut)), FileError) << cut;
        EXPECT_TRUE(tree.empty()) << cut;
    }
}

TEST_F(SearchTreeFileTest, DeepSortedChainsLoadAndAreCheckedWithoutRecursion) {
    // 60000 ascending keys as a right chain: TInteger records, pre-order.
    std::string bytes;
    const int n = 60000;
    for (int v = 1; v <= n; ++v) {
        StringOutputStream out;
        {
            TWriter writer(out);
            writer.writeString("TInteger");
            writer.writeInteger(v);
            writer.writeBoolean(false);
            writer.writeBoolean(v < n);
        }
        bytes += out.bytes();
    }
    TSearchTree tree;
    loadImage(tree, bytes);
    EXPECT_EQ(tree.count(), n);
    EXPECT_NE(tree.lookUp(TInteger(n)), nullptr);
    tree.remove(std::make_unique<TInteger>(1));
    EXPECT_EQ(tree.count(), n - 1);
    tree.balance();
    EXPECT_EQ(tree.depth(), 16);
    EXPECT_TRUE(tree.verify());
}

TEST_F(SearchTreeFileTest, LongAvlChainsAreRefusedWithoutRecursion) {
    std::string bytes;
    const int n = 30000;
    for (int v = 1; v <= n; ++v) {
        StringOutputStream out;
        {
            TWriter writer(out);
            writer.writeString("TInteger");
            writer.writeInteger(v);
            writer.writeInteger(v < n ? 1 : 0);
            writer.writeBoolean(false);
            writer.writeBoolean(v < n);
        }
        bytes += out.bytes();
    }
    TAvlTree tree;
    EXPECT_THROW(loadImage(tree, bytes), FileError);
    EXPECT_TRUE(tree.empty());
}

}  // namespace
