// StepRecorder: where a tree demonstration takes its steps. While the tree
// operation runs on the real tree, at once and to its end, the recorder stands
// in for the page: its image keeps the drawing calls (PictureRecorder), its
// info, depth, count and balanced fields keep their texts, and its trace keeps
// the marked pseudo-code lines (MarkTrace). Where the demonstration shows a
// step that waits for "Weiter", it calls step(): the recorder takes a Step of
// all the page shows then, the blinking figure drawn once in each phase.
// finish() hands the steps over for playing, with the end: what the page
// shows once the operation is over.
//
// recordBlink and clearImage are the step forms of the search tree and AVL
// tree demonstrations: a number, a line or both blinking until "Weiter", or a
// line erased at once; and the blanking of the image.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo/algorithmtrace.h"
#include "demo/step.h"
#include "demo/stepsource.h"
#include "demo/treepage.h"

// The Surface of a recorded page image: it keeps the drawing calls since the
// image was last blanked as shared pieces, so that each step holds its
// picture without a copy of the whole drawing; between beginFigure and
// endFigure the calls draw a step's figure, once per blink phase.
class PictureRecorder final : public Surface {
public:
    // An image of the given size showing `shown`, the calls since it was
    // last blanked.
    PictureRecorder(int width, int height, const DrawingRecord& shown);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setFontName(std::string_view name) override { state_.setFontName(name); }
    void setFontSize(int points) override { state_.setFontSize(points); }
    void setFontBold(bool bold) override { state_.setFontBold(bold); }
    void setFontColor(Color color) override { state_.setFontColor(color); }
    void setPenColor(Color color) override { state_.setPenColor(color); }
    void setBrushColor(Color color) override { state_.setBrushColor(color); }
    void textOut(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override { state_.moveTo(x, y); }
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;

    // The calls up to endFigure draw the figure in phase 0, after nextPhase
    // in phase 1.
    void beginFigure();
    void nextPhase();
    // The picture with the figure; the image goes on as the figure left it in
    // phase 1.
    StepPicture endFigure(int shownPhase);
    // The picture as it stands, without a figure.
    StepPicture still();
    // The calls the image shows now, as one record.
    DrawingRecord record() const;

private:
    void add(DrawingOp op);
    // The canvas as shared pieces: the calls not yet in a piece become one.
    std::vector<SharedOps> canvas();

    int width_;
    int height_;
    DrawingState state_;
    std::vector<SharedOps> pieces_;
    std::vector<DrawingOp> open_;
    int phase_ = -1;  // -1: the calls go to the canvas
    std::array<std::vector<DrawingOp>, 2> figure_;
};

// The "Algorithmus" panel's part of a recording: the procedures entered and
// their marked lines, as the panel would show them.
class MarkTrace final : public AlgorithmTrace {
public:
    void enter(Procedure procedure) override { frames_.push_back({procedure, -1}); }
    void mark(Line line) override;
    void leave() override;
    // The frames now; once all are left, the outermost procedure without a
    // mark (the panel keeps showing the last procedure).
    const CodeMarks& marks() const { return frames_.empty() ? last_ : frames_; }

private:
    CodeMarks frames_;
    CodeMarks last_;
};

// A TextOutput that keeps its text (the fields of a recorded page).
class TextField final : public TextOutput {
public:
    void addLine(std::string_view utf8) override;
    void appendText(std::string_view utf8) override { text_ += utf8; }
    void setText(std::string_view utf8) override { text_ = utf8; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

class StepRecorder final : public TreePage {
public:
    // A page whose image of width x height shows `shown` and whose fields
    // show `fields`; withBalanced when the page has the balanced field.
    StepRecorder(int width, int height, const DrawingRecord& shown, const PageFields& fields,
                 bool withBalanced);

    Surface& image() override { return picture_; }
    TextOutput& infoField() override { return info_; }
    // The entry is read from the real page before a demonstration; empty.
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return withBalanced_ ? &balanced_ : nullptr; }
    AlgorithmTrace& trace() override { return trace_; }
    DrawingRecord shownPicture() const override { return picture_.record(); }

    // A step waits: the info field shows text (an empty text leaves it as it
    // is), and drawFigure(color) draws the blinking figure, in phase 0 with
    // first and in phase 1 with second; the image keeps it as drawn in
    // phase 1.
    void step(std::string_view text, const std::function<void(Color)>& drawFigure, Color first,
              Color second);

    // A question asked before the next step (or, when no step follows, before
    // the end is shown).
    void ask(Question question) { questions_.push_back(std::move(question)); }

    int stepCount() const { return static_cast<int>(steps_.size()); }
    // The steps, and as their end what the page shows now.
    std::unique_ptr<RecordedSteps> finish();

private:
    PageFields fields() const;

    PictureRecorder picture_;
    TextField info_, entry_, depth_, count_, balanced_;
    bool withBalanced_;
    MarkTrace trace_;
    std::vector<Step> steps_;
    std::vector<Question> questions_;
};

// The step form of the search and AVL tree demonstrations. Shows text in the
// info field (unless empty), then:
// - value absent and endVisible false: erases the line (x1, y1)-(x2, y2) at
//   once (button face); no step;
// - otherwise a step whose figure is the line (if blinkLine) and the value
//   written at (x2, y2): button face in phase 0 and black in phase 1 when
//   endVisible, else black first; the image keeps it as phase 1 left it.
void recordBlink(StepRecorder& page, std::string_view text, std::optional<std::int32_t> value,
                 int x1, int y1, int x2, int y2, bool blinkLine, bool endVisible);

// Fills the whole image with the button-face colour, which stays the brush
// colour afterwards (the background of the numbers written later).
void clearImage(Surface& image);
