// TLifo: stack order, the 65535 limit, write, copy, and the stack file.
#include "linear/lifo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "elements/errors.h"
#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/liste.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

using lineartest::fingerprint;
using lineartest::fromHex;
using lineartest::readAll;
using lineartest::toHex;
using lineartest::written;

namespace {

class LifoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
    }

    std::vector<std::string> shown(const TLifo& stack) {
        memo.lines.clear();
        stack.write(memo);
        return memo.lines;
    }

    RecordingMessages messages;
    RecordingText memo;
};

std::unique_ptr<TBase> lifoString(const char* s) { return std::make_unique<TLifoString>(s); }

// The stack of a and then b pushed as TLifoStrings.
const char* const kAB =
    "02 02  06 0B 54 4C 69 66 6F 53 74 72 69 6E 67  06 01 62"
    "  06 0B 54 4C 69 66 6F 53 74 72 69 6E 67  06 01 61";

TEST_F(LifoTest, NewStackIsEmpty) {
    TLifo stack;
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.count(), 0);
    EXPECT_EQ(stack.top(), nullptr);
    stack.pop();
    EXPECT_TRUE(stack.empty());
    EXPECT_TRUE(stack.verify());
}

TEST_F(LifoTest, PushThreeShowsTopFirst) {
    TLifo stack;
    stack.push(lifoString("A"));
    stack.push(lifoString("B"));
    stack.push(lifoString("C"));
    EXPECT_EQ(shown(stack), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(dynamic_cast<TString&>(*stack.top()).getValue(), "C");
    stack.pop();
    EXPECT_EQ(dynamic_cast<TString&>(*stack.top()).getValue(), "B");
    EXPECT_EQ(stack.count(), 2);
    EXPECT_TRUE(stack.verify());
}

TEST_F(LifoTest, StackFileIsWrittenByteForByte) {
    TLifo stack;
    stack.push(lifoString("a"));
    stack.push(lifoString("b"));
    const std::string bytes = written([&](TWriter& w) { stack.save(w); });
    EXPECT_EQ(bytes.size(), 34u);
    EXPECT_EQ(toHex(bytes), toHex(fromHex(kAB)));
}

TEST_F(LifoTest, StackFileReadsBackInSavedOrder) {
    TLifo stack;
    EXPECT_TRUE(readAll(fromHex(kAB), [&](TReader& r) { stack.load(r); }));
    EXPECT_EQ(stack.count(), 2);
    EXPECT_EQ(shown(stack), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(stack.top()->className(), "TLifoString");
    EXPECT_TRUE(stack.verify());
}

TEST_F(LifoTest, EmptyStackFileIsCountZero) {
    TLifo stack;
    EXPECT_EQ(toHex(written([&](TWriter& w) { stack.save(w); })), "02 00");
    TLifo loaded;
    EXPECT_TRUE(readAll(fromHex("02 00"), [&](TReader& r) { loaded.load(r); }));
    EXPECT_TRUE(loaded.empty());
}

TEST_F(LifoTest, SaveAndLoadThroughFileKeepOrderAndCount) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro_lifo_test";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "stack.kdt").string();
    TLifo stack;
    stack.push(lifoString("A"));
    stack.push(lifoString("B"));
    stack.push(lifoString("C"));
    stack.save(name);
    TLifo loaded;
    loaded.load(name);
    EXPECT_EQ(loaded.count(), 3);
    EXPECT_EQ(shown(loaded), (std::vector<std::string>{"C", "B", "A"}));
    std::filesystem::remove_all(dir);
}

TEST_F(LifoTest, StackFilesOfOtherElementClassesAreRefused) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro_lifo_foreign_test";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "stack.kdt").string();
    struct Case {
        std::unique_ptr<TBase> second;
        const char* text;
    };
    Case cases[] = {
        {std::make_unique<TString>("s"), "TString statt TLifoString"},
        {std::make_unique<TFifoString>("f"), "TFifoString statt TLifoString"},
        {std::make_unique<TInteger>(5), "TInteger statt TLifoString"},
    };
    for (Case& c : cases) {
        TLifo stack;
        stack.push(std::move(c.second));
        stack.push(lifoString("A"));  // the top is read first and stays
        stack.save(name);
        TLifo loaded;
        try {
            loaded.load(name);
            ADD_FAILURE() << c.text;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("Die Datei enthält keinen gültigen Keller: die Elemente sind "
                                  "von der Klasse ") +
                          c.text);
        }
        EXPECT_EQ(shown(loaded), std::vector<std::string>{"A"});
    }
    std::filesystem::remove_all(dir);
}

TEST_F(LifoTest, LoadBelowExistingElements) {
    TLifo stack;
    stack.push(lifoString("x"));
    readAll(fromHex(kAB), [&](TReader& r) { stack.load(r); });
    EXPECT_EQ(shown(stack), (std::vector<std::string>{"x", "b", "a"}));
    EXPECT_EQ(stack.count(), 3);
    EXPECT_TRUE(stack.verify());
}

TEST_F(LifoTest, EveryValueClassRoundTrips) {
    TLifo stack;
    std::vector<std::string> expected;
    for (auto& e : lineartest::oneOfEachValueClass()) {
        expected.insert(expected.begin(), fingerprint(*e));
        stack.push(std::move(e));
    }
    const std::string bytes = written([&](TWriter& w) { stack.save(w); });
    TLifo loaded;
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { loaded.load(r); }));
    std::vector<std::string> got;
    while (!loaded.empty()) {
        got.push_back(fingerprint(*loaded.top()));
        loaded.pop();
    }
    EXPECT_EQ(got, expected);
}

TEST_F(LifoTest, RefusedStackFilesKeepRecordsReadBefore) {
    struct Bad {
        const char* bytes;
        const char* error;
        int kept;
    };
    const Bad bads[] = {
        {"", "Stream-Lesefehler", 0},
        {"02 02 06 07 54 53 74 72 69 6E 67 06 01 61", "Stream-Lesefehler", 1},
        {"02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 04 54 46 6F 6F",
         "Klasse TFoo nicht gefunden", 1},
        {"02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 05 54 46 69 66 6F",
         "Klasse TFifo kann nicht als Element geladen werden", 1},
        {"02 01 06 06 54 4C 69 73 74 65", "Klasse TListe kann nicht als Element geladen werden", 0},
        {"02 01 06 05 54 42 61 73 65", "Klasse TBase kann nicht als Element geladen werden", 0},
        {"06 00", "Ungültiger Eigenschaftswert", 0},
        {"04 FF FF 00 00 01", "Ungültiger Eigenschaftswert", 0},
    };
    for (const Bad& bad : bads) {
        TLifo stack;
        try {
            readAll(fromHex(bad.bytes), [&](TReader& r) { stack.load(r); });
            ADD_FAILURE() << bad.bytes << " loaded";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), bad.error) << bad.bytes;
        }
        EXPECT_EQ(stack.count(), bad.kept) << bad.bytes;
        EXPECT_TRUE(stack.verify());
    }
}

TEST_F(LifoTest, The65536thPushShowsOverflowAndKeepsCount) {
    TLifo stack;
    for (int i = 0; i < 65535; ++i) {
        ASSERT_TRUE(stack.push(std::make_unique<TInteger>(i)));
    }
    EXPECT_FALSE(stack.push(std::make_unique<TInteger>(-1)));
    EXPECT_EQ(stack.count(), 65535);
    EXPECT_EQ(dynamic_cast<TInteger&>(*stack.top()).getValue(), 65534);
    EXPECT_EQ(messages.log, std::vector<std::string>{"error: Überlauf"});
}

TEST_F(LifoTest, LoadingBeyondTheLimitRefusesTheRestWithOverflow) {
    TLifo stack;
    for (int i = 0; i < 65534; ++i) {
        stack.push(std::make_unique<TInteger>(i));
    }
    readAll(fromHex(kAB), [&](TReader& r) { stack.load(r); });
    EXPECT_EQ(stack.count(), 65535);
    EXPECT_EQ(messages.log, std::vector<std::string>{"error: Überlauf"});
    EXPECT_TRUE(stack.verify());
}

TEST_F(LifoTest, CopyGivesSameSequenceAndLeavesSourceAsItWas) {
    TLifo stack;
    stack.push(lifoString("A"));
    stack.push(lifoString("B"));
    stack.push(lifoString("C"));
    const TBase* top = stack.top();
    std::unique_ptr<TBase> c = stack.copy();
    auto& copy = dynamic_cast<TLifo&>(*c);
    EXPECT_EQ(copy.count(), 3);
    // The source still holds its own page strings, so it still shows itself.
    EXPECT_EQ(stack.top(), top);
    EXPECT_EQ(shown(stack), (std::vector<std::string>{"C", "B", "A"}));
    std::vector<std::string> values;
    while (!copy.empty()) {
        EXPECT_NE(copy.top(), top);
        values.push_back(fingerprint(*copy.top()));
        copy.pop();
    }
    EXPECT_EQ(values, (std::vector<std::string>{"TString:06 01 43", "TString:06 01 42",
                                                "TString:06 01 41"}));
}

TEST_F(LifoTest, CopyOfEmptyStackIsEmpty) {
    TLifo stack;
    std::unique_ptr<TLifo> copy = stack.copyLifo();
    EXPECT_TRUE(copy->empty());
}

TEST_F(LifoTest, FullStackCopiesAndDiesWithoutDeepRecursion) {
    auto stack = std::make_unique<TLifo>();
    for (int i = 0; i < 65535; ++i) {
        stack->push(std::make_unique<TInteger>(i));
    }
    std::unique_ptr<TLifo> copy = stack->copyLifo();
    EXPECT_EQ(copy->count(), 65535);
    EXPECT_EQ(dynamic_cast<TInteger&>(*copy->top()).getValue(), 65534);
    const std::string bytes = written([&](TWriter& w) { stack->save(w); });
    EXPECT_EQ(bytes, written([&](TWriter& w) { copy->save(w); }));
    stack.reset();
    copy.reset();
}

TEST_F(LifoTest, RandomPushPopMatchesAVector) {
    std::mt19937 rng(3);
    TLifo stack;
    std::vector<int> model;
    for (int step = 0; step < 3000; ++step) {
        if (rng() % 3 == 0) {
            stack.pop();
            if (!model.empty()) {
                model.pop_back();
            }
        } else {
            const int v = static_cast<int>(rng() % 1000);
            stack.push(std::make_unique<TInteger>(v));
            model.push_back(v);
        }
        ASSERT_EQ(stack.count(), model.size());
        ASSERT_TRUE(stack.verify());
        if (model.empty()) {
            ASSERT_EQ(stack.top(), nullptr);
        } else {
            ASSERT_EQ(dynamic_cast<TInteger&>(*stack.top()).getValue(), model.back());
        }
    }
}

}  // namespace
