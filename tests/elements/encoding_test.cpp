// The tagged value encoding: exact bytes for every write, what every read
// accepts, and its failures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/support/hex.h"

using testsupport::fromHex;
using testsupport::toHex;

namespace {

std::string written(const std::function<void(TWriter&)>& write) {
    StringOutputStream out;
    {
        TWriter writer(out);
        write(writer);
    }
    return toHex(out.bytes());
}

// Runs read on the bytes and says how many bytes it left.
template <typename Read>
std::size_t leftAfter(const std::string& bytes, Read read) {
    MemoryInputStream in(bytes);
    TReader reader(in);
    read(reader);
    std::size_t left = 0;
    while (!reader.atEnd()) {
        reader.readBoolean();
        ++left;
    }
    return left;
}

std::string failureOf(const std::string& hex, const std::function<void(TReader&)>& read) {
    const std::string bytes = fromHex(hex);
    MemoryInputStream in(bytes);
    TReader reader(in);
    try {
        read(reader);
    } catch (const FileError& e) {
        return e.what();
    }
    return "no failure";
}

struct IntegerCase {
    std::int32_t value;
    const char* hex;
};

TEST(Encoding, IntegerWriteTakesTheSmallestForm) {
    const IntegerCase cases[] = {
        {5, "02 05"},
        {-1, "02 FF"},
        {127, "02 7F"},
        {-128, "02 80"},
        {128, "03 80 00"},
        {-129, "03 7F FF"},
        {32767, "03 FF 7F"},
        {-32768, "03 00 80"},
        {32768, "04 00 80 00 00"},
        {65535, "04 FF FF 00 00"},
        {-2147483648, "04 00 00 00 80"},
        {2147483647, "04 FF FF FF 7F"},
        {0, "02 00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(written([&](TWriter& w) { w.writeInteger(c.value); }), c.hex) << c.value;
        const std::string bytes = fromHex(c.hex);
        MemoryInputStream in(bytes);
        TReader reader(in);
        EXPECT_EQ(reader.readInteger(), c.value);
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(Encoding, Int64UsesIntegerFormsWhenTheValueFits) {
    EXPECT_EQ(written([](TWriter& w) { w.writeInt64(7); }), "02 07");
    EXPECT_EQ(written([](TWriter& w) { w.writeInt64(2147483648LL); }),
              "13 00 00 00 80 00 00 00 00");
    EXPECT_EQ(written([](TWriter& w) { w.writeInt64(-2147483648LL); }), "04 00 00 00 80");
    EXPECT_EQ(written([](TWriter& w) { w.writeInt64(-2147483649LL); }),
              "13 FF FF FF 7F FF FF FF FF");
    for (std::int64_t v :
         {std::int64_t{7}, std::int64_t{-300}, std::int64_t{1} << 40,
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        StringOutputStream out;
        TWriter(out).writeInt64(v);
        MemoryInputStream in(out.bytes());
        TReader reader(in);
        EXPECT_EQ(reader.readInt64(), v);
    }
}

TEST(Encoding, TextsChooseShortLongOrUtf8) {
    EXPECT_EQ(written([](TWriter& w) { w.writeString("abc"); }), "06 03 61 62 63");
    EXPECT_EQ(written([](TWriter& w) { w.writeString(""); }), "06 00");
    EXPECT_EQ(written([](TWriter& w) { w.writeString("\xE4"); }), "14 02 00 00 00 C3 A4");
    EXPECT_EQ(written([](TWriter& w) { w.writeChar('A'); }), "06 01 41");

    const std::string t255(255, 'x'), t256(256, 'x'), t300(300, 'a');
    EXPECT_EQ(written([&](TWriter& w) { w.writeString(t255); }).substr(0, 5), "06 FF");
    EXPECT_EQ(written([&](TWriter& w) { w.writeString(t256); }).substr(0, 14), "0C 00 01 00 00");
    StringOutputStream out;
    TWriter(out).writeString(t300);
    EXPECT_EQ(out.bytes(), fromHex("0C 2C 01 00 00") + t300);

    // One high byte makes the whole text UTF-8, whatever its length.
    const std::string mixed = std::string(400, 'a') + "\x80";
    StringOutputStream out2;
    TWriter(out2).writeString(mixed);
    EXPECT_EQ(toHex(out2.bytes().substr(0, 5)),
              "14 93 01 00 00");  // 400 + 3 bytes of the euro sign
    MemoryInputStream in(out2.bytes());
    TReader reader(in);
    EXPECT_EQ(reader.readString(), mixed);
}

TEST(Encoding, BooleansAreBareTags) {
    EXPECT_EQ(written([](TWriter& w) {
                  w.writeBoolean(true);
                  w.writeBoolean(false);
              }),
              "09 08");
}

TEST(Encoding, BooleanReadTakesOnlyTheTagAndNeverFails) {
    const std::string bytes = fromHex("02 05");
    MemoryInputStream in(bytes);
    TReader reader(in);
    EXPECT_FALSE(reader.readBoolean());
    EXPECT_FALSE(reader.readBoolean());  // the 05 is a tag byte too
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(failureOf("", [](TReader& r) { r.readBoolean(); }), "Stream-Lesefehler");
}

std::string textOf(const char* hex) {
    const std::string bytes = fromHex(hex);
    MemoryInputStream in(bytes);
    return TReader(in).readString();
}

TEST(Encoding, ReadsAcceptEveryTagTheyName) {
    EXPECT_EQ(textOf("06 02 68 69"), "hi");
    EXPECT_EQ(textOf("0C 02 00 00 00 68 69"), "hi");
    // UTF-16: "ä€" then a character outside the code page (U+4E2D).
    EXPECT_EQ(textOf("12 03 00 00 00 E4 00 AC 20 2D 4E"), "\xE4\x80?");
    EXPECT_EQ(textOf("14 03 00 00 00 E2 82 AC"), "\x80");
    const std::string oneChar = fromHex("06 01 5A");
    MemoryInputStream in(oneChar);
    EXPECT_EQ(TReader(in).readChar(), 'Z');
}

TEST(Encoding, FloatReadFallsBackToIntegers) {
    for (const auto& [hex, value] : std::initializer_list<std::pair<const char*, long double>>{
             {"02 05", 5.0L},
             {"03 80 00", 128.0L},
             {"04 00 00 00 80", -2147483648.0L},
             {"13 00 00 00 80 00 00 00 00", 2147483648.0L}}) {
        const std::string bytes = fromHex(hex);
        MemoryInputStream in(bytes);
        TReader reader(in);
        EXPECT_EQ(reader.readFloat(), value) << hex;
        EXPECT_TRUE(reader.atEnd());
    }
}

Extended storedExtended(const char* hex) {
    const std::string raw = fromHex(hex);
    ExtendedBytes bytes{};
    std::memcpy(bytes.data(), raw.data(), bytes.size());
    return Extended::fromBytes(bytes);
}

struct ExtendedCase {
    Extended value;
    const char* hex;
};

TEST(Encoding, ExtendedIsWrittenAndReadExactly) {
    const ExtendedCase cases[] = {
        {1.0, "05 00 00 00 00 00 00 00 80 FF 3F"},
        {-1.0, "05 00 00 00 00 00 00 00 80 FF BF"},
        {0.0, "05 00 00 00 00 00 00 00 00 00 00"},
        {-0.0, "05 00 00 00 00 00 00 00 00 00 80"},
        {2.0, "05 00 00 00 00 00 00 00 80 00 40"},
        {0.5, "05 00 00 00 00 00 00 00 80 FE 3F"},
        {std::numeric_limits<double>::infinity(), "05 00 00 00 00 00 00 00 80 FF 7F"},
        {-std::numeric_limits<double>::infinity(), "05 00 00 00 00 00 00 00 80 FF FF"},
        // 1 + 2^-63: needs all 64 significand bits, beyond a double.
        {storedExtended("01 00 00 00 00 00 00 80 FF 3F"), "05 01 00 00 00 00 00 00 80 FF 3F"},
        // The largest extended value, far beyond a double's range.
        {storedExtended("FF FF FF FF FF FF FF FF FE 7F"), "05 FF FF FF FF FF FF FF FF FE 7F"},
        // The smallest denormal.
        {storedExtended("01 00 00 00 00 00 00 00 00 00"), "05 01 00 00 00 00 00 00 00 00 00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(written([&](TWriter& w) { w.writeFloat(c.value); }), c.hex);
        const std::string bytes = fromHex(c.hex);
        MemoryInputStream in(bytes);
        const Extended back = TReader(in).readFloat();
        EXPECT_EQ(back, c.value) << c.hex;
        EXPECT_EQ(back.bytes(), c.value.bytes()) << c.hex;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(written([&](TWriter& w) { w.writeFloat(nan); }), "05 00 00 00 00 00 00 00 C0 FF 7F");
    const std::string nanBytes = fromHex("05 00 00 00 00 00 00 00 C0 FF 7F");
    MemoryInputStream in(nanBytes);
    EXPECT_TRUE(TReader(in).readFloat().isNaN());
}

TEST(Encoding, WrongTagsAndShortDataFailWithTheirTexts) {
    const auto integer = [](TReader& r) { r.readInteger(); };
    const auto text = [](TReader& r) { r.readString(); };
    const auto character = [](TReader& r) { r.readChar(); };
    const auto int64 = [](TReader& r) { r.readInt64(); };
    const auto real = [](TReader& r) { r.readFloat(); };
    EXPECT_EQ(failureOf("06 01 41", integer), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("09", integer), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("13 00 00 00 00 00 00 00 00", integer), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("02 05", text), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("06 02 41 42", character), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("06 00", character), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("06 01 41", int64), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("08", real), "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOf("", integer), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("03 01", integer), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("04 01 02 03", integer), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("13 01 02", int64), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("05 00 00", real), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("06 05 41", text), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("0C 05 00", text), "Stream-Lesefehler");
    // A length that claims 4 GiB fails at the end of the data, without
    // reserving the claimed size first.
    EXPECT_EQ(failureOf("0C FF FF FF FF 41", text), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("12 FF FF FF FF 41 00", text), "Stream-Lesefehler");
    EXPECT_EQ(failureOf("14 FF FF FF FF", text), "Stream-Lesefehler");
}

TEST(Encoding, ValuesLongerThanTheBufferCrossItsBoundary) {
    StringOutputStream out;
    const std::string big(10000, 'q');
    {
        TWriter writer(out);
        for (int i = 0; i < 3000; ++i) writer.writeInteger(i * 1000);
        writer.writeString(big);
        writer.writeFloat(0.1L);
    }
    MemoryInputStream in(out.bytes());
    TReader reader(in);
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(reader.readInteger(), i * 1000);
    EXPECT_EQ(reader.readString(), big);
    EXPECT_EQ(reader.readFloat(), 0.1L);
    EXPECT_TRUE(reader.atEnd());
}

TEST(Encoding, LentTextsEqualReadTextsAlsoAcrossTheBufferEdge) {
    // Texts of every tag, placed so that some straddle the 4000-byte buffer.
    StringOutputStream out;
    std::vector<std::string> texts;
    {
        TWriter writer(out);
        for (int i = 0; i < 700; ++i) {
            texts.push_back(i % 7 == 0 ? std::string(i % 300, 'x') + "\xE4"
                                       : "TName" + std::to_string(i));
            writer.writeString(texts.back());
        }
    }
    MemoryInputStream in(out.bytes());
    TReader reader(in);
    for (const auto& text : texts) ASSERT_EQ(reader.readStringLent(), text);
    EXPECT_TRUE(reader.atEnd());
}

// Short texts go through word-sized copies and checks in the writer and the
// reader: every length, a high byte at every place, and every position just
// before the 4000-byte buffer's end must give the exact bytes and read back.
TEST(Encoding, ShortTextsKeepTheirBytesAtEveryLengthAndBufferPosition) {
    std::vector<std::string> texts;
    for (std::size_t size = 0; size <= 20; ++size) {
        std::string ascii;
        for (std::size_t i = 0; i < size; ++i) ascii += static_cast<char>('a' + (size + i) % 26);
        texts.push_back(ascii);
        for (std::size_t high = 0; high < size; ++high) {
            texts.push_back(ascii);
            texts.back()[high] = '\xE4';
        }
    }
    const auto encoded = [](const std::string& text) {
        std::string utf8;
        for (const char c : text) utf8 += c == '\xE4' ? std::string("\xC3\xA4") : std::string(1, c);
        if (utf8 == text) return std::string{'\x06', static_cast<char>(text.size())} + text;
        return std::string{'\x14', static_cast<char>(utf8.size()), 0, 0, 0} + utf8;
    };
    std::string into(40, '#');  // a longer text before, in memory of its own
    for (const std::string& text : texts) {
        for (std::size_t lead = TWriter::kBufferSize - 40; lead <= TWriter::kBufferSize; ++lead) {
            StringOutputStream out;
            {
                TWriter writer(out);
                for (std::size_t i = 0; i < lead; ++i) writer.writeBoolean(true);
                writer.writeString(text);
                writer.writeString(text);
            }
            const std::string where = "\"" + text + "\" after " + std::to_string(lead);
            ASSERT_EQ(out.bytes(), std::string(lead, '\x09') + encoded(text) + encoded(text))
                << where;
            MemoryInputStream in(out.bytes());
            TReader reader(in);
            for (std::size_t i = 0; i < lead; ++i) reader.readBoolean();
            reader.readString(into);
            ASSERT_EQ(into, text) << where;
            ASSERT_EQ(reader.readString(), text) << where;
            EXPECT_TRUE(reader.atEnd()) << where;
        }
    }
}

TEST(Encoding, ReadsConsumeExactlyTheirValue) {
    EXPECT_EQ(leftAfter(fromHex("02 05 09"), [](TReader& r) { EXPECT_EQ(r.readFloat(), 5.0L); }),
              1u);
    EXPECT_EQ(leftAfter(fromHex("13 01 00 00 00 00 00 00 00 08"),
                        [](TReader& r) { EXPECT_EQ(r.readInt64(), 1); }),
              1u);
}

}  // namespace
