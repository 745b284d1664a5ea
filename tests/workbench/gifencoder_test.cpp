// The GIF encoder: the palette of a frame (exact up to 256 colours, the
// 8 x 8 x 4 cube beyond), the delays of a step's blink phases, and the bytes
// of the file: header, screen, the repeating loop, and each frame's delay
// and colour table where the format puts them.
#include "workbench/gifencoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

gif::Frame frameOf(int width, int height, const std::vector<std::uint32_t>& rgb, int delayCs = 0) {
    gif::Frame frame{width, height, {}, delayCs};
    for (std::uint32_t c : rgb) {
        frame.rgba.push_back(static_cast<std::uint8_t>(c >> 16));
        frame.rgba.push_back(static_cast<std::uint8_t>(c >> 8));
        frame.rgba.push_back(static_cast<std::uint8_t>(c));
        frame.rgba.push_back(0xFF);
    }
    return frame;
}

std::uint8_t byteAt(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes.at(at));
}

TEST(GifPalette, FewColoursAreKeptExactlyInTheOrderMet) {
    const gif::Indexed indexed =
        gif::quantise(frameOf(3, 2, {0xF0F0F0, 0x000000, 0xF0F0F0, 0xFF0000, 0x000000, 0x123456}));
    EXPECT_TRUE(indexed.exact);
    EXPECT_EQ(indexed.palette,
              (std::vector<std::uint32_t>{0xF0F0F0, 0x000000, 0xFF0000, 0x123456}));
    EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{0, 1, 0, 2, 1, 3}));
}

TEST(GifPalette, ExactlyTwoHundredFiftySixColoursStayExact) {
    std::vector<std::uint32_t> rgb;
    for (std::uint32_t k = 0; k < 256; ++k) rgb.push_back(k * 0x010101);
    const gif::Indexed indexed = gif::quantise(frameOf(16, 16, rgb));
    EXPECT_TRUE(indexed.exact);
    ASSERT_EQ(indexed.palette.size(), 256u);
    for (std::size_t k = 0; k < 256; ++k) {
        EXPECT_EQ(indexed.palette[k], rgb[k]);
        EXPECT_EQ(indexed.indices[k], k);
    }
}

TEST(GifPalette, MoreColoursTakeTheNearestOfTheCube) {
    std::vector<std::uint32_t> rgb;
    for (std::uint32_t k = 0; k < 257; ++k) rgb.push_back(k);  // blues 0..256
    rgb.back() = 0xFFFFFF;
    const gif::Indexed indexed = gif::quantise(frameOf(257, 1, rgb));
    EXPECT_FALSE(indexed.exact);
    ASSERT_EQ(indexed.palette.size(), 256u);
    // Red and green in eight levels, blue in four.
    EXPECT_EQ(indexed.palette[0], 0x000000u);
    EXPECT_EQ(indexed.palette[1], 0x000055u);
    EXPECT_EQ(indexed.palette[0b001'000'00], 0x240000u);
    EXPECT_EQ(indexed.palette[0b000'001'00], 0x002400u);
    EXPECT_EQ(indexed.palette[255], 0xFFFFFFu);
    const struct {
        std::size_t pixel;
        std::uint8_t index;
    } nearest[] = {{0, 0}, {42, 0}, {43, 1}, {127, 1}, {128, 2}, {213, 3}, {256, 255}};
    for (const auto& n : nearest) EXPECT_EQ(indexed.indices[n.pixel], n.index) << n.pixel;
}

TEST(GifDelays, AStepsTimeIsSharedOutAmongItsPhases) {
    const struct {
        int phases;
        int stepMs;
        std::vector<int> delays;
    } cases[] = {
        {1, 1500, {150}},      {2, 1500, {75, 75}},     {2, 1000, {50, 50}},
        {2, 1010, {50, 51}},   {3, 1000, {33, 33, 34}}, {1, 200, {20}},
        {2, 5000, {250, 250}}, {2, 10, {2, 2}},         {1, 4, {2}},
        {0, 1500, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gif::phaseDelays(c.phases, c.stepMs), c.delays) << c.phases << " " << c.stepMs;
}

TEST(GifFile, HeaderLoopDelaysAndColourTablesStandWhereTheFormatSays) {
    gif::Encoder encoder(2, 1);
    encoder.add(frameOf(2, 1, {0xF0F0F0, 0x000000}, 75));
    encoder.add(frameOf(2, 1, {0xFF0000, 0x00FF00}, 150));
    EXPECT_EQ(encoder.frames(), 2);
    const std::string bytes = encoder.finish();

    ASSERT_GE(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    EXPECT_EQ(byteAt(bytes, 6) | byteAt(bytes, 7) << 8, 2);  // width
    EXPECT_EQ(byteAt(bytes, 8) | byteAt(bytes, 9) << 8, 1);  // height
    EXPECT_EQ(byteAt(bytes, 10) & 0x80, 0);                  // no global table
    std::size_t at = 13;
    // The loop without end.
    EXPECT_EQ(bytes.substr(at, 19), std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
    at += 19;
    const std::uint32_t colours[2][2] = {{0xF0F0F0, 0x000000}, {0xFF0000, 0x00FF00}};
    const int delays[2] = {75, 150};
    for (int f = 0; f < 2; ++f) {
        SCOPED_TRACE(f);
        // Graphic control: no disposal, no transparency, the delay.
        ASSERT_EQ(byteAt(bytes, at), 0x21);
        EXPECT_EQ(byteAt(bytes, at + 1), 0xF9);
        EXPECT_EQ(byteAt(bytes, at + 2), 4);
        EXPECT_EQ(byteAt(bytes, at + 3) & 0x01, 0);
        EXPECT_EQ(byteAt(bytes, at + 4) | byteAt(bytes, at + 5) << 8, delays[f]);
        at += 8;
        // Image descriptor with a local table of two colours.
        ASSERT_EQ(byteAt(bytes, at), 0x2C);
        EXPECT_EQ(byteAt(bytes, at + 5) | byteAt(bytes, at + 6) << 8, 2);
        EXPECT_EQ(byteAt(bytes, at + 9), 0x80);  // local table of 2^(0+1) entries
        at += 10;
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(byteAt(bytes, at) << 16 | byteAt(bytes, at + 1) << 8 | byteAt(bytes, at + 2),
                      static_cast<int>(colours[f][c]));
            at += 3;
        }
        // The LZW data: minimum code size, then sub-blocks up to the empty one.
        ++at;
        while (byteAt(bytes, at) != 0) at += 1 + byteAt(bytes, at);
        ++at;
    }
    EXPECT_EQ(at, bytes.size() - 1);
    EXPECT_EQ(byteAt(bytes, at), 0x3B);  // trailer
}

TEST(GifFile, AFrameOfAnotherSizeIsRefused) {
    gif::Encoder encoder(2, 2);
    EXPECT_THROW(encoder.add(frameOf(2, 1, {0, 0})), gif::EncodeError);
    EXPECT_THROW(gif::Encoder(0, 5), gif::EncodeError);
}

}  // namespace
