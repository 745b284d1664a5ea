// List files: byte images, the round trip of every value class, and the
// refusals (cut files, wrong tags, unknown and non-element classes).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "elements/errors.h"
#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/liste.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

using lineartest::fingerprint;
using lineartest::fingerprints;
using lineartest::fromHex;
using lineartest::readAll;
using lineartest::strings;
using lineartest::toHex;
using lineartest::written;

namespace {

class ListeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
    }
    RecordingMessages messages;
};

// The list file of a TString abc followed by a TInteger 5.
const char* const kAbcFive =
    "02 02  06 07 54 53 74 72 69 6E 67  06 03 61 62 63  06 08 54 49 6E 74 65 67 65 72  02 05";

// One record per value class: class name, then the value's bytes.
struct Record {
    const char* className;
    const char* bytes;
};
const Record kEveryValueClass[] = {
    {"TChar", "06 05 54 43 68 61 72  14 02 00 00 00 C3 A4"},
    {"TInt64", "06 06 54 49 6E 74 36 34  13 00 00 00 00 00 01 00 00"},
    {"TByte", "06 05 54 42 79 74 65  03 C8 00"},
    {"TWord", "06 05 54 57 6F 72 64  04 FF FF 00 00"},
    {"TLongint", "06 08 54 4C 6F 6E 67 69 6E 74  04 90 EE FE FF"},
    {"TReal", "06 05 54 52 65 61 6C  05 00 D0 CC CC CC CC CC CC FB 3F"},
    {"TExtended", "06 09 54 45 78 74 65 6E 64 65 64  05 00 00 00 00 00 00 00 80 FF 3F"},
    {"TBoolean", "06 08 54 42 6F 6F 6C 65 61 6E  09"},
    {"TTColor", "06 07 54 54 43 6F 6C 6F 72  04 00 FF 00 00"},
    {"TTBruch", "06 07 54 54 42 72 75 63 68  02 02 02 04"},
    {"TString", "06 07 54 53 74 72 69 6E 67  06 03 61 62 63"},
    {"TInteger", "06 08 54 49 6E 74 65 67 65 72  02 05"},
};

std::string everyValueClassFile() {
    std::string bytes = fromHex("02 0C");
    for (const Record& r : kEveryValueClass) {
        bytes += fromHex(r.bytes);
    }
    return bytes;
}

TEST_F(ListeFileTest, StringAndIntegerListIsWrittenByteForByte) {
    TListe list;
    list.append(std::make_unique<TString>("abc"));
    list.append(std::make_unique<TInteger>(5));
    list.moveTo(1);
    EXPECT_EQ(toHex(written([&](TWriter& w) { list.save(w); })), toHex(fromHex(kAbcFive)));
    EXPECT_EQ(list.position(), 1);
}

TEST_F(ListeFileTest, StringAndIntegerListReadsBackWithCursorAtStart) {
    TListe list;
    list.append(std::make_unique<TInteger>(99));
    EXPECT_TRUE(readAll(fromHex(kAbcFive), [&](TReader& r) { list.load(r); }));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(fingerprint(*list.elemAt(0)), "TString:06 03 61 62 63");
    EXPECT_EQ(fingerprint(*list.elemAt(1)), "TInteger:02 05");
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeFileTest, EmptyListIsOnlyTheCountZero) {
    TListe list;
    EXPECT_EQ(toHex(written([&](TWriter& w) { list.save(w); })), "02 00");
    list.append(std::make_unique<TInteger>(1));
    EXPECT_TRUE(readAll(fromHex("02 00"), [&](TReader& r) { list.load(r); }));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(ListeFileTest, EveryValueClassIsWrittenAndReadBack) {
    TListe list;
    for (auto& e : lineartest::oneOfEachValueClass()) {
        list.append(std::move(e));
    }
    const std::string expected = everyValueClassFile();
    const std::string bytes = written([&](TWriter& w) { list.save(w); });
    EXPECT_EQ(toHex(bytes), toHex(expected));

    TListe loaded;
    EXPECT_TRUE(readAll(expected, [&](TReader& r) { loaded.load(r); }));
    EXPECT_EQ(fingerprints(loaded), fingerprints(list));
    EXPECT_EQ(loaded.compare(list), 0);
    for (int i = 0; i < loaded.count(); ++i) {
        EXPECT_EQ(loaded.elemAt(i)->className(), kEveryValueClass[i].className);
    }
}

TEST_F(ListeFileTest, CountTakesItsLowSixteenBits) {
    // 65536 + 1 stored as a 32-bit integer: one record.
    TListe list;
    const std::string bytes = fromHex("04 01 00 01 00  06 08 54 49 6E 74 65 67 65 72  02 07");
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { list.load(r); }));
    EXPECT_EQ(list.count(), 1);
}

TEST_F(ListeFileTest, ClassNamesAreFoundInAnyLetterCase) {
    TListe list;
    const std::string bytes = fromHex("02 01  06 08 74 69 6E 74 65 67 65 72  02 07");
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { list.load(r); }));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.elemAt(0)->className(), "TInteger");
}

TEST_F(ListeFileTest, EveryCutOfAFileFailsWithReadErrorAndKeepsWholeRecords) {
    const std::string full = fromHex(kAbcFive);
    const std::size_t firstRecordEnd = 2 + 9 + 5;
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        TListe list;
        try {
            readAll(full.substr(0, cut), [&](TReader& r) { list.load(r); });
            ADD_FAILURE() << "cut " << cut << " loaded";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), "Stream-Lesefehler") << "cut " << cut;
        }
        EXPECT_EQ(list.count(), cut >= firstRecordEnd ? 1 : 0) << "cut " << cut;
        EXPECT_TRUE(list.verify());
    }
}

struct BadFile {
    const char* name;
    const char* bytes;
    const char* error;
    int keptElements;
};

const BadFile kBadFiles[] = {
    {"count with text tag", "06 01 41", "Ungültiger Eigenschaftswert", 0},
    {"class name with integer tag", "02 01 02 05", "Ungültiger Eigenschaftswert", 0},
    {"value with wrong tag", "02 01 06 08 54 49 6E 74 65 67 65 72 06 01 35",
     "Ungültiger Eigenschaftswert", 0},
    {"unknown class", "02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 04 54 46 6F 6F 02 05",
     "Klasse TFoo nicht gefunden", 1},
    {"TBase", "02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 05 54 42 61 73 65",
     "Klasse TBase kann nicht als Element geladen werden", 1},
    {"TListe", "02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 06 54 4C 69 73 74 65 02 00",
     "Klasse TListe kann nicht als Element geladen werden", 1},
    {"TSortListe", "02 01 06 0A 54 53 6F 72 74 4C 69 73 74 65 02 00",
     "Klasse TSortListe kann nicht als Element geladen werden", 0},
    {"TSortableListe", "02 01 06 0E 54 53 6F 72 74 61 62 6C 65 4C 69 73 74 65 02 00",
     "Klasse TSortableListe kann nicht als Element geladen werden", 0},
    {"TFifo in lower case", "02 01 06 05 74 66 69 66 6F 02 00",
     "Klasse TFifo kann nicht als Element geladen werden", 0},
    {"65535 records of garbage", "04 FF FF 00 00 FF", "Ungültiger Eigenschaftswert", 0},
    {"long text claiming 4 GB", "02 01 0C FF FF FF FF 41 42", "Stream-Lesefehler", 0},
};

TEST_F(ListeFileTest, RefusedFilesFailWithTheirTextAndKeepElementsReadBefore) {
    for (const BadFile& bad : kBadFiles) {
        TListe list;
        try {
            readAll(fromHex(bad.bytes), [&](TReader& r) { list.load(r); });
            ADD_FAILURE() << bad.name << " loaded";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), bad.error) << bad.name;
        }
        EXPECT_EQ(list.count(), bad.keptElements) << bad.name;
        EXPECT_TRUE(list.verify()) << bad.name;
    }
}

TEST_F(ListeFileTest, DisplayStringsAreStoredUnderTheirOwnClassNames) {
    TListe list;
    list.append(std::make_unique<TLifoString>("a"));
    list.append(std::make_unique<TFifoString>("b"));
    const std::string bytes = written([&](TWriter& w) { list.save(w); });
    EXPECT_EQ(toHex(bytes),
              "02 02 06 0B 54 4C 69 66 6F 53 74 72 69 6E 67 06 01 61 "
              "06 0B 54 46 69 66 6F 53 74 72 69 6E 67 06 01 62");
    TListe loaded;
    readAll(bytes, [&](TReader& r) { loaded.load(r); });
    EXPECT_EQ(loaded.elemAt(0)->className(), "TLifoString");
    EXPECT_EQ(loaded.elemAt(1)->className(), "TFifoString");
}

TEST_F(ListeFileTest, SaveToFileThenLoadFromFileKeepsOrder) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro_liste_test";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "list.ldt").string();
    TListe list;
    for (int i = 0; i < 1000; ++i) {
        if (i % 2) {
            list.append(std::make_unique<TInteger>(i * 1000));
        } else {
            list.append(std::make_unique<TString>(std::string(i % 300, 'x')));
        }
    }
    list.saveToFile(name);
    std::ifstream in(name, std::ios::binary);
    const std::string onDisk((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, written([&](TWriter& w) { list.save(w); }));

    TListe loaded;
    loaded.loadFromFile(name);
    EXPECT_EQ(loaded.compare(list), 0);
    EXPECT_EQ(loaded.count(), 1000);
    std::filesystem::remove_all(dir);
}

TEST_F(ListeFileTest, LoadFromMissingFileFailsWithOpenError) {
    TListe list;
    const std::string name = "/nonexistent-dir-tessaro/list.ldt";
    try {
        list.loadFromFile(name);
        ADD_FAILURE() << "loaded";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Datei " + name + " kann nicht geöffnet werden. ", 0),
                  0u)
            << e.what();
    }
}

TEST_F(ListeFileTest, SaveToUncreatableFileFailsWithCreateError) {
    TListe list;
    const std::string name = "/nonexistent-dir-tessaro/list.ldt";
    try {
        list.saveToFile(name);
        ADD_FAILURE() << "saved";
    } catch (const FileError& e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("Datei \"" + name + "\" kann nicht erstellt werden. ", 0),
            0u)
            << e.what();
    }
}

TEST_F(ListeFileTest, FullSizeMixedListRoundTrips) {
    TListe list;
    for (int i = 0; i < 65535; ++i) {
        if (i % 3 == 0) {
            list.append(std::make_unique<TString>("s" + std::to_string(i)));
        } else {
            list.append(std::make_unique<TInteger>(i * 7919));
        }
    }
    const std::string bytes = written([&](TWriter& w) { list.save(w); });
    EXPECT_EQ(toHex(bytes.substr(0, 5)), "04 FF FF 00 00");
    TListe loaded;
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { loaded.load(r); }));
    EXPECT_EQ(loaded.compare(list), 0);
    EXPECT_TRUE(messages.log.empty());
}

}  // namespace
