#include "demo/treeanimation.h"

#include <string>

#include "demo/steprecorder.h"
#include "demo/treepage.h"
#include "elements/integertext.h"
#include "elements/messages.h"
#include "elements/platform.h"
#include "trees/treeinteger.h"

namespace {

// The step texts of the two pages.
constexpr const char* kPlaceFound = "Einfügestelle gefunden";
constexpr const char* kTooDeep = "Der Baum wird zu tief - Element wird nicht eingefügt";
constexpr const char* kFound = "Zahl gefunden";
constexpr const char* kFoundLeaf = "Zahl gefunden - Speicher wird freigegeben";
constexpr const char* kHelperPointer = "Hilfszeiger setzen";
constexpr const char* kToLeft = "Auf linken Teilbaum verweisen";
constexpr const char* kToRight = "Auf rechten Teilbaum verweisen";
constexpr const char* kChoosePredecessor = "Nächst kleinere Zahl auswählen";
constexpr const char* kReplace = "Zu löschende Zahl durch nächst kleinere Zahl ersetzen";
constexpr const char* kAttachLeft = "Linken Teilbaum anhängen";
constexpr const char* kFree = "Speicher freigeben";

const char* rotationText(Rotation kind) {
    switch (kind) {
        case Rotation::LL:
            return "LL-Rotation wird durchgeführt";
        case Rotation::LR:
            return "LR-Rotation wird durchgeführt";
        case Rotation::RR:
            return "RR-Rotation wird durchgeführt";
        case Rotation::RL:
            return "RL-Rotation wird durchgeführt";
    }
    return "";
}

std::int32_t valueOf(const TBinTreeNode& node) {
    return static_cast<const TInteger&>(*node.getValue()).getValue();
}

Procedure rotationProcedure(Rotation kind) {
    switch (kind) {
        case Rotation::LL:
            return Procedure::rotateLL;
        case Rotation::RR:
            return Procedure::rotateRR;
        case Rotation::LR:
            return Procedure::rotateLR;
        case Rotation::RL:
            return Procedure::rotateRL;
    }
    return Procedure::rotateLL;
}

// The AVL operation's lines that choose a rotation: the side that is too
// high, then the rotation itself.
struct Branch {
    Line side;
    Line rotation;
};
Branch branchOf(Rotation kind, bool deleting) {
    switch (kind) {
        case Rotation::LL:
            return deleting ? Branch{Line::alLeftHeavy, Line::alRotateLL}
                            : Branch{Line::aeLeftHeavy, Line::aeRotateLL};
        case Rotation::LR:
            return deleting ? Branch{Line::alLeftHeavy, Line::alRotateLR}
                            : Branch{Line::aeLeftHeavy, Line::aeRotateLR};
        case Rotation::RR:
            return deleting ? Branch{Line::alRightHeavy, Line::alRotateRR}
                            : Branch{Line::aeRightHeavy, Line::aeRotateRR};
        case Rotation::RL:
            return deleting ? Branch{Line::alRightHeavy, Line::alRotateRL}
                            : Branch{Line::aeRightHeavy, Line::aeRotateRL};
    }
    return {};
}

const TBinTreeNode* nodeAt(const TBinTreeNode* root, const TreePath& path) {
    const TBinTreeNode* node = root;
    for (Side side : path) {
        if (node == nullptr) return nullptr;
        node = side == Side::left ? node->getLeft() : node->getRight();
    }
    return node;
}

const TBinTreeNode* childOf(const TBinTreeNode& node, Side side) {
    return side == Side::left ? node.getLeft() : node.getRight();
}

TreePath extended(TreePath path, Side side) {
    path.push_back(side);
    return path;
}

// The middle of a number written at a place: the click target of an answer.
Question::Place centre(const TreePlace& at, int answer = 0) { return {at.x + 7, at.y + 6, answer}; }

std::string side(Side s) { return s == Side::left ? "links" : "rechts"; }

// The free links of the tree in key order, each as the path to it; the node
// at skip counts as free (the number just linked in).
void freeLinks(const TBinTreeNode* node, TreePath& path, const TreePath& skip,
               std::vector<TreePath>& out) {
    if (node == nullptr || (!skip.empty() && path == skip)) {
        out.push_back(path);
        return;
    }
    for (Side s : {Side::left, Side::right}) {
        path.push_back(s);
        freeLinks(childOf(*node, s), path, skip, out);
        path.pop_back();
    }
}

// The AVL page's kind (TAvlTreeDemo::kPageKind).
constexpr int kAvlKind = 2;

// Lends an object to the animation for one call.
template <typename T>
class Lent {
public:
    Lent(T*& slot, T& object) : slot_(slot) { slot_ = &object; }
    ~Lent() { slot_ = nullptr; }
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;

private:
    T*& slot_;
};

}  // namespace

// --- Page operations -----------------------------------------------------------

std::optional<std::int32_t> TreeAnimation::readEntry() {
    const std::string text = page_.entryField().text();
    if (text.empty()) {
        userMessages().information(message::noEntry);
        return std::nullopt;
    }
    return readTreeNumber(text);
}

std::unique_ptr<RecordedSteps> TreeAnimation::insdel(bool doInsert) {
    const auto value = readEntry();
    if (!value) {
        return nullptr;
    }
    auto element = std::make_unique<TTreeInteger>(*value);
    const bool present = tree_.lookUp(*element) != nullptr;
    if (doInsert && present) {
        userMessages().information(message::alreadyPresent);
        return nullptr;
    }
    if (!doInsert && !present) {
        userMessages().information(message::absent);
        return nullptr;
    }
    return doInsert ? insertAnimated(std::move(element)) : removeAnimated(std::move(element));
}

StepRecorder TreeAnimation::recorder() const {
    TreePage& page = page_;
    const PageFields fields{page.depthField().text(), page.countField().text(),
                            page.balancedField() ? page.balancedField()->text() : std::string()};
    return StepRecorder(page.image().width(), page.image().height(), page.shownPicture(), fields,
                        page.balancedField() != nullptr);
}

void TreeAnimation::lookUp() {
    const auto value = readEntry();
    if (!value) {
        return;
    }
    const TTreeInteger key(*value);
    userMessages().information(tree_.lookUp(key) != nullptr ? message::present : message::absent);
}

void TreeAnimation::zeichne(TreePage& target) {
    Surface& image = target.image();
    clearImage(image);
    const int half = image.width() / 2;
    tree_.paintVisible(image, half, 10, 30, 10, half, false);
    const TBinTree::Measures measures = tree_.measures();
    target.depthField().setText(std::to_string(measures.depth));
    target.countField().setText(std::to_string(measures.count));
    if (TextOutput* balanced = target.balancedField()) {
        balanced->setText(measures.balanced ? "JA" : "Nein");
    }
}

int TreeAnimation::nodesPassed(const TBase& key) const {
    int passed = 0;
    for (const TBinTreeNode* node = tree_.root.get(); node != nullptr;) {
        ++passed;
        const std::int32_t c = key.compare(*node->getValue());
        if (c == kLess) {
            node = node->getLeft();
        } else if (c == kGreater) {
            node = node->getRight();
        } else {
            break;
        }
    }
    return passed;
}

std::unique_ptr<RecordedSteps> TreeAnimation::insertAnimated(std::unique_ptr<TBase> element) {
    StepRecorder rec = recorder();
    const Lent<StepRecorder> lentRecorder(rec_, rec);
    TraceFrames frames(rec.trace());
    const Lent<TraceFrames> lent(frames_, frames);
    deleting_ = false;
    rotations_ = 0;
    inserted_ = false;
    insertPath_.clear();
    if (kind_ == kAvlKind) {
        frames.enter(Procedure::avlInsert);
        frames.mark(Line::aeInsert);
    }
    frames.enter(Procedure::searchInsert);
    inSearchPart_ = kind_ == kAvlKind;
    frames.mark(Line::seSearch);
    setFont();
    if (nodesPassed(*element) >= kMaxLevel) {
        frames.mark(Line::seTooDeep);
        frames.mark(Line::seRefuse);
        userMessages().information(kTooDeep);
    } else {
        tree_.insertObserved(std::move(element), this);
        if (kind_ == kAvlKind && inserted_ && rotations_ == 0) askViolation(insertPath_, nullptr);
    }
    inSearchPart_ = false;
    rec.infoField().setText("");
    frames.leaveAll();
    zeichne(rec);
    return rec.finish();
}

std::string TreeAnimation::insertQuietly(std::string_view entry) {
    const auto value = parseTreeNumber(entry);
    if (!value) {
        return message::treeNumberRange;
    }
    auto element = std::make_unique<TTreeInteger>(*value);
    if (tree_.lookUp(*element) != nullptr) {
        return message::alreadyPresent;
    }
    if (nodesPassed(*element) >= kMaxLevel) {
        return kTooDeep;
    }
    // The redraw afterwards uses the font the animated insertion sets.
    setFont();
    tree_.insert(std::move(element));
    return {};
}

std::unique_ptr<RecordedSteps> TreeAnimation::removeAnimated(std::unique_ptr<TBase> key) {
    StepRecorder rec = recorder();
    const Lent<StepRecorder> lentRecorder(rec_, rec);
    freePending_ = false;
    TraceFrames frames(rec.trace());
    const Lent<TraceFrames> lent(frames_, frames);
    deleting_ = true;
    rotations_ = 0;
    if (kind_ == kAvlKind) {
        frames.enter(Procedure::avlDelete);
        frames.mark(Line::alDelete);
    }
    frames.enter(Procedure::searchDelete);
    inSearchPart_ = kind_ == kAvlKind;
    setFont();
    tree_.removeObserved(std::move(key), this);
    endSearchPart();
    rec.infoField().setText("");
    frames.leaveAll();
    zeichne(rec);
    return rec.finish();
}

// --- Drawing helpers -------------------------------------------------------------

void TreeAnimation::blink(std::string_view text, std::optional<std::int32_t> value, int x1, int y1,
                          int x2, int y2, bool line, bool endVisible) {
    recordBlink(*rec_, text, value, x1, y1, x2, y2, line, endVisible);
}

void TreeAnimation::number(std::string_view text, std::int32_t value, const TreePlace& at,
                           bool endVisible) {
    blink(text, value, at.parentX, at.parentY + 10, at.x, at.y, at.y > 10, endVisible);
}

void TreeAnimation::mark(std::string_view text, const TreePlace& at) {
    blink(text, std::nullopt, at.x, at.y - 15, at.x, at.y, true, true);
}

void TreeAnimation::line(std::string_view text, int x1, int y1, int x2, int y2) {
    blink(text, std::nullopt, x1, y1, x2, y2, true, true);
}

void TreeAnimation::erase(int x1, int y1, int x2, int y2) {
    blink("", std::nullopt, x1, y1, x2, y2, false, false);
}

void TreeAnimation::setFont() {
    Surface& image = rec_ ? rec_->image() : page_.image();
    image.setFontName("MS SANS SERIF");
    image.setFontSize(8);
}

TreePlace TreeAnimation::place(const TreePath& path) const {
    return TreePlace::at(path, page_.image().width());
}

void TreeAnimation::note(Line line) {
    if (frames_ != nullptr) frames_->mark(line);
}

void TreeAnimation::endSearchPart() {
    if (!inSearchPart_ || frames_ == nullptr) return;
    inSearchPart_ = false;
    frames_->leave();
    frames_->mark(deleting_ ? Line::alUp : Line::aeUp);
}

Line TreeAnimation::rotationLine(Rotation kind, int index) {
    return pseudocode::lines(rotationProcedure(kind))[static_cast<std::size_t>(index)].id;
}

// --- Insertion and deletion steps -------------------------------------------------

void TreeAnimation::inserted(const TreePath& path, const TBinTreeNode& node) {
    insertPath_ = path;
    inserted_ = true;
    askSearch(path, valueOf(node), true);
    note(Line::seAttach);
    number(kPlaceFound, valueOf(node), place(path), true);
    endSearchPart();
}

void TreeAnimation::found(const TreePath& path, const TBinTreeNode& node) {
    foundPlace_ = place(path);
    foundHadRight_ = node.getRight() != nullptr;
    freePending_ = true;
    const bool leaf = node.getLeft() == nullptr && node.getRight() == nullptr;
    askSearch(path, valueOf(node), false);
    note(Line::slSearch);
    if (leaf) {
        note(Line::slIfLeaf);
        note(Line::slRemoveLeaf);
    }
    number(leaf ? kFoundLeaf : kFound, valueOf(node), foundPlace_, !leaf);
    if (leaf) {
        freePending_ = false;
    } else {
        note(Line::slElse);
        note(Line::slHelper);
        mark(kHelperPointer, foundPlace_);
    }
}

void TreeAnimation::bypassed(const TreePath& /*path*/, const TBinTreeNode* child) {
    if (child == nullptr) {
        return;  // a leaf: its step was shown when it was found
    }
    const TreePlace& n = foundPlace_;
    note(Line::slIfOneChild);
    erase(n.parentX, n.parentY + 10, n.x, n.y);
    const TreePlace to = n.child(foundHadRight_ ? Side::right : Side::left);
    note(Line::slBypass);
    line(foundHadRight_ ? kToRight : kToLeft, n.parentX, n.parentY + 10, to.x, to.y);
}

void TreeAnimation::predecessorFound(const TreePath& predecessorPath,
                                     const TBinTreeNode& predecessor) {
    replacement_ = valueOf(predecessor);
    // The found node is where the predecessor's path turns left last.
    TreePath foundPath = predecessorPath;
    while (!foundPath.empty() && foundPath.back() == Side::right) foundPath.pop_back();
    if (!foundPath.empty()) foundPath.pop_back();
    askReplacement(foundPath, predecessorPath);
    const TreePlace r = place(predecessorPath);
    note(Line::slElseTwo);
    note(Line::slPredecessor);
    blink(kChoosePredecessor, replacement_, r.x, r.y, r.x, r.y, false, true);
}

void TreeAnimation::valueReplaced(const TreePath& /*path*/, const TBinTreeNode& /*node*/) {
    const TreePlace& n = foundPlace_;
    note(Line::slReplace);
    blink(kReplace, replacement_, n.x, n.y, n.x, n.y, false, true);
}

void TreeAnimation::predecessorUnlinked(const TreePath& predecessorPath,
                                        const TBinTreeNode& /*predecessor*/,
                                        const TBinTreeNode* leftChild) {
    const TreePlace r = place(predecessorPath);
    if (leftChild == nullptr) {
        note(Line::slFreePredecessor);
        blink(kFree, replacement_, r.parentX, r.parentY + 10, r.x, r.y, true, false);
    } else {
        note(Line::slIfLeftChild);
        note(Line::slAttachLeft);
        mark(kHelperPointer, r);
        erase(r.parentX, r.parentY + 10, r.x, r.y);
        const TreePlace child = r.child(Side::left);
        note(Line::slAttachLeft);
        blink(kAttachLeft, valueOf(*leftChild), r.parentX, r.parentY + 10, child.x, child.y, true,
              true);
        note(Line::slFreePredecessor);
        blink(kFree, replacement_, r.x, r.y - 15, r.x, r.y, true, false);
    }
    freePending_ = false;
    endSearchPart();
}

void TreeAnimation::releasing(const TBinTreeNode& node) {
    if (freePending_) {
        const TreePlace& n = foundPlace_;
        note(Line::slFreeHelper);
        blink(kFree, valueOf(node), n.x, n.y - 15, n.x, n.y, true, false);
        freePending_ = false;
        endSearchPart();
    }
}

// --- Questions --------------------------------------------------------------------

void TreeAnimation::askSearch(const TreePath& path, std::int32_t key, bool inserting) {
    const std::string k = std::to_string(key);
    const TBinTreeNode* root = tree_.root.get();
    TreePath at;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const TBinTreeNode* node = nodeAt(root, at);
        if (node == nullptr) return;
        const std::string v = std::to_string(valueOf(*node));
        const Side s = path[i];
        const std::string reason = k +
                                   (s == Side::left ? " ist kleiner als " : " ist größer als ") +
                                   v + ": der Weg geht " + side(s) + " weiter";
        if (inserting && i + 1 == path.size()) break;
        QuestionBuilder q((inserting ? "Einfügen von " : "Suche nach ") + k + ": Bei " + v +
                              " links oder rechts weiter?",
                          reason);
        const TreePlace p = place(at);
        for (Side option : {Side::left, Side::right})
            q.add(side(option), option == s, centre(p.child(option)));
        if (auto built = q.build()) rec_->ask(std::move(*built));
        at.push_back(s);
    }
    if (!inserting || path.empty()) return;
    // Where the number is linked in: among the free links in key order.
    std::vector<TreePath> links;
    TreePath walk;
    freeLinks(root, walk, path, links);
    const TBinTreeNode* parent = nodeAt(root, at);
    if (parent == nullptr) return;
    const Side s = path.back();
    QuestionBuilder q("Wo wird " + k + " eingehängt?",
                      k + (s == Side::left ? " ist kleiner als " : " ist größer als ") +
                          std::to_string(valueOf(*parent)) + ", und dort ist " + side(s) +
                          " noch frei: " + k + " wird " + side(s) + " unter " +
                          std::to_string(valueOf(*parent)) + " eingehängt");
    for (const TreePath& link : links) {
        TreePath above = link;
        above.pop_back();
        const TBinTreeNode* owner = nodeAt(root, above);
        if (owner == nullptr) continue;
        q.add(side(link.back()) + " unter " + std::to_string(valueOf(*owner)), link == path,
              centre(place(link)));
    }
    if (auto built = q.build()) rec_->ask(std::move(*built));
}

void TreeAnimation::askReplacement(const TreePath& foundPath, const TreePath& predecessorPath) {
    const TBinTreeNode* root = tree_.root.get();
    const TBinTreeNode* found = nodeAt(root, foundPath);
    if (found == nullptr || found->getLeft() == nullptr || found->getRight() == nullptr) return;
    const std::string f = std::to_string(valueOf(*found));
    TreePath successorPath = extended(foundPath, Side::right);
    while (const TBinTreeNode* n = nodeAt(root, successorPath)) {
        if (n->getLeft() == nullptr) break;
        successorPath.push_back(Side::left);
    }
    struct Option {
        TreePath path;
        bool correct;
    };
    const Option options[] = {{extended(foundPath, Side::left), false},
                              {predecessorPath, true},
                              {successorPath, false},
                              {extended(foundPath, Side::right), false}};
    const std::string r = std::to_string(replacement_);
    QuestionBuilder q("Welche Zahl ersetzt " + f + "?",
                      f +
                          " hat zwei Teilbäume: die nächst kleinere Zahl, die größte im linken "
                          "Teilbaum, ersetzt " +
                          f + ": " + r);
    for (const Option& option : options) {
        const TBinTreeNode* n = nodeAt(root, option.path);
        if (n == nullptr) continue;
        q.add(std::to_string(valueOf(*n)), option.correct, centre(place(option.path)));
    }
    if (auto built = q.build()) rec_->ask(std::move(*built));
}

void TreeAnimation::askViolation(const TreePath& along, const TreePath* violated) {
    const TBinTreeNode* root = tree_.root.get();
    const std::string what = deleting_ ? "nach dem Löschen" : "nach dem Einfügen";
    std::string why = "Auf dem Weg haben alle Knoten die Balance -1, 0 oder 1";
    if (violated != nullptr) {
        if (const TBinTreeNode* a = nodeAt(root, *violated))
            why = "Bei " + std::to_string(valueOf(*a)) +
                  " unterscheiden sich die Höhen der Teilbäume um 2";
    }
    QuestionBuilder q("Ist " + what + " die AVL-Eigenschaft verletzt? Wo?", why);
    // From the nodes nearest to the change up to the root.
    TreePath path = along;
    for (bool more = true; more; more = !path.empty() && (path.pop_back(), true)) {
        const TBinTreeNode* n = nodeAt(root, path);
        if (n == nullptr) continue;
        // The number just linked in is a leaf and balanced.
        if (!deleting_ && inserted_ && path == insertPath_) continue;
        q.add("bei " + std::to_string(valueOf(*n)), violated != nullptr && path == *violated,
              centre(place(path)));
    }
    q.add("nirgends", violated == nullptr);
    if (auto built = q.build()) rec_->ask(std::move(*built));
}

void TreeAnimation::askRotation(Rotation kind, std::int32_t aValue, const TreePath& /*pathOfA*/) {
    const std::string a = std::to_string(aValue);
    const bool left = kind == Rotation::LL || kind == Rotation::LR;
    const bool single = kind == Rotation::LL || kind == Rotation::RR;
    const std::string heavy = left ? "linke" : "rechte";
    const std::string outer = left ? "linker" : "rechter";
    const std::string inner = left ? "rechter" : "linker";
    const std::string why = "Bei " + a + " ist der " + heavy +
                            " Teilbaum zu hoch, und in ihm ist der " +
                            (single ? outer + " Teilbaum nicht niedriger: eine einfache Rotation"
                                    : inner + " Teilbaum höher: eine Doppelrotation");
    QuestionBuilder q("Welche Rotation folgt bei " + a + "?", why);
    for (Rotation r : {Rotation::LL, Rotation::LR, Rotation::RR, Rotation::RL}) {
        std::string name = rotationText(r);
        name = name.substr(0, name.find(' '));
        q.add(name, r == kind);
    }
    if (auto built = q.build()) rec_->ask(std::move(*built));
}

// --- Rotations --------------------------------------------------------------------

void TreeAnimation::redrawBeforeRotation() {
    endSearchPart();
    zeichne(*rec_);
}

void TreeAnimation::rotationPhase(Rotation kind, int phase, const TreePath& pathOfA,
                                  const RotationNodes& nodes) {
    const char* text = rotationText(kind);
    // Mirror images: `in` is the side of B below A, `out` the other one.
    const bool leftHeavy = kind == Rotation::LL || kind == Rotation::LR;
    const Side in = leftHeavy ? Side::left : Side::right;
    const Side out = leftHeavy ? Side::right : Side::left;
    const TreePlace a = place(pathOfA);
    const TreePlace b = a.child(in);
    const bool single = kind == Rotation::LL || kind == Rotation::RR;
    auto child = [in](const TBinTreeNode* node) {
        return in == Side::left ? node->getLeft() : node->getRight();
    };
    auto parentLine = [&](const TreePlace& top) {
        note(rotationLine(kind, single ? 3 : 5));
        if (a.y > 10) {
            erase(a.parentX, a.parentY + 10, a.x, a.y);
            line(text, a.parentX, a.parentY + 10, top.x, top.y);
        }
    };

    // The rotation's last steps: its balance line, back to the caller.
    auto finish = [&] {
        note(rotationLine(kind, single ? 4 : 6));
        if (frames_ != nullptr) frames_->leave();
        ++rotations_;
    };

    if (phase == 0) {
        endSearchPart();
        if (deleting_ && rotations_ > 0) note(Line::alUp);
        note(deleting_ ? Line::alViolated : Line::aeViolated);
        if (deleting_) {
            const Side heavy =
                kind == Rotation::LL || kind == Rotation::LR ? Side::left : Side::right;
            askViolation(extended(pathOfA, heavy), &pathOfA);
        } else {
            askViolation(insertPath_, &pathOfA);
        }
        blink("Bei " + std::to_string(valueOf(*nodes.a)) + " ist die AVL-Eigenschaft verletzt",
              valueOf(*nodes.a), a.x, a.y, a.x, a.y, false, true);
        const Branch branch = branchOf(kind, deleting_);
        askRotation(kind, valueOf(*nodes.a), pathOfA);
        note(branch.side);
        note(branch.rotation);
        if (frames_ != nullptr) frames_->enter(rotationProcedure(kind));
        note(rotationLine(kind, 0));
        mark(text, b);
        if (!single) {
            note(rotationLine(kind, 0));
            mark(text, b.child(out));
        }
        return;
    }
    if (single) {
        // B's inner child's place: below B, towards A.
        const TreePlace inner = b.child(out);
        if (phase == 1) {  // A's inner link := B's outer-side subtree
            note(rotationLine(kind, 1));
            erase(a.x, a.y + 10, b.x, b.y);
            if (child(nodes.a) != nullptr) {
                line(text, a.x, a.y + 10, inner.x, inner.y);
            }
        } else {  // B now above A, linked where A was
            note(rotationLine(kind, 2));
            erase(b.x, b.y + 10, inner.x, inner.y);
            line(text, b.x, b.y + 10, a.x, a.y);
            parentLine(b);
            finish();
        }
        return;
    }
    const TreePlace c = b.child(out);
    const TreePlace cIn = c.child(in);    // C's child towards B
    const TreePlace cOut = c.child(out);  // C's child towards A
    note(rotationLine(kind, phase < 4 ? phase : 4));
    switch (phase) {
        case 1:  // B's link to C := C's subtree towards B
            erase(b.x, b.y + 10, c.x, c.y);
            if ((in == Side::left ? nodes.b->getRight() : nodes.b->getLeft()) != nullptr) {
                line(text, b.x, b.y + 10, cIn.x, cIn.y);
            }
            break;
        case 2:  // C takes B
            if ((in == Side::left ? nodes.b->getRight() : nodes.b->getLeft()) != nullptr) {
                erase(c.x, c.y + 10, cIn.x, cIn.y);
            }
            line(text, c.x, c.y + 10, b.x, b.y);
            break;
        case 3:  // A's link to B := C's subtree towards A
            erase(a.x, a.y + 10, b.x, b.y);
            if (child(nodes.a) != nullptr) {
                line(text, a.x, a.y + 10, cOut.x, cOut.y);
            }
            break;
        default:  // C takes A and stands where A was
            if (child(nodes.a) != nullptr) {
                erase(c.x, c.y + 10, cOut.x, cOut.y);
            }
            line(text, c.x, c.y + 10, a.x, a.y);
            parentLine(c);
            finish();
            break;
    }
}
