// The web page of a demonstration: texts escaped wherever they stand, the
// drawing calls as SVG shapes with the program's colours, one section per
// step with only the first shown, each phase of a blinking picture as a group
// of its own, and the marked pseudo-code line.
#include "workbench/webpage.h"

#include <gtest/gtest.h>

#include <string>

#include "demo/pseudocode.h"
#include "demo/question.h"

namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(WebPageText, EveryMarkupCharacterIsEscapedAndTheRestKept) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"", ""},
        {"Einfügestelle gefunden", "Einfügestelle gefunden"},
        {"a < b && c > d", "a &lt; b &amp;&amp; c &gt; d"},
        {"\"x\" 'y'", "&quot;x&quot; &#39;y&#39;"},
        {"</p><script>alert(1)</script>", "&lt;/p&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"&amp;", "&amp;amp;"},
    };
    for (const auto& c : cases) EXPECT_EQ(webpage::escape(c.text), c.escaped) << c.text;
}

TEST(WebPageColours, ColoursAreRgbAndSystemColoursTheWindowDefaults) {
    const struct {
        Color color;
        const char* css;
    } cases[] = {
        {clBlack, "#000000"},
        {clWhite, "#FFFFFF"},
        {0x0000FF, "#FF0000"},  // the colour's low byte is red
        {0x123456, "#563412"},
        {clBtnFace, "#F0F0F0"},
        {static_cast<Color>(0x80000005), "#FFFFFF"},
        {static_cast<Color>(0x80000008), "#000000"},
        {static_cast<Color>(0x80000010), "#A0A0A0"},
    };
    for (const auto& c : cases) EXPECT_EQ(webpage::cssColor(c.color), c.css) << c.color;
}

TEST(WebPageSvg, EachDrawingCallBecomesItsShapes) {
    DrawingRecorder image(100, 50);
    image.setBrushColor(clWhite);
    image.fillRect(2, 3, 12, 8);
    image.setPenColor(clBlack);
    image.setBrushColor(clBtnFace);
    image.rectangle(10, 10, 20, 15);
    image.moveTo(0, 0);
    image.lineTo(5, 9);
    image.setFontBold(true);
    image.setFontColor(0x0000FF);
    image.textOut(4, 6, "ä<1>");
    EXPECT_EQ(webpage::svgShapes(image.record()),
              "<rect x=\"2\" y=\"3\" width=\"10\" height=\"5\" fill=\"#FFFFFF\"/>"
              "<rect x=\"10\" y=\"10\" width=\"10\" height=\"5\" fill=\"#000000\"/>"
              "<rect x=\"11\" y=\"11\" width=\"8\" height=\"3\" fill=\"#F0F0F0\"/>"
              "<line x1=\"0.5\" y1=\"0.5\" x2=\"5.5\" y2=\"9.5\" stroke=\"#000000\"/>"
              "<rect x=\"4\" y=\"6\" width=\"28\" height=\"13\" fill=\"#F0F0F0\"/>"
              "<text x=\"4\" y=\"16\" font-size=\"11\" font-weight=\"bold\" fill=\"#FF0000\">"
              "ä&lt;1&gt;</text>");
}

TEST(WebPageDocument, OneSectionPerStepTheFirstShownTextsEscapedAndTheLineMarked) {
    webpage::Document document;
    document.title = "AVL-Baum: Einfügen von <2>";
    document.made = "Erstellt am 10.12.2026 um 12:00 Uhr";
    document.stepMs = 700;
    DrawingRecorder phase0(40, 20), phase1(40, 20);
    phase0.textOut(1, 1, "0");
    phase1.textOut(1, 1, "1");
    webpage::Step blinking{
        "Schritt 1", "Bei 3 ist die \"AVL-Eigenschaft\" verletzt", 40,
        20,          {phase0.record(), phase1.record()},           {{Procedure::avlInsert, 2}},
        {}};
    webpage::Step result{"Ergebnis", "", 40, 20, {phase0.record()}, {}, {}};
    document.steps = {blinking, result};
    const std::string html = webpage::page(document);

    EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"de\">", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_EQ(count(html, "<title>AVL-Baum: Einfügen von &lt;2&gt;</title>"), 1u);
    EXPECT_EQ(count(html, "<h1>AVL-Baum: Einfügen von &lt;2&gt;</h1>"), 1u);
    EXPECT_EQ(count(html, "<2>"), 0u);
    EXPECT_NE(html.find("data-step-ms=\"700\""), std::string::npos);
    EXPECT_EQ(count(html, "<section class=\"step\""), 2u);
    EXPECT_EQ(count(html, "<section class=\"step\" id=\"step-1\" data-heading=\"Schritt 1\">"), 1u);
    EXPECT_EQ(
        count(html, "<section class=\"step\" id=\"step-2\" data-heading=\"Ergebnis\" hidden>"), 1u);
    EXPECT_EQ(count(html,
                    "<p class=\"text\">Bei 3 ist die &quot;AVL-Eigenschaft&quot; "
                    "verletzt</p>"),
              1u);
    // Both phases of the blinking picture, the second hidden until it blinks.
    EXPECT_EQ(count(html, "<g class=\"phase\">"), 2u);
    EXPECT_EQ(count(html, "<g class=\"phase\" style=\"display:none\">"), 1u);
    EXPECT_NE(html.find(">1</text>"), std::string::npos);
    // The procedure with its third line marked; the result has no code.
    const PseudoLine& line = pseudocode::lines(Procedure::avlInsert)[2];
    EXPECT_EQ(count(html, "<span class=\"line marked\">"), 1u);
    EXPECT_NE(html.find("<span class=\"line marked\">" +
                        std::string(static_cast<std::size_t>(line.indent) * 4, ' ') +
                        webpage::escape(line.text) + "</span>"),
              std::string::npos);
    EXPECT_EQ(count(html, "<div class=\"code\">"), 1u);
    for (const char* button : {"Zurück", "Weiter", "Abspielen"})
        EXPECT_NE(html.find(std::string(">") + button + "</button>"), std::string::npos);
}

TEST(WebPageDocument, WithQuestionsAStepAsksFirstAndShowsItselfOnceAnswered) {
    webpage::Document document;
    document.title = "Bayer-Baum: Einfügen von 5";
    DrawingRecorder picture(40, 20);
    picture.textOut(1, 1, "5");
    Question overflow{"Läuft die Seite über?", {"ja", "nein"}, 0, "Die Seite hat 4 Schlüssel.", {}};
    Question middle{"Welcher Schlüssel <oben>?", {"1", "3", "5"}, 1, "der \"mittlere\"", {}};
    webpage::Step split{"Schritt 1", "Aufteilen",       40, 20, {picture.record()},
                        {},          {overflow, middle}};
    webpage::Step plain{"Schritt 2", "Neue Wurzel", 40, 20, {picture.record()}, {}, {}};
    document.steps = {split, plain};

    // Without the mode the questions stay out.
    const std::string without = webpage::page(document);
    EXPECT_EQ(count(without, "class=\"question\""), 0u);
    EXPECT_EQ(count(without, "<p class=\"text\">Aufteilen</p>"), 1u);

    document.predict = true;
    const std::string html = webpage::page(document);
    EXPECT_EQ(count(html, "<div class=\"question\""), 2u);
    EXPECT_EQ(count(html,
                    "<div class=\"question\" data-correct=\"0\" data-right=\"Richtig\" "
                    "data-wrong=\"Leider falsch: richtig ist ja\">\n<p class=\"ask\">Läuft die "
                    "Seite über?</p>\n<p class=\"answers\"><button type=\"button\" "
                    "class=\"answer\" data-answer=\"0\">ja</button><button type=\"button\" "
                    "class=\"answer\" data-answer=\"1\">nein</button></p>\n<p "
                    "class=\"verdict\" hidden></p>\n<p class=\"why\" hidden>Die Seite hat 4 "
                    "Schlüssel.</p>"),
              1u);
    EXPECT_EQ(count(html,
                    "data-correct=\"1\" data-right=\"Richtig\" data-wrong=\"Leider falsch: "
                    "richtig ist 3\">\n<p class=\"ask\">Welcher Schlüssel &lt;oben&gt;?</p>"),
              1u);
    EXPECT_EQ(count(html, "<p class=\"why\" hidden>der &quot;mittlere&quot;</p>"), 1u);
    EXPECT_EQ(count(html, "class=\"answer\""), 5u);
    // The asking step's text and picture wait for the answers; the other
    // step shows at once.
    EXPECT_EQ(count(html, "<p class=\"text after\" hidden>Aufteilen</p>"), 1u);
    EXPECT_EQ(count(html, "<div class=\"content after\" hidden>"), 1u);
    EXPECT_EQ(count(html, "<p class=\"text\">Neue Wurzel</p>"), 1u);
    // The questions come before the step's text.
    EXPECT_LT(html.find("Läuft die Seite über?"), html.find(">Aufteilen</p>"));
}

}  // namespace
