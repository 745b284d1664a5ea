// The ".ndt" file of the n-ary tree: the byte image, round trips, the node
// limit of the format and the refusal of inconsistent files.
#include <gtest/gtest.h>

#include <fstream>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/liste.h"
#include "tests/support/recorders.h"
#include "tests/trees/ntreesupport.h"
#include "tests/trees/treesupport.h"
#include "trees/ntree.h"

using ntreetest::chain;
using ntreetest::exampleTree;
using ntreetest::leaf;
using ntreetest::shape;
using treetest::fromHex;
using treetest::TempFile;
using treetest::toHex;

namespace {

const std::string kTString = "06 07 54 53 74 72 69 6E 67";
// Root A with the leaves B and C.
const std::string kExampleImage = "02 06 " + kTString + " 06 01 41 02 02 " + kTString +
                                  " 06 01 42 02 00 " + kTString + " 06 01 43 02 00";

class NtreeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerNtreeClasses();
    }

    static std::string image(const TNtree& tree) {
        StringOutputStream out;
        {
            TWriter writer(out);
            tree.save(writer);
        }
        return out.bytes();
    }

    static void loadImage(TNtree& tree, const std::string& bytes) {
        MemoryInputStream in(bytes);
        TReader reader(in);
        tree.load(reader);
    }

    static void expectRefused(const std::string& bytes, const std::string& text) {
        TNtree tree;
        exampleTree(tree);  // content from before must not survive
        try {
            loadImage(tree, bytes);
            ADD_FAILURE() << "loaded: " << toHex(bytes);
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), text) << toHex(bytes);
        }
        EXPECT_TRUE(tree.empty());
    }

    // A root "R" with `children` leaf children "c".
    static void wideTree(TNtree& tree, int children) {
        tree.createRoot(std::make_unique<TString>("R"), nullptr);
        for (int i = 0; i < children; ++i) tree.root->insertChild(leaf("c"));
    }

    RecordingMessages messages;
};

TEST_F(NtreeFileTest, RootWithTwoLeavesIsThe44ByteImage) {
    TNtree tree;
    exampleTree(tree);
    std::string bytes = image(tree);
    EXPECT_EQ(bytes.size(), 44u);
    EXPECT_EQ(toHex(bytes), kExampleImage);
}

TEST_F(NtreeFileTest, NodesArePreOrderWithTheirChildCounts) {
    TNtree tree;
    exampleTree(tree);
    tree.root->getChildN(0)->insertChildN(0, leaf("D"));
    EXPECT_EQ(toHex(image(tree)), "02 08 " + kTString + " 06 01 41 02 02 " + kTString +
                                      " 06 01 42 02 01 " + kTString + " 06 01 44 02 00 " +
                                      kTString + " 06 01 43 02 00");
}

TEST_F(NtreeFileTest, The44ByteImageLoadsAsRootWithTwoLeaves) {
    TNtree tree;
    loadImage(tree, fromHex(kExampleImage));
    EXPECT_EQ(shape(tree), "A(B,C)");
    EXPECT_EQ(tree.count(), 3);
    EXPECT_EQ(tree.depth(), 2);
    // As after inserting child 0 and then child 1: cursor before the last child.
    EXPECT_EQ(shape(tree, true), "A@1(B@0,C@0)");
}

TEST_F(NtreeFileTest, SaveThenLoadFileKeepsShapeOrderAndTexts) {
    TempFile file("ntree_roundtrip.ndt");
    TNtree tree;
    exampleTree(tree);
    tree.root->getChildN(1)->insertChildN(0, leaf("D \xE4"));  // Windows-1252 text
    tree.root->getChildN(1)->insertChildN(1, leaf(""));
    tree.root->insertChildN(0, leaf("E"));
    tree.save(file.path);
    TNtree loaded;
    loaded.load(file.path);
    EXPECT_EQ(shape(loaded), shape(tree));
    EXPECT_EQ(loaded.count(), 6);
    EXPECT_EQ(loaded.depth(), 3);
    std::ifstream in(file.path, std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, image(tree));
}

TEST_F(NtreeFileTest, FirstIntegerZeroIsTheEmptyTree) {
    TNtree tree;
    EXPECT_EQ(toHex(image(tree)), "02 00");
    exampleTree(tree);
    loadImage(tree, fromHex("02 00"));
    EXPECT_TRUE(tree.empty());
}

TEST_F(NtreeFileTest, ChildCountsBeyondTheDeclaredNodesAreRefused) {
    // One node declared, but the root claims a child that follows in the file.
    expectRefused(fromHex("02 02 " + kTString + " 06 01 41 02 01 " + kTString + " 06 01 42 02 00"),
                  kInvalidNtreeFile);
    // Three declared; the root claims 2 children, the first of them claims 1 more.
    expectRefused(fromHex("02 06 " + kTString + " 06 01 41 02 02 " + kTString + " 06 01 42 02 01 " +
                          kTString + " 06 01 44 02 00 " + kTString + " 06 01 43 02 00"),
                  kInvalidNtreeFile);
    // A huge claim is refused before anything is read for it.
    expectRefused(fromHex("02 02 " + kTString + " 06 01 41 04 FF FF 00 00"), kInvalidNtreeFile);
    expectRefused(fromHex("02 02 " + kTString + " 06 01 41 02 FF"), kInvalidNtreeFile);
}

TEST_F(NtreeFileTest, FewerNodesThanDeclaredAreRefused) {
    expectRefused(fromHex("02 06 " + kTString + " 06 01 41 02 01 " + kTString + " 06 01 42 02 00"),
                  kInvalidNtreeFile);
}

TEST_F(NtreeFileTest, ImpossibleNodeCountsAreRefused) {
    expectRefused(fromHex("02 03"), kInvalidNtreeFile);           // odd
    expectRefused(fromHex("02 FE"), kInvalidNtreeFile);           // negative
    expectRefused(fromHex("04 00 00 01 00"), kInvalidNtreeFile);  // 65536: 32768 nodes
    expectRefused(fromHex("06 01 41"), errtext::invalidValue);    // not an integer
}

TEST_F(NtreeFileTest, DataAfterTheTreeIsLeftUnread) {
    TNtree tree;
    loadImage(tree, fromHex(kExampleImage + " 08 FF"));
    EXPECT_EQ(toHex(image(tree)), toHex(fromHex(kExampleImage)));
    loadImage(tree, fromHex("02 00 02 00"));
    EXPECT_TRUE(tree.empty());
}

TEST_F(NtreeFileTest, ElementsOtherThanTextsAreRefused) {
    expectRefused(fromHex("02 02 06 08 54 49 6E 74 65 67 65 72 02 05 02 00"), kInvalidNtreeFile);
    expectRefused(fromHex("02 02 06 04 54 46 6F 6F 06 01 41 02 00"), "Klasse TFoo nicht gefunden");
}

TEST_F(NtreeFileTest, CutFilesAreRefusedAndLeaveTheTreeEmpty) {
    const std::string whole = fromHex(kExampleImage);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        TNtree tree;
        exampleTree(tree);
        EXPECT_THROW(loadImage(tree, whole.substr(0, cut)), FileError);
        EXPECT_TRUE(tree.empty());
    }
}

TEST_F(NtreeFileTest, FailedFileLoadLeavesTheTreeEmpty) {
    TNtree tree;
    exampleTree(tree);
    EXPECT_THROW(tree.load(::testing::TempDir() + "no_such_dir/none.ndt"), FileError);
    EXPECT_TRUE(tree.empty());
}

TEST_F(NtreeFileTest, TreesOf32767NodesSaveAndLoadBack) {
    TNtree wide;
    wideTree(wide, 32766);
    std::string bytes = image(wide);
    EXPECT_EQ(toHex(bytes.substr(0, 5)), "04 FE FF 00 00");  // 65534
    TNtree loaded;
    loadImage(loaded, bytes);
    EXPECT_EQ(loaded.count(), 32767);
    EXPECT_EQ(loaded.root->numberOfChildren(), 32766);
    EXPECT_EQ(loaded.root->childList().position(), 32765);

    TNtree deep;
    deep.root = chain(32767);
    TNtree deepLoaded;
    loadImage(deepLoaded, image(deep));
    EXPECT_EQ(deepLoaded.depth(), 32767);
    EXPECT_EQ(deepLoaded.lookUp(TString("32766"))->getValue(), "32766");
}

TEST_F(NtreeFileTest, SavingMoreThan32767NodesIsRefusedBeforeTheFileIsTouched) {
    TempFile file("ntree_too_large.ndt");
    {
        std::ofstream old(file.path, std::ios::binary);
        old << "old";
    }
    TNtree tree;
    wideTree(tree, 32767);  // 32768 nodes
    try {
        tree.save(file.path);
        ADD_FAILURE() << "saved";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), kNtreeTooLarge);
    }
    std::ifstream in(file.path, std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, "old");
    EXPECT_THROW(image(tree), FileError);
}

}  // namespace
