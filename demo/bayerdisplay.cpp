#include "demo/bayerdisplay.h"

#include <string>
#include <utility>

#include "demo/question.h"
#include "demo/steprecorder.h"
#include "trees/bayertree.h"

namespace {
namespace text {
constexpr const char* insertNumber = "Zahl wird eingefügt";
constexpr const char* split = "Aufteilen der Seite und mittleres Element eine Ebene höher setzen";
constexpr const char* newRoot = "Neue Wurzel erzeugen";
constexpr const char* deleted = "Element wird gelöscht";
constexpr const char* moveUp = "Elemente rücken auf";
constexpr const char* searchPredecessor = "Nächst kleineres Element suchen";
constexpr const char* replace = "Gelöschtes Element durch nächst kleineres Element ersetzen";
constexpr const char* borrowRightParent =
    "Mit rechtem Nachbar ausgleichen - Element vom Vorgänger übertragen";
constexpr const char* borrowRightFirst =
    "Mit rechtem Nachbar ausgleichen - Erstes Element des rechten Nachbarn an die "
    "Vorgängerstelle setzen";
constexpr const char* borrowLeftShift = "Mit linkem Nachbar ausgleichen -Element rückt weiter";
constexpr const char* borrowLeftParent =
    "Mit linkem Nachbar ausgleichen - Element vom Vorgänger übertragen";
constexpr const char* borrowLeftLast =
    "Mit linkem Nachbar ausgleichen - letztes Element des linken Nachbarn an die "
    "Vorgängerstelle setzen";
constexpr const char* mergeRightParent =
    "Mit rechtem Nachbarn verschmelzen - Element vom Vorgänger übertragen";
constexpr const char* mergeRightKeys =
    "Mit rechtem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen";
constexpr const char* mergeLeftParent =
    "Mit linkem Nachbarn verschmelzen - Element vom Vorgänger übertragen";
constexpr const char* mergeLeftKeys =
    "Mit linkem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen";
}  // namespace text

namespace ask {
constexpr const char* overflow = "Läuft die Seite über?";
constexpr const char* yes = "ja";
constexpr const char* no = "nein";
constexpr const char* middle = "Welcher Schlüssel wird eine Ebene höher gesetzt?";
constexpr const char* repair = "Die Seite hat zu wenige Schlüssel. Wie geht es weiter?";
constexpr const char* borrowLeft = "vom linken Nachbarn leihen";
constexpr const char* borrowRight = "vom rechten Nachbarn leihen";
constexpr const char* merge = "mit einem Nachbarn verschmelzen";
constexpr const char* rootShrinks = "Schrumpft die Wurzel?";
}  // namespace ask
}  // namespace

BayerDisplay::BayerDisplay(StepRecorder& recorder, bool& redrawNeeded, TraceFrames* frames)
    : rec_(recorder),
      image_(recorder.image()),
      info_(recorder.infoField()),
      redrawNeeded_(redrawNeeded),
      frames_(frames) {}

BayerDisplay::Point BayerDisplay::pagePosition(const BayerPath& at, int width) {
    Point p{width - 100, 10};
    for (int level = 0; level < at.length; ++level) {
        const int g = level == 0 ? (width - 100) / 5 : 16;
        p = {p.x - 4 * g + g * at.steps[level], p.y + 100};
    }
    return p;
}

void BayerDisplay::drawPage(Surface& image, const TBayerTreeNode& page, Point p,
                            const Point* parent, int i) {
    image.rectangle(p.x, p.y, p.x + 16, p.y + 54);
    for (int k = 1; k <= page.count(); ++k) {
        const Point s = slot(p, k);
        image.textOut(s.x, s.y, TBayerTree::keyText(page.key(k)));
    }
    if (parent) {
        if (i < 4) {
            image.moveTo(parent->x - 1, parent->y + 13 * i);
        } else {
            image.moveTo(parent->x + 8, parent->y + 53);
        }
        image.lineTo(p.x + 8, p.y);
    }
}

BayerDisplay::Point BayerDisplay::keyCentre(Point p, const TBase& key) {
    const int length = static_cast<int>(TBayerTree::keyText(key).size());
    return {p.x + 7 * length / 2, p.y + 6};
}

// --- questions ---------------------------------------------------------------

void BayerDisplay::askOverflow(bool overflows, int keysBefore) {
    const std::string why =
        overflows ? "Die Seite hat schon 4 Schlüssel; ein fünfter passt nicht hinein, also wird "
                    "sie aufgeteilt."
                  : "Die Seite hat erst " + std::to_string(keysBefore) +
                        " Schlüssel; bis zu 4 passen hinein, der neue Schlüssel findet dort Platz.";
    if (auto q = QuestionBuilder(ask::overflow, why)
                     .add(ask::yes, overflows)
                     .add(ask::no, !overflows)
                     .build())
        rec_.ask(std::move(*q));
}

void BayerDisplay::askMiddle(const std::array<const TBase*, 5>& keys, Point p) {
    QuestionBuilder q(ask::middle,
                      "Von den fünf Schlüsseln bleiben die beiden kleinsten in der Seite, die "
                      "beiden größten kommen in eine neue Seite, und der mittlere, " +
                          TBayerTree::keyText(*keys[2]) + ", wird eine Ebene höher gesetzt.");
    // The page still shows its four old keys in their slots, the arriving
    // key below it.
    int slotNumber = 0;
    for (int i = 0; i < 5; ++i) {
        const TBase& key = *keys[static_cast<std::size_t>(i)];
        const Point at = &key == arriving_ ? newItem(p) : slot(p, ++slotNumber);
        const Point c = keyCentre(at, key);
        q.add(TBayerTree::keyText(key), i == 2, Question::Place{c.x, c.y, 0});
    }
    if (auto built = q.build()) rec_.ask(std::move(*built));
}

void BayerDisplay::askRepair(const BayerRepair& r) {
    using Kind = BayerRepair::Kind;
    std::string why;
    switch (r.kind) {
        case Kind::BorrowRight:
            why = "Der rechte Nachbar hat " + std::to_string(r.neighbourCountBefore) +
                  " Schlüssel, also mehr als 2: er kann einen abgeben.";
            break;
        case Kind::MergeRight:
            why =
                "Der rechte Nachbar hat nur 2 Schlüssel und kann keinen abgeben: die beiden "
                "Seiten werden mit dem Element darüber zu einer Seite verschmolzen.";
            break;
        case Kind::BorrowLeft:
            why = "Die Seite hat keinen rechten Nachbarn; der linke Nachbar hat " +
                  std::to_string(r.neighbourCountBefore) +
                  " Schlüssel, also mehr als 2: er kann einen abgeben.";
            break;
        case Kind::MergeLeft:
            why =
                "Die Seite hat keinen rechten Nachbarn, und der linke Nachbar hat nur 2 "
                "Schlüssel: die beiden Seiten werden mit dem Element darüber verschmolzen.";
            break;
    }
    if (auto q = QuestionBuilder(ask::repair, why)
                     .add(ask::borrowLeft, r.kind == Kind::BorrowLeft)
                     .add(ask::borrowRight, r.kind == Kind::BorrowRight)
                     .add(ask::merge, r.merge())
                     .build())
        rec_.ask(std::move(*q));
}

void BayerDisplay::askRootShrinks(const BayerRepair& r) {
    const bool shrinks = r.parent.count() == 0;
    const std::string why =
        shrinks ? "Die Wurzel hatte nur einen Schlüssel; er ist in die verschmolzene Seite "
                  "gewandert. Die leere Wurzel fällt weg, der Baum verliert eine Ebene."
                : "Die Wurzel behält " + std::to_string(r.parent.count()) +
                      " Schlüssel und bleibt stehen; der Baum behält seine Höhe.";
    if (auto q = QuestionBuilder(ask::rootShrinks, why)
                     .add(ask::yes, shrinks)
                     .add(ask::no, !shrinks)
                     .build())
        rec_.ask(std::move(*q));
}

template <typename Phase>
void BayerDisplay::blink(Phase phase, Color first, Color second) {
    rec_.step({}, phase, first, second);
}

void BayerDisplay::write(Point p, const TBase& key, Color color) {
    image_.setFontColor(color);
    image_.textOut(p.x, p.y, TBayerTree::keyText(key));
}

void BayerDisplay::line(int x1, int y1, int x2, int y2, Color color) {
    image_.setPenColor(color);
    image_.moveTo(x1, y1);
    image_.lineTo(x2, y2);
}

void BayerDisplay::blinkNumber(std::string_view stepText, Point p, const TBase& key) {
    info_.setText(stepText);
    blink([&](Color c) { write(p, key, c); }, clBtnFace, clBlack);
}

void BayerDisplay::blinkPage(std::string_view stepText, const TBayerTreeNode& page, Point p) {
    info_.setText(stepText);
    image_.setBrushColor(clBtnFace);
    image_.fillRect(p.x + 1, p.y + 1, p.x + 14, p.y + 52);
    image_.setPenColor(clBlack);
    image_.rectangle(p.x, p.y, p.x + 16, p.y + 54);
    blink(
        [&](Color c) {
            for (int k = 1; k <= page.count(); ++k) write(slot(p, k), page.key(k), c);
        },
        clBtnFace, clBlack);
}

void BayerDisplay::blinkSplit(std::string_view stepText, const std::array<const TBase*, 5>& keys,
                              Point p) {
    info_.setText(stepText);
    image_.setBrushColor(clBtnFace);
    image_.fillRect(p.x, p.y, p.x + 16, p.y + 60);
    image_.setPenColor(clBlack);
    image_.rectangle(p.x, p.y, p.x + 16, p.y + 30);
    image_.rectangle(p.x, p.y + 49, p.x + 16, p.y + 79);
    write({p.x + 1, p.y + 1}, *keys[0], clBlack);
    write({p.x + 1, p.y + 14}, *keys[1], clBlack);
    write({p.x + 1, p.y + 50}, *keys[3], clBlack);
    write({p.x + 1, p.y + 63}, *keys[4], clBlack);
    blink([&](Color c) { write({p.x + 1, p.y + 31}, *keys[2], c); }, clBlack, clBtnFace);
    if (p.y > 10) line(p.x + 8, p.y + 34, p.x + 8, p.y + 49, clBlack);
}

void BayerDisplay::blinkNewRoot(std::string_view stepText, const TBase& key) {
    const int w = image_.width();
    info_.setText(stepText);
    image_.setPenColor(clBlack);
    image_.rectangle(w - 50, 40, w - 34, 55);
    line(w - 84, 10, w - 50, 40, clBlack);
    line(w - 84, 58, w - 50, 55, clBlack);
    blink([&](Color c) { write({w - 49, 41}, key, c); }, clBtnFace, clBlack);
}

// --- insertion ---------------------------------------------------------------

void BayerDisplay::keyPlaced(const TBayerTreeNode& page, const BayerPath& at, int slotNumber,
                             const TBase& key) {
    (void)slotNumber;
    if (split_) note(Line::beUp);
    const Point p = pagePosition(at, image_.width());
    note(Line::bePlace);
    blinkNumber(text::insertNumber, newItem(p), key);
    write(newItem(p), key, clBtnFace);
    note(Line::bePlace);
    askOverflow(false, page.count() - 1);
    blinkPage(text::insertNumber, page, p);
}

void BayerDisplay::fullPageReached(const TBayerTreeNode&, const BayerPath& at, const TBase& key) {
    if (split_) note(Line::beUp);
    note(Line::beWhileFull);
    arriving_ = &key;
    blinkNumber(text::insertNumber, newItem(pagePosition(at, image_.width())), key);
}

void BayerDisplay::pageSplit(const BayerPath& at, const std::array<const TBase*, 5>& keys,
                             const TBayerTreeNode&, const TBayerTreeNode&) {
    redrawNeeded_ = true;
    split_ = true;
    note(Line::beSplit);
    if (frames_) frames_->enter(Procedure::bayerSplit);
    note(Line::btOrder);
    note(Line::btHalves);
    note(Line::btMiddleUp);
    const Point p = pagePosition(at, image_.width());
    askOverflow(true, TBayerTreeNode::kMaxKeys);
    askMiddle(keys, p);
    blinkSplit(text::split, keys, p);
    if (frames_) frames_->leave();
}

void BayerDisplay::rootCreated(const TBase& key, bool treeWasEmpty) {
    redrawNeeded_ = true;
    if (treeWasEmpty) return;
    note(Line::beIfRoot);
    note(Line::beNewRoot);
    blinkNewRoot(text::newRoot, key);
}

// --- deletion ----------------------------------------------------------------

void BayerDisplay::leafKeyRemoved(const TBayerTreeNode& page, const BayerPath& at, int slotNumber,
                                  const TBase& x, bool underflow) {
    if (!underflow) redrawNeeded_ = false;
    note(Line::blIfLeaf);
    note(Line::blRemoveLeaf);
    const Point p = pagePosition(at, image_.width());
    blinkNumber(text::deleted, slot(p, slotNumber), x);
    write(slot(p, slotNumber), x, clBtnFace);
    note(Line::blRemoveLeaf);
    if (slotNumber <= page.count()) blinkPage(text::moveUp, page, p);
}

void BayerDisplay::innerKeyFound(const TBayerTreeNode&, const BayerPath& at, int slotNumber,
                                 const TBase& x) {
    note(Line::blElse);
    note(Line::blRemoveInner);
    const Point s = slot(pagePosition(at, image_.width()), slotNumber);
    blinkNumber(text::deleted, s, x);
    write(s, x, clBtnFace);
}

void BayerDisplay::predecessorMoved(const TBayerTreeNode&, const BayerPath& at, int slotNumber,
                                    const TBayerTreeNode&, const BayerPath& fromAt, int fromSlot,
                                    const TBase& key, bool underflow) {
    if (!underflow) redrawNeeded_ = false;
    const Point from = slot(pagePosition(fromAt, image_.width()), fromSlot);
    note(Line::blPredecessor);
    blinkNumber(text::searchPredecessor, from, key);
    write(from, key, clBtnFace);
    note(Line::blReplace);
    blinkNumber(text::replace, slot(pagePosition(at, image_.width()), slotNumber), key);
}

void BayerDisplay::underflowRepaired(const BayerRepair& r) {
    using Kind = BayerRepair::Kind;
    // Every repair leaves the drawing behind the tree.
    redrawNeeded_ = true;
    note(Line::blWhileUnderflow);
    note(r.right() ? Line::blIfRight : Line::blElseLeft);
    switch (r.kind) {
        case Kind::BorrowRight:
            note(Line::blBorrowRight);
            break;
        case Kind::MergeRight:
            note(Line::blMergeRight);
            break;
        case Kind::BorrowLeft:
            note(Line::blBorrowLeft);
            break;
        case Kind::MergeLeft:
            note(Line::blMergeLeft);
            break;
    }
    if (frames_) {
        frames_->enter(r.kind == Kind::BorrowRight  ? Procedure::bayerBorrowRight
                       : r.kind == Kind::MergeRight ? Procedure::bayerMergeRight
                       : r.kind == Kind::BorrowLeft ? Procedure::bayerBorrowLeft
                                                    : Procedure::bayerMergeLeft);
    }
    askRepair(r);
    const int w = image_.width();
    const int bigG = (w - 100) / 5;
    const Point c = pagePosition(r.parentAt, w);
    const Point a = pagePosition(r.parentAt.child(r.s), w);
    const Point b = pagePosition(r.parentAt.child(r.right() ? r.s + 1 : r.s - 1), w);
    // Child pages move along only when a stands on the second level of a
    // three-level tree; its spacing is then G.
    const TBayerTreeNode& merged = r.kind == Kind::MergeLeft ? r.neighbour : r.page;
    const bool carriesChildren = !merged.isLeaf();
    // Erases the old line and draws the new one to the same end point.
    auto moveLine = [&](int oldX, int oldY, int newX, int newY, int endX, int endY) {
        line(oldX, oldY, endX, endY, clBtnFace);
        line(newX, newY, endX, endY, clBlack);
    };
    auto eraseBoxAndConnector = [&](Point gone, int position) {
        image_.setPenColor(clBtnFace);
        image_.rectangle(gone.x, gone.y, gone.x + 16, gone.y + 54);
        line(c.x - 1, c.y + 13 * position, gone.x + 8, gone.y, clBtnFace);
    };
    switch (r.kind) {
        case Kind::BorrowRight: {
            if (carriesChildren)
                moveLine(a.x + bigG - 1, a.y, a.x + 15, a.y + 26, a.x + bigG - 56, a.y + 100);
            const TBase& down = r.page.key(2);
            write(slot(c, r.s + 1), down, clBtnFace);
            note(Line::barDown);
            blinkNumber(text::borrowRightParent, slot(a, 2), down);
            const TBase& up = r.parent.key(r.s + 1);
            write(slot(b, 1), up, clBtnFace);
            note(Line::barUp);
            blinkNumber(text::borrowRightFirst, slot(c, r.s + 1), up);
            note(Line::barShift);
            blinkPage(text::moveUp, r.neighbour, b);
            break;
        }
        case Kind::BorrowLeft: {
            const TBase& shifted = r.page.key(2);
            write(slot(a, 1), shifted, clBtnFace);
            note(Line::balShift);
            blinkNumber(text::borrowLeftShift, slot(a, 2), shifted);
            if (carriesChildren) {
                const int n = r.neighbourCountBefore;
                moveLine(a.x - bigG - 1, a.y + 13 * n, a.x - 1, a.y, a.x - bigG - 16 * (4 - n) + 8,
                         a.y + 100);
            }
            const TBase& down = r.page.key(1);
            write(slot(c, r.s), down, clBtnFace);
            note(Line::balDown);
            blinkNumber(text::borrowLeftParent, slot(a, 1), down);
            const TBase& up = r.parent.key(r.s);
            write(slot(b, r.neighbourCountBefore), up, clBtnFace);
            note(Line::balUp);
            blinkNumber(text::borrowLeftLast, slot(c, r.s), up);
            break;
        }
        case Kind::MergeRight: {
            if (carriesChildren) moveLine(b.x - 1, a.y, a.x + 16, a.y + 26, b.x - 56, a.y + 100);
            const TBase& down = r.page.key(2);
            write(slot(c, r.s + 1), down, clBtnFace);
            note(Line::bvrDown);
            blinkNumber(text::mergeRightParent, slot(a, 2), down);
            for (int j = 1; j <= 2; ++j) {
                if (carriesChildren)
                    moveLine(b.x - 1, a.y + 13 * j, a.x + 16, a.y + 13 * (j + 2),
                             b.x + 16 * (j - 1) - 40, a.y + 100);
                const TBase& moved = r.page.key(2 + j);
                write(slot(b, j), moved, clBtnFace);
                note(Line::bvrKeys);
                blinkNumber(text::mergeRightKeys, slot(a, 2 + j), moved);
            }
            note(Line::bvrRemove);
            eraseBoxAndConnector(b, r.s + 1);
            if (r.parent.count() > r.s) blinkPage(text::moveUp, r.parent, c);
            break;
        }
        case Kind::MergeLeft: {
            if (carriesChildren) moveLine(a.x - 1, a.y, b.x + 16, b.y + 39, a.x - 56, a.y + 100);
            const TBase& down = r.neighbour.key(3);
            write(slot(c, r.s), down, clBtnFace);
            note(Line::bvlDown);
            blinkNumber(text::mergeLeftParent, slot(b, 3), down);
            if (carriesChildren)
                moveLine(a.x - 1, a.y + 13, b.x + 16, b.y + 39, a.x - 40, a.y + 100);
            const TBase& moved = r.neighbour.key(4);
            write(slot(a, 1), moved, clBtnFace);
            note(Line::bvlKey);
            blinkNumber(text::mergeLeftKeys, slot(b, 4), moved);
            note(Line::bvlRemove);
            eraseBoxAndConnector(a, r.s);
            break;
        }
    }
    if (frames_) frames_->leave();
    if (r.merge()) note(Line::blUp);
    // A merge below the root is the last repair; the end shows whether the
    // root went.
    if (r.merge() && r.parentAt.length == 0) askRootShrinks(r);
}
