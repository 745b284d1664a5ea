// TTreeInteger: the level listing, copies, drawing and its registration.
#include "trees/treeinteger.h"

#include <gtest/gtest.h>

#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/support/recorders.h"
#include "tests/trees/treesupport.h"
#include "trees/bintree.h"

namespace {

class TreeIntegerTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBinTreeClasses();
    }
    RecordingMessages messages;
};

TEST_F(TreeIntegerTest, WriteValueAppendsNumberAndTwoBlanksToTheLevelListing) {
    RecordingText listing;
    listing.addLine("Ebene");
    TTreeInteger(5).writeValue(listing);
    TTreeInteger(12).writeValue(listing);
    TTreeInteger(-3).writeValue(listing);
    EXPECT_EQ(listing.lines, (std::vector<std::string>{"Ebene5  12  -3  "}));
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(TreeIntegerTest, CopyIsATreeIntegerWithTheSameValue) {
    TTreeInteger original(42);
    std::unique_ptr<TBase> copy = original.copy();
    EXPECT_EQ(copy->className(), "TTreeInteger");
    ASSERT_NE(dynamic_cast<TTreeInteger*>(copy.get()), nullptr);
    EXPECT_EQ(static_cast<TTreeInteger&>(*copy).getValue(), 42);
    EXPECT_EQ(copy->compare(original), kEqual);
}

TEST_F(TreeIntegerTest, PaintValueSetsFontAndColoursThenWritesTheNumber) {
    RecordingSurface surface;
    TTreeInteger(-17).paintValue(surface, 12, 34);
    EXPECT_EQ(surface.log, (std::vector<std::string>{"fontName MS SANS SERIF", "fontSize 8",
                                                     "fontColor 0", "pen 0", "text 12 34 -17"}));
}

TEST_F(TreeIntegerTest, OrdersAndStoresAsTInteger) {
    EXPECT_EQ(TTreeInteger(1).compare(TTreeInteger(2)), kLess);
    EXPECT_EQ(TTreeInteger(2).compare(TTreeInteger(2)), kEqual);
    EXPECT_EQ(TTreeInteger(3).compare(TTreeInteger(2)), kGreater);
    StringOutputStream out;
    {
        TWriter writer(out);
        TTreeInteger(300).saveValue(writer);
    }
    EXPECT_EQ(treetest::toHex(out.bytes()), "03 2C 01");
}

TEST_F(TreeIntegerTest, IsRegisteredAndMadeByNameForLoading) {
    ASSERT_TRUE(registry::contains("ttreeinteger"));
    const ClassInfo& info = registry::find("TTREEINTEGER");
    ASSERT_NE(info.makeDefault, nullptr);
    std::unique_ptr<TBase> made = info.makeDefault();
    EXPECT_EQ(made->className(), "TTreeInteger");
    EXPECT_TRUE(registry::contains("TBinTree"));
    EXPECT_EQ(registry::find("TBinTree").makeDefault, nullptr);
    EXPECT_FALSE(registry::contains("TBinTreeNode"));
}

}  // namespace
