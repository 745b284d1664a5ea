// BayerDisplay: the step displays of the B-tree demonstration. It watches
// TBayerTree's insertion and deletion (BayerObserver) and, at each step,
// writes the step text into the info field and takes a step on the recorder
// with the blinking number, page or split of the page's four step forms.
//
// Geometry on an image of width W: the root page stands at (W - 100, 10); the
// child i of a page at (x, y) at (x - 4g + g*i, y + 100), g = (W - 100) div 5
// below the root and 16 below the second level. A page box is (x, y) to
// (x + 16, y + 54); key slot k is written at (x + 1, y + 13(k - 1) + 1).
//
// In the mode "Vorhersagen" the display also asks, before the step that shows
// the answer: whether the page runs over, which key moves up on a split, how
// an underflow is repaired, and whether the root shrinks after a merge below
// it.
#pragma once

#include <array>
#include <string_view>

#include "demo/algorithmtrace.h"
#include "elements/platform.h"
#include "trees/bayerobserver.h"

class StepRecorder;

class BayerDisplay final : public BayerObserver {
public:
    struct Point {
        int x;
        int y;
    };

    // All are lent for the display's lifetime; frames (may be null) receive
    // the pseudo-code line of each step.
    BayerDisplay(StepRecorder& recorder, bool& redrawNeeded, TraceFrames* frames = nullptr);

    // The page position of a path on an image of width `width`.
    static Point pagePosition(const BayerPath& at, int width);
    // The text position of key slot k of a page at p.
    static Point slot(Point p, int k) { return {p.x + 1, p.y + 13 * (k - 1) + 1}; }
    // Where a key that reaches the page at p is shown first.
    static Point newItem(Point p) { return {p.x + 1, p.y + 66}; }
    // The centre of a key's text written at p (7 pixels per character, 13
    // high), where a click answers with that key.
    static Point keyCentre(Point p, const TBase& key);
    // Draws one page as the full redraw does: box and keys in black, and the
    // connector from its parent at `parent` (unless it is the root) as child i.
    static void drawPage(Surface& image, const TBayerTreeNode& page, Point p, const Point* parent,
                         int i);

    void keyPlaced(const TBayerTreeNode& page, const BayerPath& at, int slot,
                   const TBase& key) override;
    void fullPageReached(const TBayerTreeNode& page, const BayerPath& at,
                         const TBase& key) override;
    void pageSplit(const BayerPath& at, const std::array<const TBase*, 5>& keys,
                   const TBayerTreeNode& left, const TBayerTreeNode& right) override;
    void rootCreated(const TBase& key, bool treeWasEmpty) override;
    void leafKeyRemoved(const TBayerTreeNode& page, const BayerPath& at, int slot, const TBase& x,
                        bool underflow) override;
    void innerKeyFound(const TBayerTreeNode& page, const BayerPath& at, int slot,
                       const TBase& x) override;
    void predecessorMoved(const TBayerTreeNode& page, const BayerPath& at, int slot,
                          const TBayerTreeNode& from, const BayerPath& fromAt, int fromSlot,
                          const TBase& key, bool underflow) override;
    void underflowRepaired(const BayerRepair& repair) override;

private:
    // The four step forms.
    void blinkNumber(std::string_view text, Point p, const TBase& key);
    void blinkPage(std::string_view text, const TBayerTreeNode& page, Point p);
    void blinkSplit(std::string_view text, const std::array<const TBase*, 5>& keys, Point p);
    void blinkNewRoot(std::string_view text, const TBase& key);
    // A step whose figure phase(color) draws, in first and then second.
    template <typename Phase>
    void blink(Phase phase, Color first, Color second);

    void write(Point p, const TBase& key, Color color);
    void line(int x1, int y1, int x2, int y2, Color color);
    void note(Line line) {
        if (frames_) frames_->mark(line);
    }
    // The questions, each queued for the recorder's next step.
    void askOverflow(bool overflows, int keysBefore);
    void askMiddle(const std::array<const TBase*, 5>& keys, Point p);
    void askRepair(const BayerRepair& repair);
    void askRootShrinks(const BayerRepair& repair);

    StepRecorder& rec_;
    Surface& image_;
    TextOutput& info_;
    bool& redrawNeeded_;
    TraceFrames* frames_;
    // A page has been split in this insertion: the next page reached is the
    // one above it.
    bool split_ = false;
    // The key that reached a full page, shown below it until the split.
    const TBase* arriving_ = nullptr;
};
