// The value classes: their order, copies, and stored form.
#include "elements/values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "elements/base.h"
#include "elements/elementio.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/support/hex.h"
#include "tests/support/recorders.h"

using testsupport::toHex;

namespace {

std::string saved(const TBase& element) {
    StringOutputStream out;
    {
        TWriter writer(out);
        element.saveValue(writer);
    }
    return toHex(out.bytes());
}

// Saves the element as a file record and loads it back.
std::unique_ptr<TBase> roundTrip(const TBase& element) {
    StringOutputStream out;
    {
        TWriter writer(out);
        saveElement(writer, element);
    }
    MemoryInputStream in(out.bytes());
    TReader reader(in);
    auto back = loadElement(reader);
    EXPECT_TRUE(reader.atEnd());
    return back;
}

class Values : public ::testing::Test {
protected:
    void SetUp() override { registerElementClasses(); }
};

TEST_F(Values, StringsCompareByUnsignedBytes) {
    EXPECT_EQ(TString("abc").compare(TString("abd")), -1);
    EXPECT_EQ(TString("b").compare(TString("B")), 1);
    EXPECT_EQ(TString("ab").compare(TString("abc")), -1);
    EXPECT_EQ(TString("").compare(TString("")), 0);
    EXPECT_EQ(TString("\xE4").compare(TString("z")), 1);  // 228 > 122
    EXPECT_EQ(TString("5").compare(TInteger(5)), 2);
    EXPECT_EQ(TInteger(5).compare(TString("5")), 2);
}

TEST_F(Values, IntegersCompareSigned) {
    EXPECT_EQ(TInteger(-5).compare(TInteger(3)), -1);
    EXPECT_EQ(TInteger(2147483647).compare(TInteger(-2147483647 - 1)), 1);
    EXPECT_EQ(TInteger(7).compare(TInteger(7)), 0);
    EXPECT_EQ(TInteger(7).compare(TLongint(7)), 2);
}

TEST_F(Values, FurtherClassesFollowTheirOrders) {
    EXPECT_EQ(TInt64(std::int64_t{1} << 32).compare(TInt64(std::int64_t{1} << 32)), 0);
    EXPECT_EQ(TInt64(std::int64_t{1} << 32).compare(TInt64((std::int64_t{1} << 32) + 1)), -1);
    EXPECT_EQ(TByte(200).compare(TByte(100)), 1);
    EXPECT_EQ(TByte(5).compare(TWord(5)), 2);
    EXPECT_EQ(TWord(65535).compare(TWord(1)), 1);
    EXPECT_EQ(TChar('\xE4').compare(TChar('a')), 1);  // unsigned character codes
    EXPECT_EQ(TBoolean(false).compare(TBoolean(true)), 1);
    EXPECT_EQ(TBoolean(true).compare(TBoolean(false)), 1);
    EXPECT_EQ(TBoolean(true).compare(TBoolean(true)), 0);
    EXPECT_EQ(TTColor(-1).compare(TTColor(0)), -1);
    EXPECT_EQ(TReal(0.5).compare(TReal(1.5)), -1);
    EXPECT_EQ(TExtended(2.0L).compare(TExtended(1.0L)), 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TReal(nan).compare(TReal(nan)), 1);
    EXPECT_EQ(TReal(nan).compare(TReal(1.0)), 1);
    EXPECT_EQ(TReal(1.0).compare(TReal(nan)), 1);
}

TEST_F(Values, FractionsCompareByCrossProductsWithoutOverflow) {
    EXPECT_EQ(TTBruch({1, 2}).compare(TTBruch({2, 4})), 0);
    EXPECT_EQ(TTBruch({1, 3}).compare(TTBruch({1, 2})), -1);
    EXPECT_EQ(TTBruch({1, 2}).compare(TTBruch({1, 3})), 1);
    // 32-bit products would wrap: 2000000000/1 against 1999999999/1.
    EXPECT_EQ(TTBruch({2000000000, 1}).compare(TTBruch({1999999999, 1})), 1);
    EXPECT_EQ(TTBruch({-2147483647 - 1, 3}).compare(TTBruch({2147483647, 3})), -1);
    EXPECT_EQ(TTBruch({100000, 100001}).compare(TTBruch({100001, 100002})), -1);
    // Never reduced: the copy keeps 2/4.
    const auto copy = TTBruch({2, 4}).copy();
    EXPECT_EQ(static_cast<const TTBruch&>(*copy).getValue(), (Fraction{2, 4}));
}

TEST_F(Values, SavedFormsAreExact) {
    EXPECT_EQ(saved(TByte(200)), "03 C8 00");
    EXPECT_EQ(saved(TByte(100)), "02 64");
    EXPECT_EQ(saved(TWord(65535)), "04 FF FF 00 00");
    EXPECT_EQ(saved(TWord(32768)), "04 00 80 00 00");
    EXPECT_EQ(saved(TChar('A')), "06 01 41");
    EXPECT_EQ(saved(TChar('\xE4')), "14 02 00 00 00 C3 A4");
    EXPECT_EQ(saved(TBoolean(true)), "09");
    EXPECT_EQ(saved(TTBruch({3, -4})), "02 03 02 FC");
    EXPECT_EQ(saved(TReal(1.0)), "05 00 00 00 00 00 00 00 80 FF 3F");
    EXPECT_EQ(saved(TInt64(std::int64_t{1} << 32)), "13 00 00 00 00 01 00 00 00");
    EXPECT_EQ(saved(TTColor(0x8000000F)), "04 0F 00 00 80");
    EXPECT_EQ(saved(TString("abc")), "06 03 61 62 63");
}

TEST_F(Values, EveryClassRoundTripsAsAFileRecordAndCopies) {
    std::vector<std::unique_ptr<TBase>> elements;
    elements.push_back(
        std::make_unique<TString>("Gr\xF6\xDF"
                                  "e"));
    elements.push_back(std::make_unique<TInteger>(-70000));
    elements.push_back(std::make_unique<TChar>('\x80'));
    elements.push_back(std::make_unique<TInt64>(-(std::int64_t{1} << 50)));
    elements.push_back(std::make_unique<TByte>(255));
    elements.push_back(std::make_unique<TWord>(40000));
    elements.push_back(std::make_unique<TLongint>(123456));
    elements.push_back(std::make_unique<TReal>(0.1));
    elements.push_back(std::make_unique<TExtended>(1.0L / 3.0L));
    elements.push_back(std::make_unique<TBoolean>(true));
    elements.push_back(std::make_unique<TTColor>(0x00FF00));
    elements.push_back(std::make_unique<TTBruch>(Fraction{2, 4}));
    for (const auto& element : elements) {
        const auto back = roundTrip(*element);
        EXPECT_EQ(back->className(), element->className());
        EXPECT_EQ(back->compare(*element), 0) << element->className();
        const auto copy = element->copy();
        EXPECT_NE(copy.get(), element.get());
        EXPECT_EQ(copy->className(), element->className());
        EXPECT_EQ(copy->compare(*element), 0) << element->className();
    }
}

TEST_F(Values, CharPaintsItselfBoldAndBlack) {
    RecordingSurface surface;
    TChar('\xE4').paintValue(surface, 12, 34);
    EXPECT_EQ(surface.log,
              (std::vector<std::string>{"fontName MS SANS SERIF", "fontSize 8", "fontColor 0",
                                        "fontBold 1", "pen 0", "text 12 34 ä"}));
}

TEST_F(Values, OperationsAClassLacksEndTheProgramWithTheirName) {
    RecordingMessages messages;
    RecordingSurface surface;
    EXPECT_THROW(TInteger(1).paintValue(surface, 0, 0), FatalStopSeen);
    RecordingText out;
    EXPECT_THROW(TString("x").writeValue(out), FatalStopSeen);
    EXPECT_EQ(messages.log,
              (std::vector<std::string>{
                  "fatal: TBase.paintValue wurde nicht überschrieben - das Programm wird daher "
                  "abgebrochen",
                  "fatal: TBase.writeValue wurde nicht überschrieben - das Programm wird daher "
                  "abgebrochen"}));
}

// The sink installed last gets the messages; when its scope ends, the one it
// replaced gets them again.
TEST(ScopedUserMessagesTest, InnerSinkUntilItsScopeEndsThenTheOuterAgain) {
    RecordingMessages outer;
    {
        RecordingMessages inner;
        userMessages().information("eins");
        EXPECT_EQ(inner.log, std::vector<std::string>{"information: eins"});
    }
    userMessages().error("zwei");
    EXPECT_EQ(outer.log, std::vector<std::string>{"error: zwei"});
}

}  // namespace
