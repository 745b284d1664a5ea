#include "demo/bayertreedemo.h"

#include <string>
#include <vector>

#include "demo/algorithmtrace.h"
#include "demo/bayerdisplay.h"
#include "demo/steprecorder.h"
#include "elements/integertext.h"
#include "elements/messages.h"
#include "elements/platform.h"
#include "elements/values.h"

namespace {

// Keeps the last information or error message instead of showing it; a fatal
// stop goes on to the sink it stands in for.
class KeptMessage final : public UserMessages {
public:
    explicit KeptMessage(UserMessages& outer) : outer_(outer) {}
    void information(std::string_view utf8) override { text.assign(utf8); }
    void error(std::string_view utf8) override { text.assign(utf8); }
    void fatalStop(std::string_view utf8) override { outer_.fatalStop(utf8); }

    std::string text;

private:
    UserMessages& outer_;
};

// Names the refusal's lines before the refusal is shown.
class RefusalLines final : public UserMessages {
public:
    RefusalLines(UserMessages& outer, TraceFrames& frames) : outer_(outer), frames_(frames) {}
    void information(std::string_view utf8) override {
        frames_.mark(Line::beTooDeep);
        frames_.mark(Line::beRefuse);
        outer_.information(utf8);
    }
    void error(std::string_view utf8) override { outer_.error(utf8); }
    void fatalStop(std::string_view utf8) override { outer_.fatalStop(utf8); }

private:
    UserMessages& outer_;
    TraceFrames& frames_;
};

void setDrawingFont(Surface& image) {
    image.setFontName("MS SANS SERIF");
    image.setFontSize(8);
    image.setFontColor(clBlack);
    image.setPenColor(clBlack);
}
}  // namespace

TBayerTreeDemo::TBayerTreeDemo() : TBayerTree(&TInteger::info) {}

std::unique_ptr<RecordedSteps> TBayerTreeDemo::finish(StepRecorder& page, bool redrawNeeded) const {
    if (redrawNeeded) {
        zeichne(page.image(), page.countField());
    } else {
        // The animated drawing already shows the tree as it is now.
        page.countField().setText(std::to_string(count()));
    }
    page.infoField().setText("");
    return page.finish();
}

std::unique_ptr<RecordedSteps> TBayerTreeDemo::insert(StepRecorder& page,
                                                      std::unique_ptr<TBase> x) {
    setDrawingFont(page.image());
    bool redrawNeeded = false;
    TraceFrames frames(page.trace());
    frames.enter(Procedure::bayerInsert);
    if (root() == nullptr) {
        frames.mark(Line::beIfEmpty);
        frames.mark(Line::beNewTree);
    } else {
        frames.mark(Line::beSearch);
    }
    BayerDisplay display(page, redrawNeeded, &frames);
    {
        RefusalLines refusal(userMessages(), frames);
        const ScopedUserMessages scope(refusal);
        TBayerTree::insert(std::move(x), &display);
    }
    frames.leaveAll();
    return finish(page, redrawNeeded);
}

std::string TBayerTreeDemo::insertQuietly(std::string_view entry) {
    const auto number = parseTreeNumber(entry);
    if (!number) return message::treeNumberRange;
    auto x = std::make_unique<TInteger>(*number);
    if (lookUp(*x)) return message::alreadyPresent;
    KeptMessage refusal(userMessages());
    const ScopedUserMessages scope(refusal);
    if (TBayerTree::insert(std::move(x)) == InsertResult::Refused) return refusal.text;
    return {};
}

std::unique_ptr<RecordedSteps> TBayerTreeDemo::remove(StepRecorder& page,
                                                      std::unique_ptr<TBase> x) {
    bool redrawNeeded = true;
    TraceFrames frames(page.trace());
    frames.enter(Procedure::bayerDelete);
    frames.mark(Line::blSearch);
    const TBayerTreeNode* const oldRoot = root();
    BayerDisplay display(page, redrawNeeded, &frames);
    const bool removed = TBayerTree::remove(*x, &display);
    if (removed && root() != oldRoot) {
        // The root emptied: a leaf leaves the tree empty, an inner page its
        // only child in its place.
        frames.mark(Line::blIfRootEmpty);
        frames.mark(Line::blCollapse);
    }
    frames.leaveAll();
    return finish(page, redrawNeeded);
}

void TBayerTreeDemo::zeichne(Surface& image, TextOutput& countField) const {
    clearImage(image);
    setDrawingFont(image);
    // Pre-order: a page, then its leftmost child, then its other children.
    struct Entry {
        const TBayerTreeNode* page;
        BayerPath at;
        BayerDisplay::Point parent;
        int position;
    };
    std::vector<Entry> stack;
    if (root()) stack.push_back({root(), BayerPath{}, {}, 0});
    while (!stack.empty()) {
        const Entry e = stack.back();
        stack.pop_back();
        const BayerDisplay::Point p = BayerDisplay::pagePosition(e.at, image.width());
        BayerDisplay::drawPage(image, *e.page, p, p.y <= 10 ? nullptr : &e.parent, e.position);
        if (e.at.length == BayerPath::kMaxSteps) continue;  // no level below the third
        for (int i = e.page->count(); i >= 0; --i) {
            if (const TBayerTreeNode* child = e.page->child(i))
                stack.push_back({child, e.at.child(i), p, i});
        }
    }
    countField.setText(std::to_string(count()));
}

void TBayerTreeDemo::showLookUp(std::string_view entry) const {
    if (entry.empty()) {
        userMessages().information(message::noEntry);
        return;
    }
    const auto number = readTreeNumber(entry);
    if (!number) return;
    const TInteger x(*number);
    userMessages().information(lookUp(x) ? message::present : message::absent);
}
