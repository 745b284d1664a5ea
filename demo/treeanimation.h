// TreeAnimation: the step-by-step demonstration of a search tree's or an AVL
// tree's insertion and deletion on a TreePage. It observes the tree's own
// algorithm (TreeObserver) and turns each reported pointer change into the
// steps of the "Suchbaum" and "AVL-Baum" pages: a German step text, a number,
// line or auxiliary-pointer mark blinking until "Weiter", lines erased at once.
// The tree therefore ends exactly as the plain operation leaves it.
//
// The operation runs at once, to its end, with a StepRecorder standing in for
// the page; it returns the steps, whose end is the page redrawn, for the
// window to play.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "demo/algorithmtrace.h"
#include "demo/treegeometry.h"
#include "trees/searchtree.h"
#include "trees/treeobserver.h"

class RecordedSteps;
class StepRecorder;
class TreePage;

class TreeAnimation final : public TreeObserver {
public:
    // The page and the tree are lent and must outlive the animation; kind is
    // the page number for lockControls (1 "Suchbaum", 2 "AVL-Baum").
    TreeAnimation(TreePage& page, TSearchTree& tree, int kind)
        : page_(page), tree_(tree), kind_(kind) {}

    // The Insert and Delete buttons: checks the entry ("Es ist kein Element
    // eingegeben worden", readTreeNumber, "Element ist bereits vorhanden",
    // "Element ist nicht vorhanden"); null after such a message. Otherwise
    // the operation's steps, ending with the page redrawn.
    std::unique_ptr<RecordedSteps> insdel(bool doInsert);
    // Insertion of element (taken); a place on level 7 is refused with "Der
    // Baum wird zu tief - Element wird nicht eingefügt" (no steps). The
    // steps end with the page redrawn.
    std::unique_ptr<RecordedSteps> insertAnimated(std::unique_ptr<TBase> element);
    // Inserts the number of entry with the Insert button's checks but without
    // steps, messages or drawing (the tree's own insertion, no observer).
    // Returns "" when inserted, else the message Insert would have shown.
    std::string insertQuietly(std::string_view entry);
    // Deletion of the value equal to key (key is destroyed); the steps end
    // with the page redrawn.
    std::unique_ptr<RecordedSteps> removeAnimated(std::unique_ptr<TBase> key);
    // The Lookup button: "Element ist vorhanden" / "Element ist nicht
    // vorhanden", not animated.
    void lookUp();
    // Blanks the page's image, paints the tree, shows depth, count and (where
    // the page has it) "JA" / "Nein".
    void zeichne() { zeichne(page_); }

    // Deepest level (the root is level 1) on which a number is inserted.
    static constexpr int kMaxLevel = 6;

    // TreeObserver: the steps.
    void inserted(const TreePath& path, const TBinTreeNode& node) override;
    void found(const TreePath& path, const TBinTreeNode& node) override;
    void bypassed(const TreePath& path, const TBinTreeNode* child) override;
    void predecessorFound(const TreePath& predecessorPath,
                          const TBinTreeNode& predecessor) override;
    void valueReplaced(const TreePath& path, const TBinTreeNode& node) override;
    void predecessorUnlinked(const TreePath& predecessorPath, const TBinTreeNode& predecessor,
                             const TBinTreeNode* leftChild) override;
    void releasing(const TBinTreeNode& node) override;
    void redrawBeforeRotation() override;
    void rotationPhase(Rotation kind, int phase, const TreePath& pathOfA,
                       const RotationNodes& nodes) override;

private:
    // A recorder standing in for the page, showing what the page shows now.
    StepRecorder recorder() const;
    void zeichne(TreePage& target);
    // One recordBlink on the recorder.
    void blink(std::string_view text, std::optional<std::int32_t> value, int x1, int y1, int x2,
               int y2, bool line, bool endVisible);
    // A number at a place, with its connecting line when below the root.
    void number(std::string_view text, std::int32_t value, const TreePlace& at, bool endVisible);
    // The auxiliary-pointer mark above a place, ending visible.
    void mark(std::string_view text, const TreePlace& at);
    // A line alone, ending visible.
    void line(std::string_view text, int x1, int y1, int x2, int y2);
    // A line erased at once.
    void erase(int x1, int y1, int x2, int y2);
    void setFont();
    // Number of existing nodes the search for key passes (stops at an equal one).
    int nodesPassed(const TBase& key) const;
    TreePlace place(const TreePath& path) const;
    // Names the pseudo-code line of the next step (nothing outside an
    // operation).
    void note(Line line);
    // The AVL operations run the search tree's as a sub-procedure: once its
    // last step is shown, the AVL procedure goes on with climbing the path.
    void endSearchPart();
    // The lines of the rotation sub-procedures, by their position.
    static Line rotationLine(Rotation kind, int index);
    // Questions for the mode "Vorhersagen", asked before the next step.
    // The search for key passes the nodes on path: left or right at each,
    // and, inserting, at its last node where key is linked in.
    void askSearch(const TreePath& path, std::int32_t key, bool inserting);
    // Which key takes the place of the found key with two children.
    void askReplacement(const TreePath& foundPath, const TreePath& predecessorPath);
    // Where the AVL property is violated, among the nodes on along (root
    // first): at the node at violated, or nowhere.
    void askViolation(const TreePath& along, const TreePath* violated);
    void askRotation(Rotation kind, std::int32_t aValue, const TreePath& pathOfA);
    // Reads the entry; empty when it is empty or no number 1..99 (the
    // message is shown).
    std::optional<std::int32_t> readEntry();

    TreePage& page_;
    TSearchTree& tree_;
    int kind_;
    // The recorder of the running operation; null between operations.
    StepRecorder* rec_ = nullptr;
    // The procedures of the running operation; null between operations.
    TraceFrames* frames_ = nullptr;
    bool inSearchPart_ = false;
    bool deleting_ = false;
    int rotations_ = 0;
    // Deletion state of one call.
    bool freePending_ = false;
    bool foundHadRight_ = false;
    TreePlace foundPlace_;
    std::int32_t replacement_ = 0;
    // Where the running insertion linked in its number (none yet: empty
    // with inserted_ false).
    TreePath insertPath_;
    bool inserted_ = false;
};
