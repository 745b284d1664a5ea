// TSearchTreeDemo: the search tree of the "Suchbaum" page. A TSearchTree of
// TTreeIntegers whose insertion and deletion run step by step on the page
// (TreeAnimation), with the page refresh zeichne and the level listing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "demo/stepsource.h"
#include "demo/treeanimation.h"
#include "trees/searchtree.h"

class TreePage;
class TextOutput;

// Refusal of a tree file whose keys are not the page's whole numbers.
inline constexpr const char* kNotPageNumbersFile =
    "Die Datei enthält keinen Baum dieser Seite - die Elemente sind keine ganzen Zahlen "
    "(TTreeInteger)";

class TSearchTreeDemo : public TSearchTree {
public:
    static const ClassInfo info;
    static constexpr int kPageKind = 1;

    // The page is lent and must outlive the tree.
    explicit TSearchTreeDemo(TreePage& page) : animation_(page, *this, kPageKind) {}

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
    using TSearchTree::lookUp;
    // Redraws the page and refreshes depth, count and "JA" / "Nein".
    void zeichne() { animation_.zeichne(); }

    // The "Ebenen" button's listing: clears memo, then writes the tree level
    // by level into it, one line per level, every number followed by two
    // blanks.
    void writeLevels(TextOutput& memo) const;
    // Starts a new line in the level listing.
    void newPlane(TextOutput& out) const override;

    // Loading also refuses keys that are not TTreeIntegers.
    using TSearchTree::load;
    void load(TReader& reader) override;

private:
    TreeAnimation animation_;
};
