// Random insert and delete sequences, checked after every step against a
// std::set (membership, count, order), against the invariants, against a
// plain transcription of the insertion and deletion rules on vectors (exact
// page shapes), and through a save and load.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "elements/values.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"
#include "trees/bayertree.h"

namespace {

// The rules of the B-tree of order 2, written recursively on vectors of keys
// and children, independent of the page representation under test. Trees
// here have at most three levels, so the recursion is shallow.
class ReferenceTree {
public:
    enum Result { kInserted, kDuplicate, kRefused };

    Result insert(int x) {
        bool grow = true;
        bool allFull = true;
        Result result = kInserted;
        int upKey = x;
        std::unique_ptr<Page> upChild;
        insertAt(root_.get(), 1, x, grow, allFull, result, upKey, upChild);
        if (result != kInserted) return result;
        if (grow) {
            auto page = std::make_unique<Page>();
            page->keys = {upKey};
            if (root_) {
                page->kids.push_back(std::move(root_));
                page->kids.push_back(std::move(upChild));
            }
            root_ = std::move(page);
        }
        ++count_;
        return kInserted;
    }

    bool remove(int x) {
        bool h = false;
        const bool found = removeAt(root_.get(), x, h);
        if (root_ && root_->keys.empty())
            root_ = root_->kids.empty() ? nullptr : std::move(root_->kids[0]);
        if (found) --count_;
        return found;
    }

    std::string describe() const { return describePage(root_.get()); }
    int count() const { return count_; }

private:
    struct Page {
        std::vector<int> keys;
        std::vector<std::unique_ptr<Page>> kids;  // empty for a leaf
    };

    static int smaller(const Page& a, int x) {
        return static_cast<int>(std::lower_bound(a.keys.begin(), a.keys.end(), x) - a.keys.begin());
    }

    void insertAt(Page* a, int depth, int x, bool& grow, bool& allFull, Result& result, int& upKey,
                  std::unique_ptr<Page>& upChild) {
        if (!a) return;
        if (a->keys.size() < 4) allFull = false;
        const int pos = smaller(*a, x);
        if (pos < static_cast<int>(a->keys.size()) && a->keys[pos] == x) {
            result = kDuplicate;
            grow = false;
            return;
        }
        insertAt(a->kids.empty() ? nullptr : a->kids[pos].get(), depth + 1, x, grow, allFull,
                 result, upKey, upChild);
        if (!grow || result != kInserted) return;
        if (a->keys.size() < 4) {
            a->keys.insert(a->keys.begin() + pos, upKey);
            if (!a->kids.empty()) a->kids.insert(a->kids.begin() + pos + 1, std::move(upChild));
            grow = false;
            return;
        }
        if (depth == 3 && allFull) {
            result = kRefused;
            return;
        }
        std::vector<int> keys = a->keys;
        keys.insert(keys.begin() + pos, upKey);
        auto b = std::make_unique<Page>();
        b->keys = {keys[3], keys[4]};
        a->keys = {keys[0], keys[1]};
        if (!a->kids.empty()) {
            a->kids.insert(a->kids.begin() + pos + 1, std::move(upChild));
            for (int i = 3; i < 6; ++i) b->kids.push_back(std::move(a->kids[i]));
            a->kids.resize(3);
        }
        upKey = keys[2];
        upChild = std::move(b);
    }

    // c's child s holds one key: borrow from or merge with the right
    // neighbour, or with the left one for the last child.
    static void underflow(Page& c, int s, bool& h) {
        Page& a = *c.kids[s];
        if (s < static_cast<int>(c.keys.size())) {
            Page& b = *c.kids[s + 1];
            if (b.keys.size() > 2) {
                a.keys.push_back(c.keys[s]);
                if (!b.kids.empty()) {
                    a.kids.push_back(std::move(b.kids.front()));
                    b.kids.erase(b.kids.begin());
                }
                c.keys[s] = b.keys.front();
                b.keys.erase(b.keys.begin());
                h = false;
            } else {
                a.keys.push_back(c.keys[s]);
                a.keys.insert(a.keys.end(), b.keys.begin(), b.keys.end());
                for (auto& kid : b.kids) a.kids.push_back(std::move(kid));
                c.keys.erase(c.keys.begin() + s);
                c.kids.erase(c.kids.begin() + s + 1);
                h = c.keys.size() < 2;
            }
            return;
        }
        Page& b = *c.kids[s - 1];
        if (b.keys.size() > 2) {
            a.keys.insert(a.keys.begin(), c.keys[s - 1]);
            if (!b.kids.empty()) {
                a.kids.insert(a.kids.begin(), std::move(b.kids.back()));
                b.kids.pop_back();
            }
            c.keys[s - 1] = b.keys.back();
            b.keys.pop_back();
            h = false;
        } else {
            b.keys.push_back(c.keys[s - 1]);
            b.keys.insert(b.keys.end(), a.keys.begin(), a.keys.end());
            for (auto& kid : a.kids) b.kids.push_back(std::move(kid));
            c.keys.erase(c.keys.begin() + s - 1);
            c.kids.erase(c.kids.begin() + s);
            h = c.keys.size() < 2;
        }
    }

    static void takePredecessor(Page& a, int pos, Page& p, bool& h) {
        if (!p.kids.empty()) {
            const int last = static_cast<int>(p.keys.size());
            takePredecessor(a, pos, *p.kids[last], h);
            if (h) underflow(p, last, h);
            return;
        }
        a.keys[pos] = p.keys.back();
        p.keys.pop_back();
        h = p.keys.size() < 2;
    }

    static bool removeAt(Page* a, int x, bool& h) {
        if (!a) {
            h = false;
            return false;
        }
        const int pos = smaller(*a, x);
        Page* q = a->kids.empty() ? nullptr : a->kids[pos].get();
        if (pos >= static_cast<int>(a->keys.size()) || a->keys[pos] != x) {
            const bool found = removeAt(q, x, h);
            if (h) underflow(*a, pos, h);
            return found;
        }
        if (!q) {
            a->keys.erase(a->keys.begin() + pos);
            h = a->keys.size() < 2;
        } else {
            takePredecessor(*a, pos, *q, h);
            if (h) underflow(*a, pos, h);
        }
        return true;
    }

    static std::string describePage(const Page* page) {
        if (!page) return "";
        std::string text = "[";
        for (std::size_t i = 0; i < page->keys.size(); ++i)
            text += (i ? " " : "") + std::to_string(page->keys[i]);
        text += "]";
        if (!page->kids.empty()) {
            text += "(";
            for (const auto& kid : page->kids) text += describePage(kid.get());
            text += ")";
        }
        return text;
    }

    std::unique_ptr<Page> root_;
    int count_ = 0;
};

std::vector<int> keysOf(const TBayerTreeNode* page) {
    std::vector<int> keys;
    if (!page) return keys;
    for (int i = 0; i <= page->count(); ++i) {
        const auto sub = keysOf(page->child(i));
        keys.insert(keys.end(), sub.begin(), sub.end());
        if (i < page->count())
            keys.push_back(dynamic_cast<const TInteger&>(page->key(i + 1)).getValue());
    }
    return keys;
}

// True when the path from the root to x's leaf is full on three levels.
bool pathFullOnThreeLevels(const TBayerTree& tree, int x) {
    int full = 0;
    int levels = 0;
    const TInteger key(x);
    for (const TBayerTreeNode* page = tree.root(); page;) {
        ++levels;
        if (page->count() == TBayerTreeNode::kMaxKeys) ++full;
        page = page->child(TBayerTree::searchPage(*page, key).pos);
    }
    return levels == 3 && full == 3;
}

class BayerRandomTest : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBayerTreeClasses();
    }

    void expectAllAgree(const TestBayerTree& tree, const ReferenceTree& reference,
                        const std::set<int>& members, const std::string& step) {
        ASSERT_EQ(tree.problem(), "") << step << " " << describe(tree);
        ASSERT_EQ(describe(tree), reference.describe()) << step;
        ASSERT_EQ(tree.count(), members.size()) << step;
        ASSERT_LE(tree.depth(), 3) << step;
        ASSERT_EQ(keysOf(tree.root()), std::vector<int>(members.begin(), members.end())) << step;
        TestBayerTree loaded(&TInteger::info);
        loadBytes(loaded, saveBytes(tree));
        ASSERT_EQ(describe(loaded), describe(tree)) << step;
        ASSERT_EQ(loaded.count(), tree.count()) << step;
    }

    RecordingMessages messages;
};

TEST_P(BayerRandomTest, RandomInsertAndDeleteKeepInvariantsAndMatchReference) {
    std::mt19937 random(GetParam());
    TestBayerTree tree(&TInteger::info);
    ReferenceTree reference;
    std::set<int> members;
    int refusals = 0;
    // Phases that favour insertion, then deletion, so the tree both fills up
    // to its three levels (and refuses) and drains to empty.
    for (int phase = 0; phase < 6; ++phase) {
        const int insertPercent = phase % 2 == 0 ? 80 : 25;
        for (int n = 0; n < 400; ++n) {
            const int x = std::uniform_int_distribution<int>(1, 160)(random);
            const bool inserting =
                std::uniform_int_distribution<int>(1, 100)(random) <= insertPercent;
            std::string step = (inserting ? "insert " : "remove ") + std::to_string(x);
            if (inserting) {
                const bool present = members.count(x) > 0;
                const bool mustRefuse = !present && pathFullOnThreeLevels(tree, x);
                const auto result = tree.insertNumber(x);
                const auto expected = reference.insert(x);
                if (present) {
                    ASSERT_EQ(result, TBayerTree::InsertResult::Duplicate) << step;
                    ASSERT_EQ(expected, ReferenceTree::kDuplicate) << step;
                } else if (mustRefuse) {
                    ASSERT_EQ(result, TBayerTree::InsertResult::Refused) << step;
                    ASSERT_EQ(expected, ReferenceTree::kRefused) << step;
                    ++refusals;
                    ASSERT_EQ(messages.log.back(),
                              "information: Einfügen von " + std::to_string(x) +
                                  " nicht möglich, da Baumtiefe zu groß würde");
                } else {
                    ASSERT_EQ(result, TBayerTree::InsertResult::Inserted) << step;
                    ASSERT_EQ(expected, ReferenceTree::kInserted) << step;
                    members.insert(x);
                }
            } else {
                const bool present = members.erase(x) > 0;
                ASSERT_EQ(tree.removeNumber(x), present) << step;
                ASSERT_EQ(reference.remove(x), present) << step;
            }
            ASSERT_EQ(static_cast<int>(messages.log.size()), refusals) << step;
            expectAllAgree(tree, reference, members, step);
            const int probe = std::uniform_int_distribution<int>(0, 161)(random);
            ASSERT_EQ(tree.lookUp(TInteger(probe)) != nullptr, members.count(probe) > 0) << probe;
        }
    }
    // Drain completely.
    while (!members.empty()) {
        const int x = *std::next(members.begin(), std::uniform_int_distribution<std::size_t>(
                                                      0, members.size() - 1)(random));
        members.erase(x);
        ASSERT_TRUE(tree.removeNumber(x));
        ASSERT_TRUE(reference.remove(x));
        expectAllAgree(tree, reference, members, "drain " + std::to_string(x));
    }
    EXPECT_TRUE(tree.empty());
    EXPECT_GT(refusals, 0) << "the sequence never reached a full three-level path";
}

INSTANTIATE_TEST_SUITE_P(Seeds, BayerRandomTest, ::testing::Values(1u, 2u, 3u, 17u, 2024u));

TEST(BayerFillTest, AscendingInsertionFillsThreeLevelsUntilRefused) {
    registerElementClasses();
    RecordingMessages messages;
    TestBayerTree tree(&TInteger::info);
    int inserted = 0;
    int v = 1;
    for (; v <= 200; ++v) {
        const auto result = tree.insertNumber(v);
        if (result == TBayerTree::InsertResult::Refused) break;
        ASSERT_EQ(result, TBayerTree::InsertResult::Inserted);
        ++inserted;
        ASSERT_EQ(tree.problem(), "");
    }
    ASSERT_LE(v, 200);
    EXPECT_EQ(tree.count(), inserted);
    EXPECT_EQ(tree.depth(), 3);
    EXPECT_TRUE(pathFullOnThreeLevels(tree, v));
    EXPECT_LE(tree.count(), 124);
}

}  // namespace
