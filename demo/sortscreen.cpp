#include "demo/sortscreen.h"

#include "linear/liste.h"

namespace {

constexpr const char* kLevelPrefix[] = {
    "Anwendung auf die Ursprungsliste: ", "Anwendung auf eine obere Teilliste: ",
    "Anwendung auf eine untere Teilliste: "};

}  // namespace

SortScreen::SortScreen(std::shared_ptr<const ListView> quelle) { memos_[0] = std::move(quelle); }

void SortScreen::show(int memo, TListe& list, bool markRuns, int first, int last) {
    auto view = std::make_shared<const ListView>(viewList(list, texts_, markRuns, first, last));
    std::shared_ptr<const ListView>& shown = memos_[static_cast<std::size_t>(memo)];
    // A list shown again unchanged keeps its view: the steps share it.
    if (!shown || !(*shown == *view)) shown = std::move(view);
}

void SortScreen::showLists(const SortStepView& view) {
    if (view.source) show(0, *view.source, view.markRuns, view.first, view.last);
    if (view.aux1) show(1, *view.aux1, view.markRuns, view.first, view.last);
    if (view.aux2) show(2, *view.aux2, view.markRuns, view.first, view.last);
}

bool SortScreen::step(std::string_view message, const SortStepView& view) {
    asked_ = std::move(questions_);
    questions_.clear();
    if (ending_ && !view.always) return false;
    if (view.level >= 0) {
        level_ = view.level;
        clear(1);
        clear(2);
    }
    if (view.showBefore) showLists(view);
    info_ = view.prefixed && level_ >= 0 && level_ <= 2 ? kLevelPrefix[level_] : "";
    info_.append(message);
    if (ending_) {
        // Passes by without waiting.
        if (!view.showBefore) showLists(view);
        return false;
    }
    if (!view.showBefore) after_ = view;
    return true;
}

void SortScreen::afterWait() {
    if (!after_) return;
    const SortStepView view = *after_;
    after_.reset();
    showLists(view);
}

void SortScreen::ask(std::optional<Question> question) {
    if (question && !ending_) questions_.push_back(std::move(*question));
}

Step SortScreen::snapshot() const { return Step{info_, trace_.marks(), {}, {}, memos_, asked_}; }
