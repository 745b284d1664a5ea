// The Windows-1252 code page: every byte round-trips, foreign characters
// become the substitute, and malformed input never breaks decoding.
#include "elements/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, HighControlRangeMapsToTheCodePageCharacters) {
    EXPECT_EQ(cp1252::toUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252::toUtf8("\x9F"), "\u0178");
    EXPECT_EQ(cp1252::toUtf8("\x8A"), "\u0160");
    EXPECT_EQ(cp1252::toUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    // ASCII runs between the others, at the start and at the end.
    EXPECT_EQ(cp1252::toUtf8("Gr\xF6\xDF"
                             "e 5\x80!"),
              "Größe 5€!");
    EXPECT_EQ(cp1252::toUtf8("\x80"
                             "ab\x80"),
              "€ab€");
    EXPECT_EQ(cp1252::toUtf8(""), "");
    EXPECT_EQ(cp1252::fromUtf8("Größe"),
              "Gr\xF6\xDF"
              "e");
}

TEST(Cp1252, UndefinedBytesMapToTheirC1Controls) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(cp1252::toUnicode(b), char32_t{b});
        EXPECT_EQ(cp1252::fromUnicode(b), static_cast<char>(b));
    }
    // The other C1 controls are not in the code page.
    EXPECT_EQ(cp1252::fromUnicode(0x80), '?');
    EXPECT_EQ(cp1252::fromUnicode(0x9F), '?');
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeTheSubstitute) {
    EXPECT_EQ(cp1252::fromUtf8("a\u4E2Db"), "a?b");
    EXPECT_EQ(cp1252::fromUtf8("\U0001F600"), "?");
    EXPECT_EQ(cp1252::fromUtf16(u"x\u03A9y"), "x?y");
    EXPECT_EQ(cp1252::fromUtf16(u"\U0001F600"), "?");
    EXPECT_EQ(cp1252::fromUtf16(u"\u20AC\u00E4"), "\x80\xE4");
}

TEST(Cp1252, MalformedUtf8BecomesOneSubstitutePerBrokenSequence) {
    EXPECT_EQ(cp1252::fromUtf8("\xC3"), "?");  // cut
    EXPECT_EQ(cp1252::fromUtf8("\xC3"
                               "A"),
              "?A");                                   // cut, next byte kept
    EXPECT_EQ(cp1252::fromUtf8("\xC0\xAF"), "??");     // overlong lead, lone continuation
    EXPECT_EQ(cp1252::fromUtf8("\xED\xA0\x80"), "?");  // surrogate
    EXPECT_EQ(cp1252::fromUtf8("\xF5\x80"), "??");     // beyond U+10FFFF
    EXPECT_EQ(cp1252::fromUtf8("\x80"), "?");
}

TEST(Cp1252, LoneSurrogatesInUtf16BecomeTheSubstitute) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(cp1252::fromUtf16(std::u16string_view(lone, 4)), "a?b?");
}

}  // namespace
