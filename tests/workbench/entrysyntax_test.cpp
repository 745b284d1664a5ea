// The entry syntax of parseEntry and readTreeNumber, checked exhaustively on
// its grammar and at the exact edges of the 32-bit range.
#include "workbench/entrysyntax.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "elements/base.h"
#include "elements/cp1252.h"
#include "elements/integertext.h"

namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> value;
};

const Case kCases[] = {
    {"42", 42},
    {" 42", 42},
    {"   42", 42},
    {"42 ", std::nullopt},
    {"4 2", std::nullopt},
    {"+42", 42},
    {"-42", -42},
    {" -42", -42},
    {"- 42", std::nullopt},
    {"--42", std::nullopt},
    {"+-42", std::nullopt},
    {"", std::nullopt},
    {" ", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"\t42", std::nullopt},
    {"0", 0},
    {"-0", 0},
    {"007", 7},
    {"0000000000000000000042", 42},
    {"2147483647", 2147483647},
    {"2147483648", std::nullopt},
    {"-2147483648", INT32_MIN},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$1F", 31},
    {"$1f", 31},
    {"x1F", 31},
    {"X1F", 31},
    {"0x1F", 31},
    {"0X1F", 31},
    {"-$1F", -31},
    {" +0x10", 16},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"x", std::nullopt},
    {"$G", std::nullopt},
    {"$1F ", std::nullopt},
    {"$ 1F", std::nullopt},
    {"$0x1F", std::nullopt},
    {"0$1F", std::nullopt},
    {"00x1F", std::nullopt},
    {"$7FFFFFFF", 2147483647},
    {"$80000000", std::nullopt},
    {"-$80000000", INT32_MIN},
    {"-$80000001", std::nullopt},
    {"$FFFFFFFF", std::nullopt},
    {"$000000000000001", 1},
    {"1e3", std::nullopt},
    {"1.0", std::nullopt},
    {"12a", std::nullopt},
    {"a", std::nullopt},
    {"\xef\xbc\x91", std::nullopt},  // full-width digit one
};

}  // namespace

TEST(EntrySyntax, ReadInt32AcceptsExactlyTheGrammarAndTheRange) {
    for (const Case& c : kCases) {
        EXPECT_EQ(parseInteger32(c.text), c.value) << "text: \"" << c.text << "\"";
    }
}

// Every value printed in decimal and in each hexadecimal form reads back,
// with leading blanks and both signs, for values around every power of two.
TEST(EntrySyntax, EveryPrintedValueReadsBackInAllForms) {
    std::mt19937 random(7);
    for (int bit = 0; bit <= 31; ++bit) {
        for (std::int64_t delta = -2; delta <= 2; ++delta) {
            const std::int64_t v = (std::int64_t{1} << bit) + delta;
            for (std::int64_t value : {v, -v}) {
                const bool fits = value >= INT32_MIN && value <= INT32_MAX;
                const std::int64_t magnitude = value < 0 ? -value : value;
                char hex[32];
                std::snprintf(hex, sizeof hex, "%llX", static_cast<unsigned long long>(magnitude));
                const std::string sign = value < 0 ? "-" : (random() % 2 ? "+" : "");
                const std::string blanks(random() % 3, ' ');
                for (const std::string& text :
                     {blanks + std::to_string(value), blanks + sign + "$" + hex,
                      blanks + sign + "x" + hex, blanks + sign + "0X" + hex}) {
                    const auto read = parseInteger32(text);
                    if (fits) {
                        ASSERT_TRUE(read) << text;
                        EXPECT_EQ(*read, value) << text;
                    } else {
                        EXPECT_FALSE(read) << text;
                    }
                }
            }
        }
    }
}

// Random byte strings never crash and only digits-with-prefix texts pass.
TEST(EntrySyntax, RandomTextsAreAcceptedOnlyWhenTheyMatchTheGrammar) {
    std::mt19937 random(11);
    const std::string alphabet = " +-$xX0123456789aFg.";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 8);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        const auto read = parseInteger32(text);
        // Reference: strip blanks, sign, prefix; the rest must be digits of the base.
        std::size_t i = text.find_first_not_of(' ');
        bool ok = i != std::string::npos;
        bool negative = false;
        int base = 10;
        if (ok && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (ok && i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
            base = 16;
            ++i;
        } else if (ok && i + 1 < text.size() && text[i] == '0' &&
                   (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            base = 16;
            i += 2;
        }
        ok = ok && i < text.size();
        long long value = 0;
        for (; ok && i < text.size(); ++i) {
            const char c = text[i];
            int d = -1;
            if (c >= '0' && c <= '9') d = c - '0';
            if (base == 16 && (c == 'a' || c == 'F')) d = c == 'a' ? 10 : 15;
            if (d < 0) ok = false;
            value = value * base + d;
            if (value > (1LL << 40)) value = 1LL << 40;
        }
        if (negative) value = -value;
        ok = ok && value >= INT32_MIN && value <= INT32_MAX;
        ASSERT_EQ(read.has_value(), ok) << "\"" << text << "\"";
        if (ok) {
            EXPECT_EQ(*read, value) << text;
        }
    }
}

TEST(EntrySyntax, TreeNumbersAreOneToNinetyNine) {
    EXPECT_TRUE(parseTreeNumber("1").has_value());
    EXPECT_TRUE(parseTreeNumber("99").has_value());
    EXPECT_TRUE(parseTreeNumber(" $63").has_value());
    EXPECT_FALSE(parseTreeNumber("0").has_value());
    EXPECT_FALSE(parseTreeNumber("100").has_value());
    EXPECT_FALSE(parseTreeNumber("-3").has_value());
    EXPECT_FALSE(parseTreeNumber("ab").has_value());
    EXPECT_FALSE(parseTreeNumber("").has_value());
    EXPECT_FALSE(parseTreeNumber("$64").has_value());
}

TEST(EntrySyntax, ParseEntryMakesStringsWithBlanksAndRefusesBracketsAtTheEdges) {
    registerElementClasses();
    auto s = entrysyntax::parseEntry("  a b  ", false);
    ASSERT_TRUE(s.element);
    EXPECT_EQ(s.element->className(), "TString");
    EXPECT_EQ(static_cast<TString&>(*s.element).getValue(), "  a b  ");

    auto inside = entrysyntax::parseEntry("a[b", false);
    ASSERT_TRUE(inside.element);

    for (const char* refused : {"[a", "a]", "[", "]", "[7]"}) {
        auto r = entrysyntax::parseEntry(refused, false);
        EXPECT_FALSE(r.element) << refused;
        EXPECT_EQ(r.kind, entrysyntax::ParsedEntry::Message::information);
        EXPECT_STREQ(r.message,
                     "Keine eckigen Klammern an dieser Stelle - siehe nebenstehenden Text");
    }
}

TEST(EntrySyntax, ParseEntryConvertsUmlautsToTheCodePage) {
    auto s = entrysyntax::parseEntry("Bäume", false);
    ASSERT_TRUE(s.element);
    EXPECT_EQ(static_cast<TString&>(*s.element).getValue(), "B\xE4ume");
}

TEST(EntrySyntax, ParseEntryEmptyTextGivesTheNoEntryMessageInBothModes) {
    for (bool integer : {false, true}) {
        auto r = entrysyntax::parseEntry("", integer);
        EXPECT_FALSE(r.element);
        EXPECT_EQ(r.kind, entrysyntax::ParsedEntry::Message::information);
        EXPECT_STREQ(r.message, "Es ist kein Element eingegeben worden");
    }
}

TEST(EntrySyntax, ParseEntryIntegerModeGivesTIntegerOrTheRangeError) {
    auto r = entrysyntax::parseEntry(" 42", true);
    ASSERT_TRUE(r.element);
    EXPECT_EQ(r.element->className(), "TInteger");
    EXPECT_EQ(static_cast<TInteger&>(*r.element).getValue(), 42);

    auto bad = entrysyntax::parseEntry("42 ", true);
    EXPECT_FALSE(bad.element);
    EXPECT_EQ(bad.kind, entrysyntax::ParsedEntry::Message::error);
    EXPECT_STREQ(bad.message, "Ganze Zahl von - 2147483648 bis 2147483647 eingeben");
}
