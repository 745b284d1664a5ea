// TAvlTreeDemo: the AVL tree of the "AVL-Baum" page. A TAvlTree of
// TTreeIntegers whose insertion and deletion, rotations included, run step by
// step on the page (TreeAnimation).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "demo/stepsource.h"
#include "demo/treeanimation.h"
#include "trees/avltree.h"

class TreePage;

class TAvlTreeDemo : public TAvlTree {
public:
    static const ClassInfo info;
    static constexpr int kPageKind = 2;

    // The page is lent and must outlive the tree.
    explicit TAvlTreeDemo(TreePage& page) : animation_(page, *this, kPageKind) {}

    const ClassInfo& classInfo() const override { return info; }

    // Insert (true) or Delete (false) button, see TreeAnimation::insdel:
    // null after a refusal, else the steps to play.
    std::unique_ptr<RecordedSteps> insdel(bool doInsert) { return animation_.insdel(doInsert); }
    std::unique_ptr<RecordedSteps> insertAnimated(std::unique_ptr<TBase> element) {
        return animation_.insertAnimated(std::move(element));
    }
    // One number of a sequence, see TreeAnimation::insertQuietly.
    std::string insertQuietly(std::string_view entry) { return animation_.insertQuietly(entry); }
    std::unique_ptr<RecordedSteps> removeAnimated(std::unique_ptr<TBase> key) {
        return animation_.removeAnimated(std::move(key));
    }
    // The Lookup button (not animated).
    void lookUp() { animation_.lookUp(); }
    using TAvlTree::lookUp;
    // Redraws the page and refreshes depth and count (this page has no
    // balanced field).
    void zeichne() { animation_.zeichne(); }

    // Loading also refuses keys that are not TTreeIntegers.
    using TAvlTree::load;
    void load(TReader& reader) override;

private:
    TreeAnimation animation_;
};
