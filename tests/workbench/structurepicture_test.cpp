// The pages' pictures: boxes show at most kMostBoxCharacters characters of a
// text, cut between UTF-8 sequences; a picture's size in pixels and its
// size within the PNG limit.
#include "workbench/structurepicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using structurepicture::PixelSize;

std::string times(int n, const std::string& unit) {
    std::string out;
    for (int i = 0; i < n; ++i) out += unit;
    return out;
}

const std::string kEllipsis = "\xE2\x80\xA6";

// The texts of a drawing, in drawing order.
std::vector<std::string> textsOf(const PagePicture& picture) {
    std::vector<std::string> texts;
    for (const DrawingOp& op : picture.drawing.ops())
        if (op.kind == DrawingOp::Kind::text) texts.push_back(op.text);
    return texts;
}

TEST(StructurePicture, BoxTextKeepsFortyCharactersAndCutsBetweenSequences) {
    struct Case {
        std::string text, shown;
    };
    const std::string a39 = times(39, "a");
    const std::vector<Case> cases = {
        {"", ""},
        {"Anna", "Anna"},
        {times(40, "a"), times(40, "a")},
        {times(41, "a"), a39 + kEllipsis},
        {times(1000, "x"), times(39, "x") + kEllipsis},
        // Two, three and four bytes a character: counted as one, never cut.
        {times(40, "ä"), times(40, "ä")},
        {times(41, "ä"), times(39, "ä") + kEllipsis},
        {a39 + "€", a39 + "€"},
        {a39 + "€€", a39 + kEllipsis},
        {times(38, "a") + "\xF0\x9F\x8C\xB3" + "bc",
         times(38, "a") + "\xF0\x9F\x8C\xB3" + kEllipsis},
        // An ellipsis of the text's own counts as one character.
        {a39 + kEllipsis, a39 + kEllipsis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(structurepicture::boxText(c.text), c.shown);
    }
}

TEST(StructurePicture, BoxesOfLongTextsStayNarrow) {
    const std::string longText = "Element 7 " + times(990, "x");
    const std::string shown = structurepicture::boxText(longText);
    const std::vector<std::string> values = {longText, "kurz"};
    const PagePicture list =
        structurepicture::linearPicture(structurepicture::Row::list, values, 0, nullptr);
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{shown, "kurz", "Cursor"}));
    const PagePicture stack =
        structurepicture::linearPicture(structurepicture::Row::stack, values, -1, nullptr);
    EXPECT_EQ(textsOf(stack), (std::vector<std::string>{shown, "kurz", "oben"}));
    // Two boxes of 40 characters (7 pixels each without a measuring
    // surface) side by side: the row is no wider than a page.
    EXPECT_EQ(list.width, 12 + 2 * (40 * 7 + 12) + 10 + 12);
    const PagePicture tree = structurepicture::ntreePicture({{1, longText}, {2, "b"}}, nullptr);
    EXPECT_EQ(textsOf(tree), (std::vector<std::string>{shown, "b"}));
}

TEST(StructurePicture, PixelSizeAndTheLimitKeepTheProportions) {
    struct Case {
        PixelSize size, within;
    };
    const std::vector<Case> cases = {
        {{497, 293}, {497, 293}},
        {{4000, 4000}, {4000, 4000}},  // exactly the limit
        {{4000, 4001}, {3999, 4000}},
        {{5521, 90034}, {990, 16153}},
        {{16563, 270102}, {990, 16153}},  // the same at 3x
        {{1, 100'000'000}, {1, 16'000'000}},
        {{100'000'000, 1}, {16'000'000, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(structurepicture::sizeText(c.size));
        const PixelSize within = structurepicture::withinLimit(c.size);
        EXPECT_EQ(within, c.within);
        EXPECT_LE(within.pixels(), structurepicture::kMostPixels);
    }
    PagePicture picture;
    picture.width = 300;
    picture.height = 200;
    EXPECT_EQ(structurepicture::pixelSize(picture, 3), (PixelSize{900, 600}));
    structurepicture::setCaption(picture, times(100, "w"), nullptr);
    EXPECT_EQ(structurepicture::pixelSize(picture, 2),
              (PixelSize{2 * picture.captionWidth, 2 * (200 + structurepicture::kCaptionHeight)}));
    EXPECT_EQ(structurepicture::tooLargeText({5521, 90034}),
              "Das Bild wäre 5521 × 90034 Pixel groß.");
}

// A page lends the picture the first values and the count: the same
// picture as with every value.
TEST(StructurePicture, FirstValuesAndTheCountMakeTheSamePicture) {
    structurepicture::ShownLines lines;
    std::vector<std::string> all;
    const int count = structurepicture::kMostShown + 500;
    for (int i = 0; i < count; ++i) {
        all.push_back("Wert " + std::to_string(i));
        lines.addLine(all.back());
    }
    lines.appendText(" (nicht gezeigt)");  // to the last line, which is not kept
    EXPECT_EQ(lines.count(), static_cast<std::size_t>(count));
    ASSERT_EQ(lines.lines().size(), static_cast<std::size_t>(structurepicture::kMostShown));
    EXPECT_EQ(lines.lines().back(), all[structurepicture::kMostShown - 1]);
    for (const auto row : {structurepicture::Row::list, structurepicture::Row::stack}) {
        const PagePicture whole = structurepicture::linearPicture(row, all, 3, nullptr);
        const PagePicture first =
            structurepicture::linearPicture(row, lines.lines(), lines.count(), 3, nullptr);
        EXPECT_EQ(textsOf(first), textsOf(whole));
        EXPECT_EQ(textsOf(first).back(), kEllipsis + " und 500 weitere Elemente");
        EXPECT_EQ(first.width, whole.width);
        EXPECT_EQ(first.height, whole.height);
    }
    // Lines as LineCollector takes them: appended to, set as a whole.
    structurepicture::ShownLines set;
    set.appendText("a");
    set.appendText("b");
    set.addLine("c");
    EXPECT_EQ(set.text(), "ab\nc");
    set.setText("x\ny\nz");
    EXPECT_EQ(set.lines(), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(set.count(), 3u);
    set.setText("");
    EXPECT_EQ(set.count(), 0u);
}

}  // namespace
