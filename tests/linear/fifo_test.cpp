// TFifo: queue order, the back pointer, the 65535 limit, concat, copy and
// the queue file.
#include "linear/fifo.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <random>

#include "elements/errors.h"
#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

using lineartest::fingerprint;
using lineartest::fromHex;
using lineartest::readAll;
using lineartest::toHex;
using lineartest::written;

namespace {

class FifoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
    }

    std::vector<std::string> shown(const TFifo& queue) {
        memo.lines.clear();
        queue.write(memo);
        return memo.lines;
    }

    RecordingMessages messages;
    RecordingText memo;
};

std::unique_ptr<TBase> fifoString(const char* s) { return std::make_unique<TFifoString>(s); }

// The queue of a and then b inserted as TFifoStrings.
const char* const kAB =
    "02 02  06 0B 54 46 69 66 6F 53 74 72 69 6E 67  06 01 61"
    "  06 0B 54 46 69 66 6F 53 74 72 69 6E 67  06 01 62";

TEST_F(FifoTest, InsertThreeShowsFrontFirstAndDeleteAdvancesFront) {
    TFifo queue;
    queue.insert(fifoString("A"));
    queue.insert(fifoString("B"));
    queue.insert(fifoString("C"));
    EXPECT_EQ(shown(queue), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(dynamic_cast<TString&>(*queue.front()).getValue(), "A");
    queue.remove();
    EXPECT_EQ(dynamic_cast<TString&>(*queue.front()).getValue(), "B");
    EXPECT_EQ(queue.count(), 2);
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, DeletingLastElementResetsBackPointer) {
    TFifo queue;
    queue.insert(fifoString("A"));
    queue.remove();
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(queue.front(), nullptr);
    EXPECT_TRUE(queue.verify());
    queue.insert(fifoString("B"));
    EXPECT_EQ(shown(queue), std::vector<std::string>{"B"});
    queue.remove();
    queue.remove();
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, QueueFileIsWrittenByteForByte) {
    TFifo queue;
    queue.insert(fifoString("a"));
    queue.insert(fifoString("b"));
    const std::string bytes = written([&](TWriter& w) { queue.save(w); });
    EXPECT_EQ(bytes.size(), 34u);
    EXPECT_EQ(toHex(bytes), toHex(fromHex(kAB)));
}

TEST_F(FifoTest, LoadEmptiesTheQueueFirst) {
    TFifo queue;
    queue.insert(fifoString("old"));
    EXPECT_TRUE(readAll(fromHex(kAB), [&](TReader& r) { queue.load(r); }));
    EXPECT_EQ(shown(queue), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(queue.front()->className(), "TFifoString");
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, EmptyQueueFileIsCountZero) {
    TFifo queue;
    EXPECT_EQ(toHex(written([&](TWriter& w) { queue.save(w); })), "02 00");
    queue.insert(fifoString("x"));
    EXPECT_TRUE(readAll(fromHex("02 00"), [&](TReader& r) { queue.load(r); }));
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, SaveAndLoadThroughFileKeepOrderAndCount) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro_fifo_test";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "queue.sdt").string();
    TFifo queue;
    queue.insert(fifoString("A"));
    queue.insert(fifoString("B"));
    queue.insert(fifoString("C"));
    queue.save(name);
    TFifo loaded;
    loaded.load(name);
    EXPECT_EQ(loaded.count(), 3);
    EXPECT_EQ(shown(loaded), (std::vector<std::string>{"A", "B", "C"}));
    std::filesystem::remove_all(dir);
}

TEST_F(FifoTest, QueueFilesOfOtherElementClassesAreRefused) {
    const auto dir = std::filesystem::temp_directory_path() / "tessaro_fifo_foreign_test";
    std::filesystem::create_directories(dir);
    const std::string name = (dir / "queue.sdt").string();
    TLifo stack;  // a stack file loaded as a queue
    stack.push(std::make_unique<TLifoString>("k"));
    stack.save(name);
    TFifo loaded;
    loaded.insert(fifoString("old"));
    try {
        loaded.load(name);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Die Datei enthält keine gültige Schlange: die Elemente sind von der Klasse "
                  "TLifoString statt TFifoString");
    }
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(loaded.verify());
    TFifo queue;
    queue.insert(fifoString("A"));
    queue.insert(std::make_unique<TString>("s"));
    queue.save(name);
    EXPECT_THROW(loaded.load(name), FileError);
    EXPECT_EQ(shown(loaded), std::vector<std::string>{"A"});
    std::filesystem::remove_all(dir);
}

TEST_F(FifoTest, EveryValueClassRoundTrips) {
    TFifo queue;
    std::vector<std::string> expected;
    for (auto& e : lineartest::oneOfEachValueClass()) {
        expected.push_back(fingerprint(*e));
        queue.insert(std::move(e));
    }
    const std::string bytes = written([&](TWriter& w) { queue.save(w); });
    TFifo loaded;
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { loaded.load(r); }));
    std::vector<std::string> got;
    while (!loaded.empty()) {
        got.push_back(fingerprint(*loaded.front()));
        loaded.remove();
    }
    EXPECT_EQ(got, expected);
}

TEST_F(FifoTest, RefusedQueueFilesKeepRecordsReadBefore) {
    struct Bad {
        const char* bytes;
        const char* error;
        int kept;
    };
    const Bad bads[] = {
        {"", "Stream-Lesefehler", 0},
        {"02 03 06 07 54 53 74 72 69 6E 67 06 01 61 06 07 54 53 74 72 69 6E 67",
         "Stream-Lesefehler", 1},
        {"02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 04 54 46 6F 6F",
         "Klasse TFoo nicht gefunden", 1},
        {"02 02 06 07 54 53 74 72 69 6E 67 06 01 61 06 05 54 46 69 66 6F",
         "Klasse TFifo kann nicht als Element geladen werden", 1},
        {"02 01 06 0A 54 53 6F 72 74 4C 69 73 74 65",
         "Klasse TSortListe kann nicht als Element geladen werden", 0},
        {"02 01 06 05 54 42 61 73 65", "Klasse TBase kann nicht als Element geladen werden", 0},
        {"09", "Ungültiger Eigenschaftswert", 0},
        {"04 FF FF 00 00 02", "Ungültiger Eigenschaftswert", 0},
    };
    for (const Bad& bad : bads) {
        TFifo queue;
        try {
            readAll(fromHex(bad.bytes), [&](TReader& r) { queue.load(r); });
            ADD_FAILURE() << bad.bytes << " loaded";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), bad.error) << bad.bytes;
        }
        EXPECT_EQ(queue.count(), bad.kept) << bad.bytes;
        EXPECT_TRUE(queue.verify());
    }
}

TEST_F(FifoTest, ConcatAppendsTheOthersElementsInOrder) {
    TFifo queue;
    queue.insert(fifoString("own"));
    auto other = std::make_unique<TFifo>();
    other->insert(fifoString("x"));
    other->insert(fifoString("y"));
    const TBase* x = other->front();
    queue.concat(std::move(other));
    EXPECT_EQ(queue.count(), 3);
    // The page strings move over as they are, so the queue still shows itself.
    EXPECT_EQ(shown(queue), (std::vector<std::string>{"own", "x", "y"}));
    queue.remove();
    EXPECT_EQ(queue.front(), x);
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, ConcatBeyondTheLimitShowsOverflowForEachElementThatDoesNotFit) {
    TFifo queue;
    for (int i = 0; i < 65534; ++i) {
        queue.insert(std::make_unique<TInteger>(i));
    }
    auto other = std::make_unique<TFifo>();
    for (int i = 0; i < 3; ++i) {
        other->insert(std::make_unique<TInteger>(100 + i));
    }
    queue.concat(std::move(other));
    EXPECT_EQ(queue.count(), 65535);
    EXPECT_EQ(messages.log, (std::vector<std::string>{"error: Überlauf", "error: Überlauf"}));
    EXPECT_TRUE(queue.verify());
}

TEST_F(FifoTest, CopyLeavesSourceUnchangedWithDistinctEqualElements) {
    TFifo queue;
    queue.insert(std::make_unique<TInteger>(1));
    queue.insert(std::make_unique<TString>("two"));
    const TBase* first = queue.front();
    std::unique_ptr<TBase> c = queue.copy();
    auto& copy = dynamic_cast<TFifo&>(*c);
    EXPECT_EQ(queue.front(), first);
    EXPECT_EQ(queue.count(), 2);
    EXPECT_NE(copy.front(), first);
    EXPECT_EQ(copy.front()->compare(*first), 0);
    EXPECT_EQ(written([&](TWriter& w) { copy.save(w); }),
              written([&](TWriter& w) { queue.save(w); }));
    EXPECT_TRUE(copy.verify());
}

TEST_F(FifoTest, ClearEmptiesAndKeepsQueueUsable) {
    TFifo queue;
    queue.insert(fifoString("A"));
    queue.insert(fifoString("B"));
    queue.clear();
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(queue.verify());
    queue.insert(fifoString("C"));
    EXPECT_EQ(shown(queue), std::vector<std::string>{"C"});
}

TEST_F(FifoTest, The65536thInsertShowsOverflowAndKeepsCount) {
    auto queue = std::make_unique<TFifo>();
    for (int i = 0; i < 65535; ++i) {
        ASSERT_TRUE(queue->insert(std::make_unique<TInteger>(i)));
    }
    EXPECT_FALSE(queue->insert(std::make_unique<TInteger>(-1)));
    EXPECT_EQ(queue->count(), 65535);
    EXPECT_EQ(messages.log, std::vector<std::string>{"error: Überlauf"});
    std::unique_ptr<TFifo> copy = queue->copyFifo();
    EXPECT_EQ(copy->count(), 65535);
    queue.reset();
    copy.reset();
}

TEST_F(FifoTest, LoadingTheFullQueueFileAgainKeepsItFull) {
    TFifo queue;
    for (int i = 0; i < 65535; ++i) {
        queue.insert(std::make_unique<TInteger>(i % 200));
    }
    const std::string bytes = written([&](TWriter& w) { queue.save(w); });
    TFifo loaded;
    loaded.insert(std::make_unique<TInteger>(1));
    EXPECT_TRUE(readAll(bytes, [&](TReader& r) { loaded.load(r); }));
    EXPECT_EQ(loaded.count(), 65535);
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(FifoTest, RandomInsertDeleteMatchesADeque) {
    std::mt19937 rng(5);
    TFifo queue;
    std::deque<int> model;
    for (int step = 0; step < 3000; ++step) {
        if (rng() % 3 == 0) {
            queue.remove();
            if (!model.empty()) {
                model.pop_front();
            }
        } else {
            const int v = static_cast<int>(rng() % 1000);
            queue.insert(std::make_unique<TInteger>(v));
            model.push_back(v);
        }
        ASSERT_EQ(queue.count(), model.size());
        ASSERT_TRUE(queue.verify());
        if (model.empty()) {
            ASSERT_EQ(queue.front(), nullptr);
        } else {
            ASSERT_EQ(dynamic_cast<TInteger&>(*queue.front()).getValue(), model.front());
        }
    }
}

}  // namespace
