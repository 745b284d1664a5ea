#include "trees/bayertree.h"

#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

#include "elements/cp1252.h"
#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"

// A container, never a file element: no default instance.
const ClassInfo TBayerTree::info{"TBayerTree", &TBase::info, nullptr};

void registerBayerTreeClasses() { registry::registerClass(TBayerTree::info); }

namespace {

constexpr const char* kNoOrder = "Für dieses Objekt ist keine Ordnungsrelation definiert";
constexpr const char* kFilePrefix = "Die Datei enthält keinen gültigen Bayer-Baum: ";

// Why a tree is not sound; these texts end the file refusal message.
namespace reason {
std::string pageCount(int n) {
    return "eine Seite hat " + std::to_string(n) + " Schlüssel, erlaubt sind 1 bis 4";
}
constexpr const char* tooFew = "eine Seite unterhalb der Wurzel hat weniger als 2 Schlüssel";
constexpr const char* tooDeep = "der Baum hat mehr als drei Ebenen";
constexpr const char* leafLevels = "die Blätter liegen nicht alle auf derselben Ebene";
constexpr const char* missingChild = "einer inneren Seite fehlen Nachfolgeseiten";
constexpr const char* mixedClasses = "die Schlüssel gehören nicht alle derselben Klasse an";
constexpr const char* notAscending = "die Schlüssel sind nicht aufsteigend geordnet";
constexpr const char* wrongCount = "die Anzahl der Elemente stimmt nicht";
std::string noOrder(std::string_view className) {
    return "für die Schlüssel der Klasse " + std::string(className) +
           " ist keine Ordnung definiert";
}
std::string wrongClass(std::string_view found, std::string_view wanted) {
    return "die Schlüssel sind von der Klasse " + std::string(found) + " statt " +
           std::string(wanted);
}
}  // namespace reason

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The keys of the tree in ascending position (in-order), without recursion.
std::vector<const TBase*> keysInOrder(const TBayerTreeNode* root) {
    std::vector<const TBase*> keys;
    struct Frame {
        const TBayerTreeNode* page;
        int next;  // the child to visit next, 0..count; key `next` comes first
    };
    std::vector<Frame> stack;
    if (root) stack.push_back({root, 0});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next > top.page->count()) {
            stack.pop_back();
            continue;
        }
        const int i = top.next++;
        if (i > 0) keys.push_back(&top.page->key(i));
        if (const TBayerTreeNode* child = top.page->child(i)) stack.push_back({child, 0});
    }
    return keys;
}

bool isOrderResult(std::int32_t c) { return c == kLess || c == kEqual || c == kGreater; }

// The German reason of the first broken invariant, or "".
std::string checkPages(const TBayerTreeNode* root, int count, const ClassInfo* keyClass) {
    if (!root) return count == 0 ? "" : reason::wrongCount;

    // Shape: fill, children all or none, leaf level, depth. The depth test
    // comes before a page's children are visited, so the walk stays within
    // three levels whatever the pages hold.
    struct Entry {
        const TBayerTreeNode* page;
        int level;
    };
    std::vector<Entry> stack{{root, 1}};
    int leafLevel = 0;
    int keys = 0;
    while (!stack.empty()) {
        const Entry e = stack.back();
        stack.pop_back();
        const int n = e.page->count();
        if (n < 1 || n > TBayerTreeNode::kMaxKeys) return reason::pageCount(n);
        if (e.level > 1 && n < TBayerTree::kMinKeys) return reason::tooFew;
        keys += n;
        int children = 0;
        for (int i = 0; i <= n; ++i) children += e.page->child(i) ? 1 : 0;
        if (children == 0) {
            if (leafLevel == 0) leafLevel = e.level;
            if (leafLevel != e.level) return reason::leafLevels;
            continue;
        }
        if (children != n + 1) return reason::missingChild;
        if (e.level == TBayerTree::kMaxLevels) return reason::tooDeep;
        for (int i = n; i >= 0; --i) stack.push_back({e.page->child(i), e.level + 1});
    }
    if (keys != count) return reason::wrongCount;

    // Keys: one class (the required one, if any), an order within it, and
    // strictly ascending from the leftmost to the rightmost key. The shape is
    // sound by now, so there are at most 124 keys.
    const std::vector<const TBase*> inOrder = keysInOrder(root);
    const TBase& first = *inOrder.front();
    for (const TBase* key : inOrder) {
        if (!key->sameClass(first)) return reason::mixedClasses;
    }
    if (keyClass && !sameName(first.className(), keyClass->name))
        return reason::wrongClass(first.className(), keyClass->name);
    for (const TBase* key : inOrder) {
        if (key->compare(*key) != kEqual) return reason::noOrder(first.className());
    }
    // Every pair, not only neighbours: an order that is not transitive would
    // let a search miss a stored key. At most 124 keys, so this stays cheap.
    for (std::size_t j = 1; j < inOrder.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            const std::int32_t forward = inOrder[i]->compare(*inOrder[j]);
            const std::int32_t backward = inOrder[j]->compare(*inOrder[i]);
            if (!isOrderResult(forward) || !isOrderResult(backward))
                return reason::noOrder(first.className());
            if (forward != kLess || backward != kGreater) return reason::notAscending;
        }
    }
    return "";
}

// An observer that shows nothing, for operations run without one.
BayerObserver& silentObserver() {
    static BayerObserver silent;
    return silent;
}

}  // namespace

TBayerTree::TBayerTree(const ClassInfo* keyClass) : keyClass_(keyClass) {}

TBayerTree::~TBayerTree() = default;

int TBayerTree::depth() const {
    int levels = 0;
    for (const TBayerTreeNode* page = root_.get(); page; page = page->child(0)) ++levels;
    return levels;
}

void TBayerTree::clear() {
    root_.reset();
    count_ = 0;
}

std::string TBayerTree::keyText(const TBase& key) {
    if (auto* v = dynamic_cast<const TInteger*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TLongint*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TInt64*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TByte*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TWord*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TTColor*>(&key)) return std::to_string(v->getValue());
    if (auto* v = dynamic_cast<const TString*>(&key)) return cp1252::toUtf8(v->getValue());
    if (auto* v = dynamic_cast<const TChar*>(&key))
        return cp1252::toUtf8(std::string(1, v->getValue()));
    return std::string(key.className());
}

TBayerTree::PageSearch TBayerTree::searchPage(const TBayerTreeNode& page, const TBase& x) {
    int left = 1;
    int right = page.count();
    int k = 0;
    bool found = false;
    do {
        k = (left + right) / 2;
        const std::int32_t c = page.key(k).compare(x);
        if (c == kLess) {
            left = k + 1;
        } else if (c == kGreater) {
            right = k - 1;
        } else if (c == kEqual) {
            found = true;
        } else {
            ::fatalStop(kNoOrder);
        }
    } while (!(right < left || found));
    return found ? PageSearch{true, k - 1} : PageSearch{false, right};
}

const TBase* TBayerTree::lookUp(const TBase& x) const {
    const TBayerTreeNode* page = root_.get();
    while (page) {
        const PageSearch s = searchPage(*page, x);
        if (s.found) return &page->key(s.pos + 1);
        page = page->child(s.pos);
    }
    return nullptr;
}

std::unique_ptr<TBase> TBayerTree::copy() const {
    auto tree = std::make_unique<TBayerTree>(keyClass_);
    if (root_) tree->root_ = root_->copyPage();
    tree->count_ = count_;
    return tree;
}

void TBayerTree::requireKeyClass(const TBase& x) const {
    if (keyClass_ && !sameName(x.className(), keyClass_->name)) ::fatalStop(kNoOrder);
}

TBayerTree::InsertResult TBayerTree::insert(std::unique_ptr<TBase> x, BayerObserver* observer) {
    BayerObserver& show = observer ? *observer : silentObserver();
    requireKeyClass(*x);
    ++count_;

    // Descent: the pages from the root to the leaf, each with the child
    // position taken. allFull stays true only when every page on the path is
    // full, which is when a split would climb to the root.
    struct Step {
        TBayerTreeNode* page;
        int pos;
        BayerPath at;
    };
    std::vector<Step> path;
    bool allFull = true;
    BayerPath at;
    for (TBayerTreeNode* a = root_.get(); a;) {
        if (a->count_ < TBayerTreeNode::kMaxKeys) allFull = false;
        const PageSearch s = searchPage(*a, *x);
        if (s.found) {
            --count_;
            return InsertResult::Duplicate;  // x is freed here
        }
        path.push_back({a, s.pos, at});
        at = at.child(s.pos);
        a = a->childSlot(s.pos).get();
    }

    // Ascent: the item u = (key, child) goes into the page above, splitting
    // full pages on its way, until a page has room or a new root is needed.
    BayerItem u{std::move(x), nullptr};
    for (int depth = static_cast<int>(path.size()); depth >= 1; --depth) {
        TBayerTreeNode& a = *path[depth - 1].page;
        const int pos = path[depth - 1].pos;
        const BayerPath& aAt = path[depth - 1].at;
        if (a.count_ < TBayerTreeNode::kMaxKeys) {
            for (int i = a.count_; i >= pos + 1; --i) a.item(i + 1) = std::move(a.item(i));
            a.item(pos + 1) = std::move(u);
            ++a.count_;
            show.keyPlaced(a, aAt, pos + 1, *a.item(pos + 1).key);
            return InsertResult::Inserted;
        }
        if (depth == kMaxLevels && allFull) {
            // Nothing has changed yet: the refusal comes at the leaf, before
            // any split.
            --count_;
            userMessages().information("Einfügen von " + keyText(*u.key) +
                                       " nicht möglich, da Baumtiefe zu groß würde");
            return InsertResult::Refused;  // u's key is freed here
        }
        show.fullPageReached(a, aAt, *u.key);

        // Split: the five items in order, a keeps the first two, a new page
        // takes the last two, the middle one moves up.
        std::array<BayerItem, 5> five;
        int i = 1;
        int n = 0;
        while (i <= TBayerTreeNode::kMaxKeys && a.item(i).key->compare(*u.key) == kLess)
            five[n++] = std::move(a.item(i++));
        five[n++] = std::move(u);
        while (i <= TBayerTreeNode::kMaxKeys) five[n++] = std::move(a.item(i++));

        a.item(1) = std::move(five[0]);
        a.item(2) = std::move(five[1]);
        a.count_ = 2;  // items 3 and 4 were moved out and are empty
        TBayerTreeNode::Items right;
        right[0] = std::move(five[3]);
        right[1] = std::move(five[4]);
        auto b = std::make_unique<TBayerTreeNode>(2, std::move(five[2].child), std::move(right));
        const std::array<const TBase*, 5> keys{&a.key(1), &a.key(2), five[2].key.get(), &b->key(1),
                                               &b->key(2)};
        const TBayerTreeNode& bRef = *b;
        u = BayerItem{std::move(five[2].key), std::move(b)};
        show.pageSplit(aAt, keys, a, bRef);
    }

    // The only way the tree gains a level.
    const bool wasEmpty = root_ == nullptr;
    TBayerTreeNode::Items items;
    items[0] = std::move(u);
    root_ = std::make_unique<TBayerTreeNode>(1, std::move(root_), std::move(items));
    show.rootCreated(root_->key(1), wasEmpty);
    return InsertResult::Inserted;
}

bool TBayerTree::remove(const TBase& x, BayerObserver* observer) {
    BayerObserver& show = observer ? *observer : silentObserver();

    // Descent to the page that holds x; `path` keeps the pages above it with
    // the child position taken, for the repairs on the way back.
    struct Step {
        TBayerTreeNode* page;
        int pos;
        BayerPath at;
    };
    std::vector<Step> path;
    BayerPath at;
    TBayerTreeNode* a = root_.get();
    PageSearch s{false, 0};
    while (a) {
        s = searchPage(*a, x);
        if (s.found) break;
        path.push_back({a, s.pos, at});
        at = at.child(s.pos);
        a = a->childSlot(s.pos).get();
    }
    if (!a) return false;

    --count_;
    const int slot = s.pos + 1;
    bool h = false;  // the page just left holds fewer than 2 keys
    TBayerTreeNode* q = a->childSlot(s.pos).get();
    if (!q) {
        a->item(slot).key.reset();
        for (int i = slot; i < a->count_; ++i) a->item(i) = std::move(a->item(i + 1));
        --a->count_;
        h = a->count_ < kMinKeys;
        show.leafKeyRemoved(*a, at, slot, x, h);
    } else {
        show.innerKeyFound(*a, at, slot, x);
        // The predecessor: the last key of the page reached from q through
        // last children. `down` keeps the pages passed with the position of
        // their last child at entry, for the repairs on the way back.
        std::vector<Step> down;
        TBayerTreeNode* p = q;
        BayerPath pAt = at.child(s.pos);
        while (p->item(p->count_).child) {
            down.push_back({p, p->count_, pAt});
            pAt = pAt.child(p->count_);
            p = p->item(p->count_).child.get();
        }
        const int pSlot = p->count_;
        a->item(slot).key = std::move(p->item(pSlot).key);  // frees the found key
        --p->count_;
        h = p->count_ < kMinKeys;
        show.predecessorMoved(*a, at, slot, *p, pAt, pSlot, a->key(slot), h);
        for (auto it = down.rbegin(); it != down.rend() && h; ++it)
            h = repairUnderflow(*it->page, it->pos, it->at, show);
        if (h) h = repairUnderflow(*a, s.pos, at, show);
    }
    for (auto it = path.rbegin(); it != path.rend() && h; ++it)
        h = repairUnderflow(*it->page, it->pos, it->at, show);

    // An emptied root: a leaf leaves the tree empty; after a merge of its last
    // two children the merged page, always its leftmost child, takes its place.
    if (root_->count_ == 0) {
        std::unique_ptr<TBayerTreeNode> old = std::move(root_);
        root_ = std::move(old->leftmost_);
    }
    return true;
}

bool TBayerTree::repairUnderflow(TBayerTreeNode& c, int s, const BayerPath& cAt,
                                 BayerObserver& observer) {
    using Kind = BayerRepair::Kind;
    TBayerTreeNode& a = *c.childSlot(s);
    const int cCount = c.count_;
    if (s < c.count_) {
        TBayerTreeNode& b = *c.childSlot(s + 1);
        const int bCount = b.count_;
        if (b.count_ > kMinKeys) {
            // Borrow from the right: the parent key comes down into a, b's
            // first key goes up in its place.
            a.item(2) = BayerItem{std::move(c.item(s + 1).key), std::move(b.leftmost_)};
            a.count_ = 2;
            c.item(s + 1).key = std::move(b.item(1).key);
            b.leftmost_ = std::move(b.item(1).child);
            for (int i = 1; i < b.count_; ++i) b.item(i) = std::move(b.item(i + 1));
            --b.count_;
            observer.underflowRepaired({Kind::BorrowRight, c, cAt, s, a, b, cCount, bCount});
            return false;
        }
        // Merge with the right: a takes the parent key and both keys of b.
        a.item(2) = BayerItem{std::move(c.item(s + 1).key), std::move(b.leftmost_)};
        a.item(3) = std::move(b.item(1));
        a.item(4) = std::move(b.item(2));
        a.count_ = 4;
        b.count_ = 0;
        std::unique_ptr<TBayerTreeNode> gone = std::move(c.item(s + 1).child);
        for (int i = s + 1; i < c.count_; ++i) c.item(i) = std::move(c.item(i + 1));
        --c.count_;
        observer.underflowRepaired({Kind::MergeRight, c, cAt, s, a, b, cCount, bCount});
        return c.count_ < kMinKeys;
    }
    TBayerTreeNode& b = *c.childSlot(s - 1);
    const int bCount = b.count_;
    if (b.count_ > kMinKeys) {
        // Borrow from the left: a's key moves to slot 2, the parent key comes
        // down into slot 1, b's last key goes up in its place.
        a.item(2) = std::move(a.item(1));
        a.item(1) = BayerItem{std::move(c.item(s).key), std::move(a.leftmost_)};
        a.leftmost_ = std::move(b.item(b.count_).child);
        a.count_ = 2;
        c.item(s).key = std::move(b.item(b.count_).key);
        --b.count_;
        observer.underflowRepaired({Kind::BorrowLeft, c, cAt, s, a, b, cCount, bCount});
        return false;
    }
    // Merge with the left: b takes the parent key and a's key.
    b.item(3) = BayerItem{std::move(c.item(s).key), std::move(a.leftmost_)};
    b.item(4) = std::move(a.item(1));
    b.count_ = 4;
    a.count_ = 0;
    std::unique_ptr<TBayerTreeNode> gone = std::move(c.item(s).child);
    --c.count_;
    observer.underflowRepaired({Kind::MergeLeft, c, cAt, s, a, b, cCount, bCount});
    return c.count_ < kMinKeys;
}

std::string TBayerTree::problem() const { return checkPages(root_.get(), count_, keyClass_); }

void TBayerTree::saveTo(TWriter& writer) const {
    // Pre-order with an explicit stack: children are pushed last first so the
    // leftmost one is written first.
    std::vector<const TBayerTreeNode*> stack;
    if (root_) stack.push_back(root_.get());
    while (!stack.empty()) {
        const TBayerTreeNode* page = stack.back();
        stack.pop_back();
        writer.writeInteger(page->count());
        writer.writeBoolean(page->child(0) != nullptr);
        for (int i = 1; i <= page->count(); ++i) {
            saveElement(writer, page->key(i));
            writer.writeBoolean(page->child(i) != nullptr);
        }
        for (int i = page->count(); i >= 0; --i) {
            if (const TBayerTreeNode* child = page->child(i)) stack.push_back(child);
        }
    }
}

void TBayerTree::loadFrom(TReader& reader) {
    clear();
    if (reader.atEnd()) return;  // what an empty tree writes

    // Pre-order with an explicit stack of the slots still to be filled. A page
    // on the third level that announces children is refused before anything
    // below it is read, and no count outside 1..4 reaches a page, so no slot
    // beyond the fourth is ever written.
    std::unique_ptr<TBayerTreeNode> top;
    int total = 0;
    struct Pending {
        std::unique_ptr<TBayerTreeNode>* slot;
        int level;
    };
    std::vector<Pending> pending{{&top, 1}};
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        const std::int32_t n = reader.readInteger();
        if (n < 1 || n > TBayerTreeNode::kMaxKeys)
            throw FileError(kFilePrefix + reason::pageCount(n));
        const bool hasLeftmost = reader.readBoolean();
        TBayerTreeNode::Items items;
        std::array<bool, TBayerTreeNode::kMaxKeys> hasChild{};
        bool anyChild = hasLeftmost;
        for (int i = 0; i < n; ++i) {
            items[i].key = loadElement(reader);
            hasChild[i] = reader.readBoolean();
            anyChild = anyChild || hasChild[i];
        }
        if (anyChild && next.level == kMaxLevels)
            throw FileError(std::string(kFilePrefix) + reason::tooDeep);
        *next.slot = std::make_unique<TBayerTreeNode>(n, nullptr, std::move(items));
        TBayerTreeNode& page = **next.slot;
        total += n;
        for (int i = n; i >= 1; --i) {
            if (hasChild[i - 1]) pending.push_back({&page.item(i).child, next.level + 1});
        }
        if (hasLeftmost) pending.push_back({&page.leftmost_, next.level + 1});
    }
    const std::string problem = checkPages(top.get(), total, keyClass_);
    if (!problem.empty()) throw FileError(kFilePrefix + problem);
    root_ = std::move(top);
    count_ = static_cast<std::uint16_t>(total);
}

void TBayerTree::save(const std::string& fileName) const {
    saveToFile(fileName, [this](TWriter& writer) { saveTo(writer); });
}

void TBayerTree::load(const std::string& fileName) {
    clear();
    loadFromFile(fileName, [this](TReader& reader) {
        // The page refuses to save an empty tree, so an empty file is no tree
        // file: it fails like every other empty structure file.
        if (reader.atEnd()) throw FileError(errtext::readError);
        loadFrom(reader);
    });
}
