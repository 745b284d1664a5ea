// Helpers for the B-tree tests: a tree that opens insert and remove, a compact
// text form of the pages ("[3]([1 2][4 5])": a page's keys in brackets, its
// children in parentheses), and file images built from that text form.
#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "trees/bayertree.h"

class TestBayerTree : public TBayerTree {
public:
    using TBayerTree::insert;
    using TBayerTree::remove;
    using TBayerTree::TBayerTree;

    InsertResult insertNumber(int value, BayerObserver* observer = nullptr) {
        return insert(std::make_unique<TInteger>(value), observer);
    }
    bool removeNumber(int value, BayerObserver* observer = nullptr) {
        return remove(TInteger(value), observer);
    }
};

// "[3]([1 2][4 5])" for a page and its subtrees; "" for no page.
inline std::string describe(const TBayerTreeNode* page) {
    if (!page) return "";
    std::string text = "[";
    for (int i = 1; i <= page->count(); ++i) {
        if (i > 1) text += ' ';
        text += TBayerTree::keyText(page->key(i));
    }
    text += ']';
    if (!page->isLeaf()) {
        text += '(';
        for (int i = 0; i <= page->count(); ++i) text += describe(page->child(i));
        text += ')';
    }
    return text;
}

inline std::string describe(const TBayerTree& tree) { return describe(tree.root()); }

// Writes the file record of the page described at `pos` in `shape`, keys as
// TInteger, in the order the B-tree file prescribes.
class ShapeWriter {
public:
    explicit ShapeWriter(std::string_view shape) : shape_(shape) {}

    std::string bytes() {
        StringOutputStream out;
        {
            TWriter writer(out);
            if (!shape_.empty()) writePage(writer, parsePage());
            writer.flush();
        }
        return out.bytes();
    }

private:
    struct Page {
        std::vector<int> keys;
        std::vector<Page> children;
    };

    Page parsePage() {
        Page page;
        expect('[');
        while (peek() != ']') page.keys.push_back(number());
        expect(']');
        if (pos_ < shape_.size() && shape_[pos_] == '(') {
            ++pos_;
            while (peek() != ')') page.children.push_back(parsePage());
            expect(')');
        }
        return page;
    }

    void writePage(TWriter& writer, const Page& page) {
        writer.writeInteger(static_cast<int>(page.keys.size()));
        writer.writeBoolean(!page.children.empty());
        for (std::size_t i = 0; i < page.keys.size(); ++i) {
            writer.writeString("TInteger");
            writer.writeInteger(page.keys[i]);
            writer.writeBoolean(i + 1 < page.children.size());
        }
        for (const Page& child : page.children) writePage(writer, child);
    }

    char peek() {
        while (pos_ < shape_.size() && shape_[pos_] == ' ') ++pos_;
        return pos_ < shape_.size() ? shape_[pos_] : '\0';
    }
    void expect(char c) {
        if (peek() != c) throw std::logic_error("bad shape text: " + std::string(shape_));
        ++pos_;
    }
    int number() {
        peek();
        std::size_t start = pos_;
        if (pos_ < shape_.size() && shape_[pos_] == '-') ++pos_;
        while (pos_ < shape_.size() && std::isdigit(static_cast<unsigned char>(shape_[pos_])))
            ++pos_;
        if (start == pos_) throw std::logic_error("bad shape text: " + std::string(shape_));
        return std::stoi(std::string(shape_.substr(start, pos_ - start)));
    }

    std::string_view shape_;
    std::size_t pos_ = 0;
};

inline std::string shapeBytes(std::string_view shape) { return ShapeWriter(shape).bytes(); }

inline void loadBytes(TBayerTree& tree, const std::string& bytes) {
    MemoryInputStream in(bytes);
    TReader reader(in);
    tree.loadFrom(reader);
}

// Builds the tree from the text form through the file loader.
inline void build(TBayerTree& tree, std::string_view shape) { loadBytes(tree, shapeBytes(shape)); }

inline std::string saveBytes(const TBayerTree& tree) {
    StringOutputStream out;
    {
        TWriter writer(out);
        tree.saveTo(writer);
        writer.flush();
    }
    return out.bytes();
}
