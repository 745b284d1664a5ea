// Failures in the middle of a save or a load, for all seven file types: every
// system call of the file streams and every small-object allocation is made to
// fail in turn. A failed save leaves the old file byte for byte and the
// structure unchanged; a failed load leaves what the structure promises (the
// elements read before for a list, stack or queue, nothing for a tree); the
// message is the German one the user sees. A save killed at a random moment
// leaves the old file or the new one, and no other file.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <new>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/smallobjects.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"
#include "tests/trees/ntreesupport.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"

namespace {

// --- The fault plan: which file call fails, and every call seen ----------------

struct FaultPlan {
    std::size_t failAt = 0;  // 1-based number of the call that fails; 0: none
    FileFault fault;
    std::vector<FileCall> calls;
};

FaultPlan plan;

FileFault planned(FileCall call) {
    plan.calls.push_back(call);
    return plan.calls.size() == plan.failAt ? plan.fault : FileFault{};
}

// Installs the plan for its lifetime.
class PlannedFaults {
public:
    explicit PlannedFaults(std::size_t failAt = 0, FileFault fault = {}) {
        plan = FaultPlan{failAt, fault, {}};
        fileFaultHook = planned;
    }
    ~PlannedFaults() { fileFaultHook = nullptr; }
    PlannedFaults(const PlannedFaults&) = delete;
    PlannedFaults& operator=(const PlannedFaults&) = delete;
};

// Makes the allocation failAt (1-based) fail; counts the allocations.
class PlannedAllocationFailure {
public:
    explicit PlannedAllocationFailure(long failAt) : start_(failAt) {
        smallobjects::allocationsBeforeFailure = failAt;
    }
    ~PlannedAllocationFailure() { smallobjects::allocationsBeforeFailure = 0; }
    PlannedAllocationFailure(const PlannedAllocationFailure&) = delete;
    PlannedAllocationFailure& operator=(const PlannedAllocationFailure&) = delete;
    long made() const { return start_ - smallobjects::allocationsBeforeFailure; }

private:
    long start_;
};

std::string reasonOf(int error) {
    switch (error) {
        case ENOSPC:
            return "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.";
        case EIO:
            return "Fehler bei der Ein- oder Ausgabe.";
        default:
            ADD_FAILURE() << "no reason text for " << error;
            return {};
    }
}

// --- Files and folders ----------------------------------------------------------

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<std::string> folderEntries(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.insert(name);
        }
        ::closedir(dir);
    }
    return names;
}

// A new empty folder in base, removed with its files by the destructor.
struct Folder {
    explicit Folder(const std::string& base) {
        std::string pattern = base + "faults-XXXXXX";
        path = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~Folder() {
        for (const std::string& name : folderEntries(path))
            std::remove((path + "/" + name).c_str());
        ::rmdir(path.c_str());
    }
    std::string path;
};

// The fault loops save some hundred times: in a memory file system, where
// there is one, flushing to the disk costs nothing, and the calls are the same.
std::string loopFolderBase() {
    return ::access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm/" : ::testing::TempDir();
}

// --- The seven file types behind one interface ---------------------------------

class Subject {
public:
    virtual ~Subject() = default;
    virtual void save(const std::string& fileName) const = 0;
    // As the page loads: into this fresh structure.
    virtual void load(const std::string& fileName) = 0;
    // The saved bytes, and for a list its cursor position.
    virtual std::string state() const = 0;
    virtual bool verify() const = 0;
    virtual std::size_t count() const = 0;
};

void fileSave(const TListe& s, const std::string& f) { s.saveToFile(f); }
void fileLoad(TListe& s, const std::string& f) { s.loadFromFile(f); }
void streamSave(const TBayerTree& s, TWriter& w) { s.saveTo(w); }
template <typename T>
void fileSave(const T& s, const std::string& f) {
    s.save(f);
}
template <typename T>
void fileLoad(T& s, const std::string& f) {
    s.load(f);
}
template <typename T>
void streamSave(const T& s, TWriter& w) {
    s.save(w);
}
std::string cursorOf(const TListe& s) { return "@" + std::to_string(s.position()); }
template <typename T>
std::string cursorOf(const T&) {
    return {};
}

template <typename T>
class Held final : public Subject {
public:
    explicit Held(std::unique_ptr<T> s) : s_(std::move(s)) {}
    void save(const std::string& fileName) const override { fileSave(*s_, fileName); }
    void load(const std::string& fileName) override { fileLoad(*s_, fileName); }
    std::string state() const override {
        StringOutputStream out;
        {
            TWriter writer(out);
            streamSave(*s_, writer);
        }
        return out.bytes() + cursorOf(*s_);
    }
    bool verify() const override { return s_->verify(); }
    std::size_t count() const override { return s_->count(); }

private:
    std::unique_ptr<T> s_;
};

// Texts of some length, so that a file takes several writes.
std::string text(int i, int variant) {
    char head[32];
    std::snprintf(head, sizeof head, "Wert %05d/%d ", i, variant);
    return head +
           std::string(static_cast<std::size_t>(20 + i % 30), static_cast<char>('a' + i % 26));
}

std::vector<int> shuffled(int n, int variant) {
    std::vector<int> keys(static_cast<std::size_t>(n));
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(static_cast<unsigned>(variant)));
    return keys;
}

std::unique_ptr<Subject> makeList(int n, int variant) {
    auto s = std::make_unique<TListe>();
    for (int i = 0; i < n; ++i) {
        if (i % 3 == 2) {
            s->append(std::make_unique<TInteger>((i * 7919 + variant) % 100000 - 50000));
        } else {
            s->append(std::make_unique<TString>(text(i, variant)));
        }
    }
    s->moveTo(n / 2);
    return std::make_unique<Held<TListe>>(std::move(s));
}

std::unique_ptr<Subject> makeStack(int n, int variant) {
    auto s = std::make_unique<TLifo>();
    for (int i = 0; i < n; ++i) s->push(std::make_unique<TLifoString>(text(i, variant)));
    return std::make_unique<Held<TLifo>>(std::move(s));
}

std::unique_ptr<Subject> makeQueue(int n, int variant) {
    auto s = std::make_unique<TFifo>();
    for (int i = 0; i < n; ++i) s->insert(std::make_unique<TFifoString>(text(i, variant)));
    return std::make_unique<Held<TFifo>>(std::move(s));
}

template <typename Tree>
std::unique_ptr<Subject> makeSearchTree(int n, int variant) {
    auto s = std::make_unique<Tree>();
    for (int key : shuffled(n, variant)) s->insert(std::make_unique<TInteger>(key * 3 + variant));
    return std::make_unique<Held<Tree>>(std::move(s));
}

// Every node i > 0 hangs below node (i - 1) / 3.
std::unique_ptr<Subject> makeNtree(int n, int variant) {
    auto s = std::make_unique<TNtree>();
    if (n > 0) {
        s->createRoot(std::make_unique<TString>(text(0, variant)), std::make_unique<TListe>());
        std::vector<TNtreeNode*> nodes{s->root.get()};
        for (int i = 1; i < n; ++i) {
            TNtreeNode* parent = nodes[static_cast<std::size_t>((i - 1) / 3)];
            auto child = ntreetest::leaf(text(i, variant));
            nodes.push_back(child.get());
            parent->insertChildN(parent->numberOfChildren(), std::move(child));
        }
    }
    return std::make_unique<Held<TNtree>>(std::move(s));
}

// As many of the keys 1..n as the three levels take.
std::unique_ptr<Subject> makeBayerTree(int n, int variant) {
    RecordingMessages quiet;  // refusals of a fourth level
    auto s = std::make_unique<TestBayerTree>(&TInteger::info);
    for (int key : shuffled(n, variant)) s->insertNumber(key);
    return std::make_unique<Held<TBayerTree>>(std::move(s));
}

struct FileType {
    const char* name;
    const char* extension;
    // A failed load keeps the elements read before (else the structure is empty).
    bool keepsElementsRead;
    std::function<std::unique_ptr<Subject>(int n, int variant)> make;
    int size;     // a few hundred elements
    int largest;  // the most its file may hold
};

const std::vector<FileType>& fileTypes() {
    static const std::vector<FileType> types{
        {"Liste", "ldt", true, makeList, 300, 65535},
        {"Keller", "kdt", true, makeStack, 300, 65535},
        {"Schlange", "sdt", true, makeQueue, 300, 65535},
        {"Suchbaum", "tdt", false, makeSearchTree<TSearchTree>, 300, 65535},
        {"AVL-Baum", "adt", false, makeSearchTree<TAvlTree>, 300, 65535},
        {"NBaum", "ndt", false, makeNtree, 200, 32767},
        // Three levels of order 2 hold at most 124 keys; the page's keys are 1..99.
        {"BayerBaum", "bdt", false, makeBayerTree, 99, 400},
    };
    return types;
}

// The element records of a list, stack or queue image, after its count; only
// the value kinds that makeList, makeStack and makeQueue store.
std::vector<std::string> records(const std::string& image) {
    const auto valueSize = [&image](std::size_t pos) -> std::size_t {
        switch (image[pos]) {
            case 2:
                return 2;
            case 3:
                return 3;
            case 4:
                return 5;
            case 6:
                return 2 + static_cast<unsigned char>(image[pos + 1]);
            default:
                ADD_FAILURE() << "unexpected tag at " << pos;
                return image.size() - pos;
        }
    };
    std::vector<std::string> out;
    std::size_t pos = valueSize(0);
    while (pos < image.size()) {
        const std::size_t start = pos;
        pos += valueSize(pos);
        pos += valueSize(pos);
        out.push_back(image.substr(start, pos - start));
    }
    return out;
}

// The image of a list, stack or queue that holds the first k records.
std::string prefixImage(const std::vector<std::string>& all, std::size_t k) {
    StringOutputStream out;
    {
        TWriter writer(out);
        writer.writeInteger(static_cast<std::int32_t>(k));
    }
    std::string image = out.bytes();
    for (std::size_t i = 0; i < k; ++i) image += all[i];
    return image;
}

// The elements whose records lie whole within the first `bytes` bytes.
std::size_t recordsWithin(const std::vector<std::string>& all, std::size_t bytes) {
    std::size_t end = prefixImage(all, 0).size();
    std::size_t k = 0;
    while (k < all.size() && end + all[k].size() <= bytes) end += all[k++].size();
    return k;
}

// The numbers 1..last; with points > 0 only about that many of them, evenly
// spread, always with the first and the last.
std::vector<std::size_t> numbers(std::size_t last, std::size_t points) {
    const std::size_t step = points == 0 ? 1 : std::max<std::size_t>(1, last / points);
    std::vector<std::size_t> out;
    for (std::size_t n = 1; n <= last; n += step) out.push_back(n);
    if (!out.empty() && out.back() != last) out.push_back(last);
    return out;
}

// How many N each loop ran, per file type, for the summary line.
struct Tally {
    std::size_t saveCalls = 0, saveAllocations = 0, loadReads = 0, loadAllocations = 0;
};

class FileFaults : public ::testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerDisplayStringClasses();
        registerQueueClasses();
        registerBinTreeClasses();
        registerAvlTreeClasses();
        registerNtreeClasses();
        registerBayerTreeClasses();
    }

    const FileType& type() const { return fileTypes()[GetParam()]; }

    // Runs every loop over a structure of n elements; points > 0 thins the
    // numbers of each loop to about that many, first and last included.
    void run(int n, std::size_t points, Tally& tally) {
        const FileType& t = type();
        Folder folder(loopFolderBase());
        ASSERT_FALSE(folder.path.empty());
        const bool list = std::string(t.extension) == "ldt";
        const std::string fileName = std::string("struktur.") + t.extension;
        const std::string file = folder.path + "/" + fileName;
        const std::unique_ptr<Subject> subject = t.make(n, 1);
        const std::string before = subject->state();
        // The old file: another structure of the same type.
        const std::unique_ptr<Subject> old = t.make(n / 2 + 1, 2);
        old->save(file);
        const std::string oldBytes = fileBytes(file);
        ASSERT_FALSE(oldBytes.empty());

        // The largest structures are compared with their former state once,
        // after all their saves.
        const bool sampled = points > 0;
        const auto expectUntouched = [&](const std::string& where) {
            EXPECT_EQ(fileBytes(file), oldBytes) << where;
            EXPECT_EQ(folderEntries(folder.path), std::set<std::string>{fileName}) << where;
            if (!sampled) {
                EXPECT_EQ(subject->state(), before) << where;
                EXPECT_TRUE(subject->verify()) << where;
            }
        };

        // The calls of a save that succeeds, and its image.
        std::vector<FileCall> saveCalls;
        {
            PlannedFaults none;
            subject->save(file);
            saveCalls = plan.calls;
        }
        const std::string newBytes = fileBytes(file);
        ASSERT_NE(newBytes, oldBytes);

        // Save: each call fails in turn, every write in the three ways.
        writeBytes(file, oldBytes);
        std::set<std::size_t> failing;
        for (std::size_t at : numbers(saveCalls.size(), points)) failing.insert(at);
        for (std::size_t at = 1; at <= saveCalls.size() && !sampled; ++at) {
            if (saveCalls[at - 1] != FileCall::write) failing.insert(at);
        }
        for (std::size_t at : failing) {
            const FileCall call = saveCalls[at - 1];
            std::vector<FileFault> faults{{EIO, false}, {ENOSPC, false}};
            if (call == FileCall::write) faults.push_back({ENOSPC, true});
            // Sampled: one of the faults, in turn.
            if (sampled) faults = {faults[at % faults.size()]};
            for (const FileFault fault : faults) {
                const std::string where =
                    std::string(t.name) + " save, call " + std::to_string(at) + " error " +
                    std::to_string(fault.error) + (fault.partial ? " short" : "");
                if (call == FileCall::openUnnamed) {
                    // No unnamed file: the save goes through a named one.
                    {
                        PlannedFaults faults(at, {EOPNOTSUPP, false});
                        EXPECT_NO_THROW(subject->save(file)) << where;
                    }
                    EXPECT_EQ(fileBytes(file), newBytes) << where;
                    EXPECT_EQ(folderEntries(folder.path), std::set<std::string>{fileName});
                    writeBytes(file, oldBytes);
                    break;
                }
                try {
                    PlannedFaults faults(at, fault);
                    subject->save(file);
                    ADD_FAILURE() << where << ": no error";
                } catch (const FileError& e) {
                    EXPECT_EQ(std::string(e.what()),
                              std::string("Stream-Schreibfehler\n") + reasonOf(fault.error))
                        << where;
                }
                expectUntouched(where);
            }
        }
        // Save: a failing allocation (a save allocates no small objects at all,
        // which the count shows).
        long saveAllocations = 0;
        {
            PlannedAllocationFailure count(1L << 40);
            subject->save(file);
            saveAllocations = count.made();
        }
        writeBytes(file, oldBytes);
        for (std::size_t at : numbers(static_cast<std::size_t>(saveAllocations), points)) {
            const std::string where =
                std::string(t.name) + " save, allocation " + std::to_string(at);
            PlannedAllocationFailure fail(static_cast<long>(at));
            EXPECT_THROW(subject->save(file), std::bad_alloc) << where;
            expectUntouched(where);
        }
        EXPECT_EQ(subject->state(), before) << t.name;
        EXPECT_TRUE(subject->verify()) << t.name;
        tally.saveCalls = saveCalls.size();
        tally.saveAllocations = static_cast<std::size_t>(saveAllocations);

        // Load, from the new file: what a load that fails leaves behind.
        writeBytes(file, newBytes);
        const std::vector<std::string> all =
            t.keepsElementsRead ? records(newBytes) : std::vector<std::string>{};
        const auto expectPartial = [&](const Subject& loaded, std::size_t kept,
                                       const std::string& where) {
            EXPECT_TRUE(loaded.verify()) << where;
            if (t.keepsElementsRead) {
                EXPECT_EQ(loaded.count(), kept) << where;
                // A list's cursor stands behind the elements read.
                EXPECT_EQ(loaded.state(),
                          prefixImage(all, kept) + (list ? "@" + std::to_string(kept) : ""))
                    << where;
            } else {
                EXPECT_EQ(loaded.count(), 0u) << where;
                EXPECT_EQ(loaded.state(), t.make(0, 0)->state()) << where;
            }
            EXPECT_EQ(fileBytes(file), newBytes) << where;
        };
        const std::string loadedState = newBytes + (list ? "@0" : "");
        std::size_t reads = 0;
        long loadAllocations = 0;
        {
            const std::unique_ptr<Subject> loaded = t.make(0, 0);
            PlannedFaults none;
            PlannedAllocationFailure count(1L << 40);
            loaded->load(file);
            reads = plan.calls.size();
            loadAllocations = count.made();
            EXPECT_EQ(loaded->state(), loadedState);
        }
        for (std::size_t at : numbers(reads, points)) {
            const std::string where = std::string(t.name) + " load, read " + std::to_string(at);
            const std::unique_ptr<Subject> loaded = t.make(0, 0);
            try {
                PlannedFaults faults(at, {EIO, false});
                loaded->load(file);
                ADD_FAILURE() << where << ": no error";
            } catch (const FileError& e) {
                EXPECT_STREQ(e.what(), "Stream-Lesefehler") << where;
            }
            expectPartial(*loaded, recordsWithin(all, (at - 1) * TReader::kBufferSize), where);
            // A short read is no failure: the load reads on (sampled: once).
            if (sampled && at != 1 + reads / 2) continue;
            const std::unique_ptr<Subject> again = t.make(0, 0);
            {
                PlannedFaults faults(at, {0, true});
                EXPECT_NO_THROW(again->load(file)) << where << " short";
            }
            EXPECT_EQ(again->state(), loadedState) << where << " short";
        }
        // Load: a failing allocation; a list, stack or queue keeps the elements
        // made before, at the same number of allocations each.
        const long perElement = n > 0 ? loadAllocations / n : 0;
        if (t.keepsElementsRead) {
            EXPECT_EQ(loadAllocations, perElement * n) << t.name;
        }
        for (std::size_t at : numbers(static_cast<std::size_t>(loadAllocations), points)) {
            const std::string where =
                std::string(t.name) + " load, allocation " + std::to_string(at);
            const std::unique_ptr<Subject> loaded = t.make(0, 0);
            {
                PlannedAllocationFailure fail(static_cast<long>(at));
                EXPECT_THROW(loaded->load(file), std::bad_alloc) << where;
            }
            const std::size_t kept = t.keepsElementsRead ? (at - 1) / perElement : 0;
            expectPartial(*loaded, kept, where);
        }
        tally.loadReads = reads;
        tally.loadAllocations = static_cast<std::size_t>(loadAllocations);
    }
};

void report(const char* what, const char* name, const Tally& t) {
    std::cout << what << " " << name << ": save " << t.saveCalls << " file calls, "
              << t.saveAllocations << " allocations; load " << t.loadReads << " reads, "
              << t.loadAllocations << " allocations\n";
}

TEST_P(FileFaults, EveryCallAndAllocationOfASaveAndALoadFailsCleanly) {
    Tally tally;
    run(type().size, 0, tally);
    report("every N", type().name, tally);
    EXPECT_GT(tally.saveCalls, 6u);
    EXPECT_GE(tally.loadReads, 1u);
    EXPECT_GE(tally.loadAllocations, static_cast<std::size_t>(type().size));
}

TEST_P(FileFaults, TheLargestStructureFailsCleanlyAtSampledPoints) {
    Tally tally;
    run(type().largest, 2, tally);
    report("sampled", type().name, tally);
}

// A folder that takes no new file (neither unnamed nor named): the old file
// is written over in place.
FileFault noNewFile(FileCall call) {
    if (call == FileCall::openUnnamed) return {EOPNOTSUPP, false};
    if (call == FileCall::openNamed) return {EACCES, false};
    return planned(call);
}

// Written in place, the file is as safe as the last call that succeeded: a
// failure before its first byte leaves it as it was, a later one says on a
// third line that it may be incomplete, and its bytes are what was written.
TEST(FileSaveInPlace, EachFailureLeavesTheBytesItsMessageTells) {
    registerElementClasses();
    registerListClasses();
    Folder folder(loopFolderBase());
    ASSERT_FALSE(folder.path.empty());
    const std::string file = folder.path + "/liste.ldt";
    makeList(600, 2)->save(file);
    const std::string oldBytes = fileBytes(file);
    const std::unique_ptr<Subject> subject = makeList(300, 1);
    {
        PlannedFaults none;
        fileFaultHook = noNewFile;
        subject->save(file);
    }
    const std::vector<FileCall> calls = plan.calls;
    const std::string newBytes = fileBytes(file);
    ASSERT_EQ(calls, (std::vector<FileCall>{FileCall::openTarget, FileCall::write,
                                            FileCall::truncate, FileCall::sync, FileCall::close}));
    ASSERT_LT(newBytes.size(), oldBytes.size());
    ASSERT_EQ(folderEntries(folder.path), std::set<std::string>{"liste.ldt"});

    const std::string damaged =
        "\nDie Datei wurde an ihrem Platz überschrieben und ist jetzt möglicherweise "
        "unvollständig.";
    const std::size_t half = newBytes.size() / 2;
    struct Case {
        std::size_t at;
        FileFault fault;
        std::string message;
        std::string bytes;
    } cases[] = {
        {1, {EIO, false}, "", oldBytes},
        {2, {ENOSPC, false}, damaged, oldBytes},
        {2, {ENOSPC, true}, damaged, newBytes.substr(0, half) + oldBytes.substr(half)},
        {3, {EIO, false}, damaged, newBytes + oldBytes.substr(newBytes.size())},
        {4, {EIO, false}, damaged, newBytes},
        {5, {EIO, false}, damaged, newBytes},
    };
    for (const Case& c : cases) {
        writeBytes(file, oldBytes);
        const std::string where =
            "call " + std::to_string(c.at) + (c.fault.partial ? " short" : "");
        try {
            PlannedFaults faults(c.at, c.fault);
            fileFaultHook = noNewFile;
            subject->save(file);
            ADD_FAILURE() << where << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Stream-Schreibfehler\n" + reasonOf(c.fault.error) + c.message)
                << where;
        }
        EXPECT_EQ(fileBytes(file), c.bytes) << where;
        EXPECT_EQ(folderEntries(folder.path), std::set<std::string>{"liste.ldt"}) << where;
    }
}

// Saves in a child process, which ends without the parent's exit handlers.
pid_t saveInChild(const Subject& subject, const std::string& file) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        try {
            subject.save(file);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    return pid;
}

// A save of 65535 list elements over a file, killed at random moments (fixed
// seed): the file is the old one or the new one. With unnamed files nothing
// else remains, unless the kill falls between the link that names the
// complete new file and the rename; where the file system has no unnamed
// files, the new file is a named hidden one, which a killed save leaves
// behind.
TEST(FileSaveKilled, LeavesTheOldFileOrTheNewOne) {
    registerElementClasses();
    registerListClasses();
    Folder folder(::testing::TempDir());
    ASSERT_FALSE(folder.path.empty());
    const std::string file = folder.path + "/liste.ldt";
    makeList(300, 2)->save(file);
    const std::string oldBytes = fileBytes(file);
    const std::unique_ptr<Subject> big = makeList(65535, 1);

    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    ASSERT_EQ(::waitpid(saveInChild(*big, file), &status, 0) > 0 && WIFEXITED(status) &&
                  WEXITSTATUS(status) == 0,
              true);
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    const std::string newBytes = fileBytes(file);
    ASSERT_NE(newBytes, oldBytes);
    ASSERT_GT(newBytes.size(), 65535u * 40);

    constexpr unsigned kSeed = 20261208;
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long> delay(0, saveTime.count() * 11 / 10);
    std::cout << "seed " << kSeed << ", a whole save " << saveTime.count() << " us\n";
    for (const bool unnamed : {true, false}) {
        if (!unnamed) {
            fileFaultHook = [](FileCall call) {
                return call == FileCall::openUnnamed ? FileFault{EOPNOTSUPP, false} : FileFault{};
            };
        }
        std::size_t olds = 0, news = 0, leftovers = 0;
        for (int point = 0; point < 8; ++point) {
            writeBytes(file, oldBytes);
            const long after = delay(random);
            const pid_t child = saveInChild(*big, file);
            std::this_thread::sleep_for(std::chrono::microseconds(after));
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            const std::string bytes = fileBytes(file);
            const bool isOld = bytes == oldBytes;
            const bool isNew = bytes == newBytes;
            EXPECT_TRUE(isOld || isNew)
                << "killed after " << after << " us: " << bytes.size() << " bytes";
            olds += isOld;
            news += isNew;
            for (const std::string& name : folderEntries(folder.path)) {
                if (name == "liste.ldt") continue;
                // A hidden new file, partly written; an unnamed one has a
                // name only between its link and the rename, complete then.
                const std::string left = fileBytes(folder.path + "/" + name);
                EXPECT_EQ(name.rfind(".tessaro-", 0), 0u) << name;
                EXPECT_EQ(name.size(), 15u) << name;
                EXPECT_EQ(newBytes.compare(0, left.size(), left), 0) << name;
                if (unnamed) {
                    EXPECT_TRUE(isOld && left == newBytes) << name;
                }
                std::remove((folder.path + "/" + name).c_str());
                ++leftovers;
            }
            std::cout << (unnamed ? "unnamed" : "named") << " new file, killed after " << after
                      << " us: "
                      << (isOld   ? "old"
                          : isNew ? "new"
                                  : "mixed")
                      << " file\n";
        }
        fileFaultHook = nullptr;
        std::cout << (unnamed ? "unnamed" : "named") << " new file: " << olds << " old, " << news
                  << " new, " << leftovers << " hidden files left\n";
    }
}

INSTANTIATE_TEST_SUITE_P(SevenFileTypes, FileFaults, ::testing::Range<std::size_t>(0, 7),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(fileTypes()[info.param].extension);
                         });

}  // namespace
