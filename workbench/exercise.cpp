#include "workbench/exercise.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include "trees/avltree.h"
#include "trees/treeinteger.h"

namespace exercise {

namespace {

constexpr const char* kSortNames[] = {"Bubblesort",  "Direktes Einfügen", "Direkte Auswahl",
                                      "Quicksort 1", "Quicksort 2",       "Mergesort"};

// Draws with the generator's own numbers only: the same on every computer
// (the standard distributions are not).
class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(static_cast<std::mt19937::result_type>(seed)) {}
    // first..last
    int between(int first, int last) {
        return first + static_cast<int>(engine_() % static_cast<std::uint32_t>(last - first + 1));
    }

private:
    std::mt19937 engine_;
};

// A binary search tree's shape as its keys in preorder.
struct Node {
    int key;
    std::unique_ptr<Node> left, right;
};

void insertLeaf(std::unique_ptr<Node>& at, int key, int depth, int& deepest) {
    if (!at) {
        at = std::make_unique<Node>(Node{key, nullptr, nullptr});
        deepest = std::max(deepest, depth);
        return;
    }
    insertLeaf(key < at->key ? at->left : at->right, key, depth + 1, deepest);
}

void preorder(const TBinTreeNode* n, std::vector<int>& out) {
    if (n == nullptr) return;
    out.push_back(static_cast<const TInteger&>(*n->getValue()).getValue());
    preorder(n->getLeft(), out);
    preorder(n->getRight(), out);
}

void preorder(const Node* n, std::vector<int>& out) {
    if (n == nullptr) return;
    out.push_back(n->key);
    preorder(n->left.get(), out);
    preorder(n->right.get(), out);
}

std::vector<int> avlShape(const std::vector<int>& values) {
    TAvlTree tree;
    for (int v : values) tree.insert(std::make_unique<TTreeInteger>(v));
    std::vector<int> out;
    preorder(tree.root.get(), out);
    return out;
}

// The plain search tree of values and its deepest level (root 1).
std::unique_ptr<Node> plainTree(const std::vector<int>& values, int& depth) {
    std::unique_ptr<Node> root;
    depth = 0;
    for (int v : values) insertLeaf(root, v, 1, depth);
    return root;
}

const Node* find(const Node* n, int key) {
    while (n != nullptr && n->key != key) n = key < n->key ? n->left.get() : n->right.get();
    return n;
}

std::vector<int> distinctNumbers(Draw& draw, int count) {
    std::vector<int> values;
    while (static_cast<int>(values.size()) < count) {
        const int v = draw.between(1, 99);
        if (std::find(values.begin(), values.end(), v) == values.end()) values.push_back(v);
    }
    return values;
}

Task searchTask(Task task, Draw& draw, bool anyCase) {
    // Trees up to level 5, so that an insertion stays within the page's six.
    for (;;) {
        task.values = distinctNumbers(draw, draw.between(7, 15));
        int depth = 0;
        const std::unique_ptr<Node> root = plainTree(task.values, depth);
        if (depth > 5) continue;
        task.insert = draw.between(0, 1) == 0;
        if (task.insert) {
            for (int tries = 0; tries < 50; ++tries) {
                const int k = draw.between(1, 99);
                if (find(root.get(), k) != nullptr) continue;
                task.key = k;
                return task;
            }
            continue;
        }
        std::vector<int> twoChildren;
        for (int v : task.values) {
            const Node* n = find(root.get(), v);
            if (n->left && n->right) twoChildren.push_back(v);
        }
        if (anyCase || twoChildren.empty()) {
            task.key = task.values[static_cast<std::size_t>(
                draw.between(0, static_cast<int>(task.values.size()) - 1))];
            if (!anyCase && twoChildren.empty()) continue;
        } else {
            task.key = twoChildren[static_cast<std::size_t>(
                draw.between(0, static_cast<int>(twoChildren.size()) - 1))];
        }
        return task;
    }
}

// The AVL tree: an insertion that rotates (unless any case).
Task avlTask(Task task, Draw& draw, bool anyCase) {
    task.insert = true;
    for (;;) {
        task.values = distinctNumbers(draw, draw.between(7, 15));
        const std::vector<int> shape = avlShape(task.values);
        int depth = 0;
        const std::unique_ptr<Node> root = plainTree(shape, depth);
        if (depth > 4) continue;
        std::vector<int> rotating, plain;
        for (int k = 1; k <= 99; ++k) {
            if (find(root.get(), k) != nullptr) continue;
            // Linked in as a leaf without rotation, the tree would have this shape.
            std::vector<int> withLeaf = shape;
            withLeaf.push_back(k);
            int d = 0;
            std::vector<int> leafShape;
            preorder(plainTree(withLeaf, d).get(), leafShape);
            std::vector<int> grown = task.values;
            grown.push_back(k);
            (avlShape(grown) != leafShape ? rotating : plain).push_back(k);
        }
        const std::vector<int>& from = anyCase ? (draw.between(0, 1) ? rotating : plain) : rotating;
        if (from.empty()) continue;
        task.key =
            from[static_cast<std::size_t>(draw.between(0, static_cast<int>(from.size()) - 1))];
        return task;
    }
}

}  // namespace

std::string Task::operation() const {
    if (board == Board::sort)
        return std::string("Sortiere mit ") + kSortNames[static_cast<int>(sort)];
    return (insert ? "Füge " : "Lösche ") + std::to_string(key) + (insert ? " ein" : "");
}

std::string Task::title() const { return "Aufgabe " + std::to_string(number) + ": " + operation(); }

Task makeTask(Board board, std::uint32_t number, bool anyCase) {
    number = std::clamp(number, kFirstNumber, kLastNumber);
    // One sequence per board and number.
    Draw draw(std::uint64_t{number} * 8 + static_cast<std::uint64_t>(board) + (anyCase ? 4 : 0));
    Task task;
    task.number = number;
    task.board = board;
    switch (board) {
        case Board::searchTree:
            return searchTask(task, draw, anyCase);
        case Board::avlTree:
            return avlTask(task, draw, anyCase);
        case Board::sort:
            task.sort = kSortKinds[draw.between(0, 5)];
            task.values = std::vector<int>(static_cast<std::size_t>(draw.between(8, 12)));
            for (int& v : task.values) v = draw.between(1, 99);
            return task;
    }
    return task;
}

std::uint32_t drawNumber(std::uint64_t seed) {
    Draw draw(seed);
    return static_cast<std::uint32_t>(
        draw.between(static_cast<int>(kFirstNumber), static_cast<int>(kLastNumber)));
}

std::string result(std::uint32_t number, int rightFirst, int steps, int seconds) {
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    return "Aufgabe " + std::to_string(number) + ": " + std::to_string(rightFirst) + " von " +
           std::to_string(steps) + " Schritten beim ersten Versuch richtig, " +
           std::to_string(minutes) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest) + " min";
}

std::string resultFile(const Task& task, const std::string& name, int rightFirst, int steps,
                       int seconds, const std::string& date) {
    std::string out = "Tessaro - Ergebnis einer Übung\n";
    out += "Aufgabe: " + std::to_string(task.number) + " (" + task.operation() + ")\n";
    out += "Name: " + name + "\n";
    out += "Richtig beim ersten Versuch: " + std::to_string(rightFirst) + " von " +
           std::to_string(steps) + "\n";
    const int rest = seconds % 60;
    out += "Zeit: " + std::to_string(seconds / 60) + ":" + (rest < 10 ? "0" : "") +
           std::to_string(rest) + " min\n";
    out += "Datum: " + date + "\n";
    return out;
}

}  // namespace exercise
