#include "demo/question.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

std::optional<int> Question::answerAt(int x, int y, int radius) const {
    std::optional<int> best;
    long bestDistance = 0;
    for (const Place& place : places) {
        const long dx = place.x - x;
        const long dy = place.y - y;
        const long d = dx * dx + dy * dy;
        if (d > static_cast<long>(radius) * radius) continue;
        if (!best || d < bestDistance) {
            best = place.answer;
            bestDistance = d;
        }
    }
    return best;
}

QuestionBuilder& QuestionBuilder::add(std::string answer, bool correct,
                                      std::optional<Question::Place> place) {
    auto same = std::find_if(candidates_.begin(), candidates_.end(),
                             [&](const Candidate& c) { return c.answer == answer; });
    if (same != candidates_.end()) {
        // The correct answer wins over a wrong one with the same text.
        if (correct) {
            same->correct = true;
            if (place) same->place = place;
        }
        return *this;
    }
    candidates_.push_back({std::move(answer), correct, place});
    return *this;
}

std::optional<Question> QuestionBuilder::build() const {
    constexpr int kMost = 5;
    const auto found = std::find_if(candidates_.begin(), candidates_.end(),
                                    [](const Candidate& c) { return c.correct; });
    if (found == candidates_.end() || candidates_.size() < 2) return std::nullopt;
    const int n = static_cast<int>(candidates_.size());
    const int k = static_cast<int>(found - candidates_.begin());
    // A window of at most five around the correct one, where it can stand
    // anywhere in the window: the window starts up to two before it.
    int first = std::max(0, k - 2);
    first = std::min(first, std::max(0, n - kMost));
    const int last = std::min(n, first + kMost);
    Question q;
    q.text = text_;
    q.why = why_;
    for (int i = first; i < last; ++i) {
        const Candidate& c = candidates_[static_cast<std::size_t>(i)];
        const int index = static_cast<int>(q.answers.size());
        if (c.correct) q.correct = index;
        if (c.place) q.places.push_back({c.place->x, c.place->y, index});
        q.answers.push_back(c.answer);
    }
    return q;
}

namespace predicttext {

std::string score(int right, int asked) {
    return std::to_string(right) + " von " + std::to_string(asked) + " richtig";
}

std::string summary(int right, int asked) {
    if (asked == 0) return {};
    std::string s = "Vorhersagen: " + score(right, asked);
    if (right == asked) {
        s += " - alles richtig vorhergesagt!";
    } else if (2 * right >= asked) {
        s += " - gut; die falschen Schritte sind in der Liste markiert.";
    } else {
        s += " - sieh dir die markierten Schritte mit \"Zurück\" noch einmal an.";
    }
    return s;
}

}  // namespace predicttext
