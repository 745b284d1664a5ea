// The ".tdt" file records of the binary tree: byte images, round trips and
// the refusal of files that are not one well-formed tree.
#include <gtest/gtest.h>

#include <fstream>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "tests/support/recorders.h"
#include "tests/trees/treesupport.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

using treetest::chain;
using treetest::exampleTree;
using treetest::fromHex;
using treetest::node;
using treetest::TempFile;
using treetest::toHex;

namespace {

// The record of a TTreeInteger's class name.
const std::string kTreeIntegerName = "06 0C 54 54 72 65 65 49 6E 74 65 67 65 72";

class BinTreeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBinTreeClasses();
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

    // Loads and expects the refusal text; the tree must then be empty.
    static void expectRefused(const std::string& bytes, const std::string& text) {
        TBinTree tree;
        tree.root = node(99);  // content from before must not survive
        try {
            loadImage(tree, bytes);
            ADD_FAILURE() << "loaded: " << toHex(bytes);
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), text) << toHex(bytes);
        }
        EXPECT_TRUE(tree.empty());
    }

    RecordingMessages messages;
};

TEST_F(BinTreeFileTest, RootWithLeftChildIsThe36ByteImage) {
    TBinTree tree;
    tree.root = node(50, node(30));
    const std::string expected =
        kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 08";
    std::string bytes = image(tree);
    EXPECT_EQ(bytes.size(), 36u);
    EXPECT_EQ(toHex(bytes), expected);
}

TEST_F(BinTreeFileTest, RecordsArePreOrderWithTheElementsOwnClassNames) {
    TBinTree tree;
    tree.root = std::make_unique<TBinTreeNode>(
        node(-200), std::make_unique<TString>("A"),
        std::make_unique<TBinTreeNode>(nullptr, std::make_unique<TInteger>(70000), nullptr));
    const std::string expected =
        "06 07 54 53 74 72 69 6E 67 06 01 41 09 09 " +         // TString "A", both children
        kTreeIntegerName + " 03 38 FF 08 08 " +                // -200 in 16 bits, leaf
        "06 08 54 49 6E 74 65 67 65 72 04 70 11 01 00 08 08";  // TInteger 70000, leaf
    EXPECT_EQ(toHex(image(tree)), expected);
}

TEST_F(BinTreeFileTest, EmptyTreeWritesNothing) {
    TBinTree tree;
    EXPECT_EQ(image(tree), "");
}

TEST_F(BinTreeFileTest, The36ByteImageLoadsAsRootWithLeftChild) {
    TBinTree tree;
    loadImage(tree,
              fromHex(kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 08"));
    TBinTree expected;
    expected.root = node(50, node(30));
    EXPECT_EQ(tree.compare(expected), kEqual);
    EXPECT_EQ(tree.root->getLeft()->getValue()->className(), "TTreeInteger");
}

TEST_F(BinTreeFileTest, SaveThenLoadFileKeepsShapeOrderAndCount) {
    TempFile file("bintree_roundtrip.tdt");
    TBinTree tree;
    tree.root = node(50, node(30, node(10), node(40, node(35))), node(70, nullptr, node(90)));
    tree.save(file.path);
    TBinTree loaded;
    loaded.load(file.path);
    EXPECT_EQ(loaded.compare(tree), kEqual);
    EXPECT_EQ(loaded.count(), 7);
    EXPECT_EQ(loaded.depth(), 4);
    std::ifstream in(file.path, std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, image(tree));
}

TEST_F(BinTreeFileTest, LoadReplacesAPreviousTree) {
    TBinTree tree;
    tree.root = exampleTree();
    loadImage(tree, fromHex(kTreeIntegerName + " 02 07 08 08"));
    EXPECT_EQ(tree.count(), 1);
    EXPECT_EQ(static_cast<TInteger*>(tree.root->getValue())->getValue(), 7);
}

TEST_F(BinTreeFileTest, EmptyOrCutFilesAreRefusedWithTheReadError) {
    expectRefused("", errtext::readError);
    const std::string whole =
        fromHex(kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 08");
    for (std::size_t cut = 1; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        TBinTree tree;
        EXPECT_THROW(loadImage(tree, whole.substr(0, cut)), FileError);
        EXPECT_TRUE(tree.empty());
    }
}

TEST_F(BinTreeFileTest, UnknownOrNonElementClassesAreRefused) {
    expectRefused(fromHex("06 04 54 46 6F 6F 02 01 08 08"), "Klasse TFoo nicht gefunden");
    // TBinTree is registered but cannot be an element.
    TBinTree tree;
    EXPECT_THROW(loadImage(tree, fromHex("06 08 54 42 69 6E 54 72 65 65 08 08")), FileError);
    EXPECT_TRUE(tree.empty());
}

TEST_F(BinTreeFileTest, DataAfterTheTreeIsLeftUnread) {
    TBinTree tree;
    loadImage(tree, fromHex(kTreeIntegerName + " 02 32 08 08 08 FF"));
    EXPECT_EQ(toHex(image(tree)), toHex(fromHex(kTreeIntegerName + " 02 32 08 08")));
}

TEST_F(BinTreeFileTest, FailedFileLoadLeavesTheTreeEmpty) {
    TBinTree tree;
    tree.root = exampleTree();
    EXPECT_THROW(tree.load(::testing::TempDir() + "no_such_dir/none.tdt"), FileError);
    EXPECT_TRUE(tree.empty());
}

TEST_F(BinTreeFileTest, DeepChainsSaveAndLoadWithoutRecursion) {
    for (bool goLeft : {true, false}) {
        TBinTree tree;
        tree.root = chain(65535, goLeft);
        std::string bytes = image(tree);
        std::size_t expectedSize = 0;  // name, value in its smallest form, two flags
        for (int i = 0; i < 65535; ++i) expectedSize += 14 + (i < 128 ? 2 : i < 32768 ? 3 : 5) + 2;
        EXPECT_EQ(bytes.size(), expectedSize);
        TBinTree loaded;
        loadImage(loaded, bytes);
        EXPECT_EQ(loaded.compare(tree), kEqual);
        EXPECT_EQ(loaded.depth(), 65535);
    }
}

TEST_F(BinTreeFileTest, MoreThan65535NodesAreRefused) {
    // A right chain: every record has a right child except the last.
    std::string record = fromHex(kTreeIntegerName + " 02 01 08 09");
    std::string bytes;
    for (int i = 0; i < 65534; ++i) bytes += record;
    bytes += fromHex(kTreeIntegerName + " 02 01 08 08");
    TBinTree tree;
    loadImage(tree, bytes);  // exactly 65535 nodes are fine
    EXPECT_EQ(tree.count(), 65535);
    bytes.insert(0, record);
    expectRefused(bytes, kInvalidBinTreeFile);
}

}  // namespace
