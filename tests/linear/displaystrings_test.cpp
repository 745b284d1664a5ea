// TLifoString and TFifoString: memo lines in UTF-8, class names, registry,
// compare and copy inherited from TString.
#include "linear/displaystrings.h"

#include <gtest/gtest.h>

#include "elements/writer.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

namespace {

class DisplayStringsTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerDisplayStringClasses();
    }
    RecordingMessages messages;
};

TEST_F(DisplayStringsTest, EachWritesToItsOwnMemoAsUtf8) {
    RecordingText lifoMemo;
    RecordingText fifoMemo;
    TLifoString("K\xE4se").writeValue(lifoMemo);
    TFifoString("  ").writeValue(fifoMemo);
    EXPECT_EQ(lifoMemo.lines, std::vector<std::string>{"K\xC3\xA4se"});
    EXPECT_EQ(fifoMemo.lines, std::vector<std::string>{"  "});
}

TEST_F(DisplayStringsTest, WriteValueAddsOneLineAndShowsNoMessage) {
    RecordingText memo;
    memo.addLine("alt");
    TLifoString("a").writeValue(memo);
    TFifoString("b").writeValue(memo);
    EXPECT_EQ(memo.lines, (std::vector<std::string>{"alt", "a", "b"}));
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(DisplayStringsTest, CopyIsAPlainStringWithTheSameText) {
    std::unique_ptr<TBase> c = TLifoString("abc").copy();
    EXPECT_EQ(c->className(), "TString");
    EXPECT_EQ(dynamic_cast<TString&>(*c).getValue(), "abc");
    EXPECT_EQ(TFifoString("x").copy()->className(), "TString");
}

TEST_F(DisplayStringsTest, CompareWithPlainStringGivesOtherClass) {
    TLifoString lifo("a");
    TString plain("a");
    EXPECT_EQ(lifo.compare(plain), 2);
    EXPECT_EQ(plain.compare(lifo), 2);
    EXPECT_EQ(lifo.compare(TLifoString("b")), -1);
    EXPECT_EQ(TFifoString("a").compare(lifo), 2);
}

TEST_F(DisplayStringsTest, RegisteredAndMadeByNameForLoading) {
    const ClassInfo& lifo = registry::find("tlifostring");
    ASSERT_NE(lifo.makeDefault, nullptr);
    EXPECT_EQ(lifo.makeDefault()->className(), "TLifoString");
    const ClassInfo& fifo = registry::find("TFIFOSTRING");
    ASSERT_NE(fifo.makeDefault, nullptr);
    EXPECT_EQ(fifo.makeDefault()->className(), "TFifoString");
}

TEST_F(DisplayStringsTest, StoredLikeAString) {
    EXPECT_EQ(lineartest::fingerprint(TFifoString("ab")), "TFifoString:06 02 61 62");
}

}  // namespace
