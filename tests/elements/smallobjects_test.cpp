// The small-object allocator: objects of every size keep their bytes apart,
// also when freed memory is handed out again.
#include "elements/smallobjects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

struct Block {
    unsigned char* memory;
    std::size_t size;
    unsigned char fill;
};

bool intact(const Block& b) {
    for (std::size_t i = 0; i < b.size; ++i) {
        if (b.memory[i] != b.fill) return false;
    }
    return true;
}

TEST(SmallObjects, BlocksOfAllSizesNeverOverlapThroughReuse) {
    std::mt19937 rng(5);
    std::vector<Block> live;
    for (int round = 0; round < 20000; ++round) {
        if (!live.empty() && rng() % 3 == 0) {
            const std::size_t at = rng() % live.size();
            ASSERT_TRUE(intact(live[at])) << "round " << round;
            smallobjects::release(live[at].memory, live[at].size);
            live[at] = live.back();
            live.pop_back();
        } else {
            const std::size_t size = 1 + rng() % 200;  // inside and beyond the pooled sizes
            auto* memory = static_cast<unsigned char*>(smallobjects::allocate(size));
            ASSERT_EQ(reinterpret_cast<std::uintptr_t>(memory) % alignof(std::max_align_t), 0u);
            const auto fill = static_cast<unsigned char>(rng());
            std::memset(memory, fill, size);
            live.push_back({memory, size, fill});
        }
    }
    for (const Block& b : live) {
        EXPECT_TRUE(intact(b));
        smallobjects::release(b.memory, b.size);
    }
}

}  // namespace
