// The class registry and the element records of the files.
#include <gtest/gtest.h>

#include "elements/base.h"
#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "tests/support/hex.h"

using testsupport::fromHex;

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { registerElementClasses(); }
};

std::string failureOfLoading(const std::string& hex) {
    const std::string bytes = fromHex(hex);
    MemoryInputStream in(bytes);
    TReader reader(in);
    try {
        loadElement(reader);
    } catch (const FileError& e) {
        return e.what();
    }
    return "loaded";
}

TEST_F(Registry, LookupIgnoresLetterCase) {
    EXPECT_EQ(registry::find("tinteger").name, "TInteger");
    EXPECT_EQ(registry::find("TSTRING").name, "TString");
    EXPECT_TRUE(registry::contains("tTbRuCh"));
    // Registering pulls in the ancestors up to the persistent-object base.
    EXPECT_TRUE(registry::contains("TBase"));
    EXPECT_TRUE(registry::contains("TPersistent"));
}

TEST_F(Registry, UnknownNamesAndClashingClassesFail) {
    try {
        registry::find("TFoo");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Klasse TFoo nicht gefunden");
    }
    static const ClassInfo impostor{"TSTRING", &TBase::info, nullptr};
    try {
        registry::registerClass(impostor);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Klasse mit der Bezeichnung TSTRING existiert bereits");
    }
    registry::registerClass(TString::info);  // the same class again does nothing
    EXPECT_EQ(&registry::find("tstring"), &TString::info);
}

TEST_F(Registry, ElementRecordsNameTheClassInAnyCase) {
    const std::string bytes = fromHex("06 08 74 69 6E 74 65 67 65 72 02 05");  // "tinteger" 5
    MemoryInputStream in(bytes);
    TReader reader(in);
    const auto element = loadElement(reader);
    EXPECT_EQ(element->className(), "TInteger");
    EXPECT_EQ(static_cast<const TInteger&>(*element).getValue(), 5);
}

TEST_F(Registry, ClassesThatCannotBeElementsAreRefused) {
    EXPECT_EQ(failureOfLoading("06 05 54 42 61 73 65 02 05"),  // "TBase"
              "Klasse TBase kann nicht als Element geladen werden");
    EXPECT_EQ(failureOfLoading("06 04 54 46 6F 6F"), "Klasse TFoo nicht gefunden");
    // The name is shown as the user reads it, whatever the file's encoding.
    EXPECT_EQ(failureOfLoading("14 04 00 00 00 54 C3 A4 78"), "Klasse Täx nicht gefunden");
    EXPECT_EQ(failureOfLoading("06 08 54 49 6E 74 65 67 65 72 06 00"),
              "Ungültiger Eigenschaftswert");
    EXPECT_EQ(failureOfLoading("06 08 54 49 6E 74 65 67 65 72"), "Stream-Lesefehler");
}

TEST_F(Registry, OverlongClassNamesAreNotReadWholeAndShownCut) {
    const std::string cut = std::string(40, 'A') + "\u2026";
    // A name announced as 1 MB of which only 300 bytes are there: refused
    // without reading to the end of the data.
    const std::string longText = fromHex("0C 00 00 10 00") + std::string(300, 'A');
    MemoryInputStream in(longText);
    TReader reader(in);
    try {
        loadElement(reader);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Klasse " + cut + " nicht gefunden");
    }
    EXPECT_FALSE(reader.atEnd());  // the rest of the name stays unread
    // The message shows 40 characters and marks a longer name as cut.
    std::string name40 = "06 28";
    for (int i = 0; i < 40; ++i) name40 += " 41";
    EXPECT_EQ(failureOfLoading(name40), "Klasse " + std::string(40, 'A') + " nicht gefunden");
    EXPECT_EQ(failureOfLoading("06 29" + name40.substr(5) + " 41"),
              "Klasse " + cut + " nicht gefunden");
}

}  // namespace
