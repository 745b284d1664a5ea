// Question: what a demonstration asks a student before one of its steps, in
// the mode "Vorhersagen": a German question with 2 to 5 distinct answers, the
// one the algorithm takes next marked correct, and a sentence that says why.
// Where the answers are nodes or keys of the tree picture, each answer's
// place in the picture lets the student answer with a click.
//
// A demonstration makes its questions from the real algorithm while it runs
// (the tree demonstrations from the reported pointer changes, the sorts from
// the state at each step), so the correct answer is exactly what the next
// step shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Question {
    // A clickable place of an answer: the centre of a node or key, in the
    // picture's own coordinates.
    struct Place {
        int x = 0;
        int y = 0;
        int answer = 0;
        bool operator==(const Place&) const = default;
    };

    std::string text;
    std::vector<std::string> answers;
    int correct = 0;
    std::string why;
    std::vector<Place> places;

    bool operator==(const Question&) const = default;

    // The answer whose place lies within radius pixels of (x, y), the
    // nearest one first.
    std::optional<int> answerAt(int x, int y, int radius = 14) const;
};

// Builds a question from candidate answers in their natural order (keys
// ascending, the rotations as named): at most five, around the correct one,
// without repeats. Each candidate may carry a place in the picture.
class QuestionBuilder {
public:
    QuestionBuilder(std::string text, std::string why)
        : text_(std::move(text)), why_(std::move(why)) {}
    // A candidate; returns *this. Repeated answer texts are left out.
    QuestionBuilder& add(std::string answer, bool correct = false,
                         std::optional<Question::Place> place = std::nullopt);
    // The question; nothing when fewer than two distinct answers or no
    // correct one remain.
    std::optional<Question> build() const;

private:
    struct Candidate {
        std::string answer;
        bool correct;
        std::optional<Question::Place> place;
    };
    std::string text_;
    std::string why_;
    std::vector<Candidate> candidates_;
};

namespace predicttext {
inline constexpr const char* right = "Richtig";
inline constexpr const char* wrong = "Leider falsch: richtig ist ";
inline constexpr const char* notRight = "Nicht richtig";
// "3 von 4 richtig"
std::string score(int right, int asked);
// The summary once a demonstration with questions has ended.
std::string summary(int right, int asked);
}  // namespace predicttext
