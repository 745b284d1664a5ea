// What the user-interface benchmarks share: dialogs that answer with a set
// file name, playing a demonstration to its end without waiting, and the
// largest file of every structure, made by the structures' own save.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "demo/virtualtimers.h"
#include "elements/base.h"
#include "elements/elementio.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/stepplayer.h"

namespace uibench {

inline constexpr int kFull = 65535;
inline constexpr int kTreeKeys = static_cast<int>(TBinTree::kMaxFileNodes);
inline constexpr int kNtreeNodes = static_cast<int>(TNtree::kMaxFileNodes);

// Answers every file dialog with the name set last and swallows messages.
class QuietDialogs final : public DialogService {
public:
    void information(std::string_view) override {}
    void error(std::string_view) override {}
    void errorBox(std::string_view text) override {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    void fatal(std::string_view) override {}
    std::string getSaveFileName(std::string_view, std::string_view) override { return file; }
    std::string getOpenFileName(std::string_view, std::string_view) override { return file; }
    std::optional<NumberSequenceRequest> askNumberSequence() override { return std::nullopt; }
    bool question(std::string_view) override { return false; }
    std::string file;
};

// Plays every running demonstration of the window to its end: each step
// shows both blink phases once, with the window's events handled, then
// "Weiter".
inline void playToEnd(QWidget& window, VirtualTimers& timers) {
    for (StepPlayer* player : window.findChildren<StepPlayer*>()) {
        while (player->running()) {
            player->weiter();
            timers.runNext();
            QApplication::processEvents();
        }
    }
}

// The files the pages load, made once by the structures' own save.
struct Files {
    std::string dir;
    std::string path(const char* name) const { return dir + "/" + name; }
    std::string listIntegers() const { return path("ganzzahlen.ldt"); }
    std::string listLongTexts() const { return path("lange-texte.ldt"); }
    std::string stack() const { return path("stapel.kdt"); }
    std::string queue() const { return path("schlange.sdt"); }
    std::string searchTree() const { return path("suchbaum.tdt"); }
    std::string searchChain() const { return path("kette.tdt"); }
    std::string avlTree() const { return path("avl.adt"); }
    std::string bayerTree() const { return path("bayer.bdt"); }
    std::string ntree() const { return path("nbaum.ndt"); }
    std::string ntreeChain() const { return path("nkette.ndt"); }
    std::string scratch() const { return path("gespeichert.dat"); }
};

inline std::string longText(int i) {
    std::string text = "Element " + std::to_string(i) + " ";
    text.resize(1000, 'x');
    return text;
}

inline std::vector<int> shuffledKeys() {
    std::vector<int> keys(kTreeKeys);
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(4711));
    return keys;
}

inline void makeBayerFile(const std::string& name) {
    // 4 keys in the root, in each of its 5 children and in each of their 25
    // children: 124 keys, 10, 20, ... in order.
    constexpr int kKeys = TBayerTreeNode::kMaxKeys;
    constexpr int kLeafSpan = kKeys + 1;
    constexpr int kInnerSpan = (kKeys + 1) * kLeafSpan;
    StringOutputStream records;
    {
        TWriter writer(records);
        const auto page = [&](int first, int step, bool inner) {
            writer.writeInteger(kKeys);
            writer.writeBoolean(inner);
            for (int k = 1; k <= kKeys; ++k) {
                saveElement(writer, TInteger(10 * (first + (k - 1) * step)));
                writer.writeBoolean(inner);
            }
        };
        page(kInnerSpan, kInnerSpan, true);
        for (int c = 0; c <= kKeys; ++c) {
            const int base = c * kInnerSpan;
            page(base + kLeafSpan, kLeafSpan, true);
            for (int l = 0; l <= kKeys; ++l) page(base + l * kLeafSpan + 1, 1, false);
        }
        writer.flush();
    }
    TBayerTree tree(&TInteger::info);
    MemoryInputStream in(records.bytes());
    TReader reader(in);
    tree.loadFrom(reader);
    tree.save(name);
}

// Makes every file in a new folder under the temporary directory; with
// longTexts the stack and the queue hold 1000-character strings as well.
inline Files makeFiles(bool longTexts) {
    Files files;
    files.dir = (std::filesystem::temp_directory_path() /
                 ("tessaro-ui-bench-" + std::to_string(::getpid())))
                    .string();
    std::filesystem::create_directories(files.dir);
    {
        TListe list;
        std::mt19937 random(4711);
        for (int i = 0; i < kFull; ++i) {
            list.insert(std::make_unique<TInteger>(static_cast<std::int32_t>(random() % 100000)));
        }
        list.saveToFile(files.listIntegers());
        TListe texts;
        for (int i = 0; i < kFull; ++i) texts.insert(std::make_unique<TString>(longText(i)));
        texts.saveToFile(files.listLongTexts());
    }
    {
        TLifo stack;
        TFifo queue;
        for (int i = 0; i < kFull; ++i) {
            const std::string text = longTexts ? longText(i) : "Element " + std::to_string(i);
            stack.push(std::make_unique<TLifoString>(text));
            queue.insert(std::make_unique<TFifoString>(text));
        }
        stack.save(files.stack());
        queue.save(files.queue());
    }
    {
        TSearchTree tree;
        for (int key : shuffledKeys()) tree.insert(std::make_unique<TTreeInteger>(key));
        tree.save(files.searchTree());
        TSearchTree chain;
        for (int key = kTreeKeys; key >= 1; --key) {
            chain.root = std::make_unique<TBinTreeNode>(
                nullptr, std::make_unique<TTreeInteger>(key), std::move(chain.root));
        }
        chain.save(files.searchChain());
        TAvlTree avl;
        for (int key : shuffledKeys()) avl.insert(std::make_unique<TTreeInteger>(key));
        avl.save(files.avlTree());
    }
    makeBayerFile(files.bayerTree());
    {
        TNtree tree;
        tree.createRoot(std::make_unique<TString>("K0"), nullptr);
        std::vector<TNtreeNode*> level{tree.root.get()};
        int made = 1;
        for (std::size_t at = 0; made < kNtreeNodes; ++at) {
            TNtreeNode* parent = level[at];
            for (int n = 0; n < 8 && made < kNtreeNodes; ++n, ++made) {
                parent->insertChildN(
                    n, std::make_unique<TNtreeNode>(
                           std::make_unique<TString>("K" + std::to_string(made)), nullptr));
                level.push_back(parent->getChildN(n));
            }
        }
        tree.save(files.ntree());
        TNtree chain;
        std::unique_ptr<TNtreeNode> below;
        for (int i = kNtreeNodes - 1; i >= 0; --i) {
            auto node =
                std::make_unique<TNtreeNode>(std::make_unique<TString>(std::to_string(i)), nullptr);
            if (below) node->insertChild(std::move(below));
            below = std::move(node);
        }
        chain.root = std::move(below);
        chain.save(files.ntreeChain());
    }
    return files;
}

}  // namespace uibench
