// The ".bdt" file layout byte for byte, and the refusal of every file that
// does not hold a sound B-tree.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "elements/errors.h"
#include "elements/values.h"
#include "tests/support/hex.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"
#include "trees/bayertree.h"

using testsupport::fromHex;
using testsupport::toHex;

namespace {

constexpr const char* kTInteger = "06 08 54 49 6E 74 65 67 65 72";  // "TInteger"
constexpr const char* kRefused = "Die Datei enthält keinen gültigen Bayer-Baum: ";

std::string hexJoin(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (auto part : parts) text += std::string(part) + " ";
    return text;
}

class BayerFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBayerTreeClasses();
    }

    // Loads the bytes into `tree`, expects the refusal with the reason, and an
    // empty, sound tree afterwards.
    void expectRefused(const std::string& bytes, const std::string& why) {
        build(tree, "[1 2 3]");  // a previous content must not survive
        try {
            loadBytes(tree, bytes);
            ADD_FAILURE() << "loaded: " << describe(tree);
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), why);
        }
        EXPECT_TRUE(tree.empty());
        EXPECT_EQ(tree.count(), 0);
        EXPECT_EQ(tree.problem(), "");
    }

    RecordingMessages messages;
    TestBayerTree tree{&TInteger::info};
};

struct Golden {
    const char* shape;
    std::string hex;
};

const Golden kGolden[] = {
    {"[7]", hexJoin({"02 01 08", kTInteger, "02 07 08"})},
    {"[-200 7 300]", hexJoin({"02 03 08", kTInteger, "03 38 FF 08", kTInteger, "02 07 08",
                              kTInteger, "03 2C 01 08"})},
    {"[3]([1 2][4 5])",
     hexJoin({"02 01 09", kTInteger, "02 03 09",  // root: 1 key, leftmost, child
              "02 02 08", kTInteger, "02 01 08", kTInteger, "02 02 08",     // leftmost [1 2]
              "02 02 08", kTInteger, "02 04 08", kTInteger, "02 05 08"})},  // child 1 [4 5]
    {"[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52]))",
     hexJoin({"02 01 09", kTInteger, "02 1E 09",                            // [30]
              "02 02 09", kTInteger, "02 0A 09", kTInteger, "02 14 09",     // [10 20]
              "02 02 08", kTInteger, "02 01 08", kTInteger, "02 02 08",     // [1 2]
              "02 02 08", kTInteger, "02 0B 08", kTInteger, "02 0C 08",     // [11 12]
              "02 02 08", kTInteger, "02 15 08", kTInteger, "02 16 08",     // [21 22]
              "02 02 09", kTInteger, "02 28 09", kTInteger, "02 32 09",     // [40 50]
              "02 02 08", kTInteger, "02 1F 08", kTInteger, "02 20 08",     // [31 32]
              "02 02 08", kTInteger, "02 29 08", kTInteger, "02 2A 08",     // [41 42]
              "02 02 08", kTInteger, "02 33 08", kTInteger, "02 34 08"})},  // [51 52]
};

TEST_F(BayerFileTest, SaveWritesPagesInPreorderByteForByte) {
    for (const Golden& g : kGolden) {
        build(tree, g.shape);
        EXPECT_EQ(toHex(saveBytes(tree)), toHex(fromHex(g.hex))) << g.shape;
    }
}

TEST_F(BayerFileTest, LoadOfGoldenImageGivesShapeAndCount) {
    const int counts[] = {1, 3, 5, 17};
    int i = 0;
    for (const Golden& g : kGolden) {
        TestBayerTree loaded(&TInteger::info);
        loadBytes(loaded, fromHex(g.hex));
        EXPECT_EQ(describe(loaded), g.shape);
        EXPECT_EQ(loaded.count(), counts[i++]);
        EXPECT_EQ(loaded.problem(), "");
    }
}

TEST_F(BayerFileTest, TreeBuiltByInsertionsSavesToTheGoldenImage) {
    for (int v : {1, 2, 3, 4, 5}) tree.insertNumber(v);
    EXPECT_EQ(toHex(saveBytes(tree)), toHex(fromHex(kGolden[2].hex)));
}

TEST_F(BayerFileTest, EmptyTreeWritesNothingAndEmptyFileLoadsEmptyTree) {
    EXPECT_EQ(saveBytes(tree), "");
    build(tree, "[1 2]");
    loadBytes(tree, "");
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.count(), 0);
}

TEST_F(BayerFileTest, EmptyFileIsAReadError) {
    const auto name =
        (std::filesystem::temp_directory_path() / "bayertree_empty_test.bdt").string();
    std::ofstream(name, std::ios::binary).close();
    build(tree, "[1 2]");
    try {
        tree.load(name);
        ADD_FAILURE() << "loaded: " << describe(tree);
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Stream-Lesefehler");
    }
    std::filesystem::remove(name);
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.count(), 0);
}

TEST_F(BayerFileTest, SaveThenLoadThroughFileKeepsShapeOrderAndCount) {
    for (int v = 1; v <= 60; ++v) tree.insertNumber((v * 37) % 101);
    const auto name = (std::filesystem::temp_directory_path() / "bayertree_file_test.bdt").string();
    tree.save(name);
    TestBayerTree loaded(&TInteger::info);
    loaded.load(name);
    std::filesystem::remove(name);
    EXPECT_EQ(describe(loaded), describe(tree));
    EXPECT_EQ(loaded.count(), tree.count());
    EXPECT_EQ(loaded.count(), 60);
}

TEST_F(BayerFileTest, MissingFileFailsAndLeavesTreeEmpty) {
    build(tree, "[1 2]");
    EXPECT_THROW(tree.load("/nonexistent/dir/tree.bdt"), FileError);
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.count(), 0);
}

TEST_F(BayerFileTest, ClassNameIsFoundInAnyLetterCase) {
    const std::string bytes = fromHex("02 01 08 06 08 74 69 6E 74 65 67 65 72 02 09 08");
    loadBytes(tree, bytes);
    EXPECT_EQ(describe(tree), "[9]");
    EXPECT_EQ(tree.root()->key(1).className(), "TInteger");
}

TEST_F(BayerFileTest, PageCountOutsideOneToFourIsRefusedBeforeAnyKeyIsRead) {
    for (const char* count : {"02 05", "02 00", "02 FF", "03 00 01", "04 00 00 00 80"}) {
        // Keys follow, as many as a careless loader would write into slots.
        std::string hex = std::string(count) + " 08";
        for (int i = 0; i < 6; ++i) hex += std::string(" ") + kTInteger + " 02 01 08";
        TestBayerTree probe(&TInteger::info);
        const std::string bytes = fromHex(hex);
        MemoryInputStream in(bytes);
        TReader reader(in);
        try {
            probe.loadFrom(reader);
            ADD_FAILURE() << count;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(kRefused, 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find("erlaubt sind 1 bis 4"), std::string::npos);
        }
        EXPECT_TRUE(probe.empty());
    }
    expectRefused(fromHex(std::string("02 05 08")),
                  std::string(kRefused) + "eine Seite hat 5 Schlüssel, erlaubt sind 1 bis 4");
}

TEST_F(BayerFileTest, CountOfChildPageIsCheckedToo) {
    // Root [3] announces a leftmost child whose count is 7.
    expectRefused(fromHex(hexJoin({"02 01 09", kTInteger, "02 03 09", "02 07 08"})),
                  std::string(kRefused) + "eine Seite hat 7 Schlüssel, erlaubt sind 1 bis 4");
}

TEST_F(BayerFileTest, KeysOutOfOrderWithinPageAreRefused) {
    expectRefused(shapeBytes("[2 1]"),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
    expectRefused(shapeBytes("[1 1]"),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
}

TEST_F(BayerFileTest, KeysOutOfOrderAcrossPagesAreRefused) {
    expectRefused(shapeBytes("[3]([1 4][5 6])"),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
    expectRefused(shapeBytes("[3]([1 2][3 6])"),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
    expectRefused(shapeBytes("[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 29]))"),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
}

TEST_F(BayerFileTest, LeavesOnDifferentLevelsAreRefused) {
    expectRefused(shapeBytes("[10]([1 2][20 30]([11 12][21 22][31 32]))"),
                  std::string(kRefused) + "die Blätter liegen nicht alle auf derselben Ebene");
}

TEST_F(BayerFileTest, InnerPageWithoutAllChildrenIsRefused) {
    // Root [3] with a leftmost child but no child behind its key.
    expectRefused(fromHex(hexJoin({"02 01 09", kTInteger, "02 03 08", "02 02 08", kTInteger,
                                   "02 01 08", kTInteger, "02 02 08"})),
                  std::string(kRefused) + "einer inneren Seite fehlen Nachfolgeseiten");
    // Root [3] with only the child behind its key.
    expectRefused(fromHex(hexJoin({"02 01 08", kTInteger, "02 03 09", "02 02 08", kTInteger,
                                   "02 04 08", kTInteger, "02 05 08"})),
                  std::string(kRefused) + "einer inneren Seite fehlen Nachfolgeseiten");
}

TEST_F(BayerFileTest, FourthLevelIsRefused) {
    expectRefused(shapeBytes("[8]([4]([2]([1][3])[6]([5][7]))[12]([10]([9][11])[14]([13][15])))"),
                  std::string(kRefused) + "der Baum hat mehr als drei Ebenen");
}

TEST_F(BayerFileTest, ArbitrarilyDeepChainIsRefusedAtTheThirdLevel) {
    // 200000 nested one-key pages: reading stops at the third level, so
    // neither the stack nor the memory grows with the file.
    std::string page = fromHex(hexJoin({"02 01 09", kTInteger, "02 01 08"}));
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += page;
    expectRefused(bytes, std::string(kRefused) + "der Baum hat mehr als drei Ebenen");
}

TEST_F(BayerFileTest, PageBelowRootWithOneKeyIsRefused) {
    expectRefused(
        shapeBytes("[3]([1][4 5])"),
        std::string(kRefused) + "eine Seite unterhalb der Wurzel hat weniger als 2 Schlüssel");
}

TEST_F(BayerFileTest, KeysOfMixedClassesAreRefused) {
    const std::string bytes = fromHex(
        hexJoin({"02 02 08", kTInteger, "02 01 08", "06 07 54 53 74 72 69 6E 67", "06 01 62 08"}));
    expectRefused(bytes,
                  std::string(kRefused) + "die Schlüssel gehören nicht alle derselben Klasse an");
}

TEST_F(BayerFileTest, KeysOfAnotherClassThanTheKeyClassAreRefused) {
    // Two ordered TString keys: fine for a general tree, not for the page's.
    const std::string bytes =
        fromHex(hexJoin({"02 02 08", "06 07 54 53 74 72 69 6E 67", "06 01 61 08",
                         "06 07 54 53 74 72 69 6E 67", "06 01 62 08"}));
    expectRefused(
        bytes, std::string(kRefused) + "die Schlüssel sind von der Klasse TString statt TInteger");
    TestBayerTree general;
    loadBytes(general, bytes);
    EXPECT_EQ(describe(general), "[a b]");
    EXPECT_NE(general.lookUp(TString("b")), nullptr);
}

TEST_F(BayerFileTest, KeysWithoutOrderAreRefused) {
    StringOutputStream out;
    {
        TWriter writer(out);
        writer.writeInteger(1);
        writer.writeBoolean(false);
        writer.writeString("TReal");
        TReal(std::nan("")).saveValue(writer);
        writer.writeBoolean(false);
        writer.flush();
    }
    TestBayerTree general;
    try {
        loadBytes(general, out.bytes());
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), std::string(kRefused) +
                                             "für die Schlüssel der Klasse TReal ist keine Ordnung "
                                             "definiert");
    }
    EXPECT_TRUE(general.empty());
}

TEST_F(BayerFileTest, KeysOrderedOnlyNeighbourWiseAreRefused) {
    // Fractions with negative denominators: -2/-2 < -2/-1 and -2/-1 < 1/1,
    // yet -2/-2 and 1/1 compare equal. A search could miss a stored key.
    StringOutputStream out;
    {
        TWriter writer(out);
        writer.writeInteger(3);
        writer.writeBoolean(false);
        for (Fraction f : {Fraction{-2, -2}, Fraction{-2, -1}, Fraction{1, 1}}) {
            writer.writeString("TTBruch");
            TTBruch(f).saveValue(writer);
            writer.writeBoolean(false);
        }
        writer.flush();
    }
    TestBayerTree general;
    try {
        loadBytes(general, out.bytes());
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  std::string(kRefused) + "die Schlüssel sind nicht aufsteigend geordnet");
    }
    EXPECT_TRUE(general.empty());
}

TEST_F(BayerFileTest, BooleanKeysCannotAscend) {
    StringOutputStream out;
    {
        TWriter writer(out);
        writer.writeInteger(2);
        writer.writeBoolean(false);
        for (bool b : {false, true}) {
            writer.writeString("TBoolean");
            writer.writeBoolean(b);
            writer.writeBoolean(false);
        }
        writer.flush();
    }
    TestBayerTree general;
    EXPECT_THROW(loadBytes(general, out.bytes()), FileError);
    EXPECT_TRUE(general.empty());
}

TEST_F(BayerFileTest, UnknownClassFailsAndLeavesTreeEmpty) {
    expectRefused(fromHex("02 01 08 06 04 54 46 6F 6F 02 01 08"), "Klasse TFoo nicht gefunden");
}

TEST_F(BayerFileTest, ContainerClassAsKeyIsRefused) {
    const std::string bytes = fromHex("02 01 08 06 0A 54 42 61 79 65 72 54 72 65 65 08");
    build(tree, "[1]");
    EXPECT_THROW(loadBytes(tree, bytes), FileError);
    EXPECT_TRUE(tree.empty());
}

TEST_F(BayerFileTest, EveryTruncationOfValidFileFailsCleanly) {
    const std::string bytes = fromHex(kGolden[3].hex);
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        TestBayerTree probe(&TInteger::info);
        try {
            loadBytes(probe, bytes.substr(0, n));
            ADD_FAILURE() << "loaded prefix of " << n << " bytes";
        } catch (const FileError& e) {
            // Every prefix lacks bytes of an announced value or record.
            const std::string text = e.what();
            EXPECT_EQ(text, errtext::readError) << n;
        }
        EXPECT_TRUE(probe.empty()) << n;
        EXPECT_EQ(probe.count(), 0) << n;
    }
}

TEST_F(BayerFileTest, WrongTagForCountIsInvalidValue) {
    expectRefused(fromHex("06 01 41"), errtext::invalidValue);
}

}  // namespace
