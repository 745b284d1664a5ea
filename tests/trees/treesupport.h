// Helpers shared by the binary tree tests: building trees by hand, reading a
// tree back as text, and byte images as hex.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/hex.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

namespace treetest {

inline std::unique_ptr<TBinTreeNode> node(int value, std::unique_ptr<TBinTreeNode> left = nullptr,
                                          std::unique_ptr<TBinTreeNode> right = nullptr) {
    return std::make_unique<TBinTreeNode>(std::move(left), std::make_unique<TTreeInteger>(value),
                                          std::move(right));
}

// The tree 50 (30 (-, 40), 70) of the level-listing example.
inline std::unique_ptr<TBinTreeNode> exampleTree() {
    return node(50, node(30, nullptr, node(40)), node(70));
}

// A chain of `length` nodes going to the left (goLeft) or right, root value 0,
// built bottom up without recursion.
inline std::unique_ptr<TBinTreeNode> chain(int length, bool goLeft) {
    std::unique_ptr<TBinTreeNode> below;
    for (int i = length - 1; i >= 0; --i) {
        below = goLeft ? node(i, std::move(below)) : node(i, nullptr, std::move(below));
    }
    return below;
}

using testsupport::fromHex;
using testsupport::toHex;
// The same two under the names the GUI tests use.
inline constexpr auto& hex = testsupport::toHex;
inline constexpr auto& unhex = testsupport::fromHex;

// A file name in the test temporary folder, removed again by the guard.
struct TempFile {
    explicit TempFile(const std::string& name) : path(::testing::TempDir() + name) {
        std::remove(path.c_str());
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string path;
};

}  // namespace treetest
