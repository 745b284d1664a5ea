// Handouts: the steps of one demonstration as a PDF to copy for a class. A
// handout runs the demonstration on a copy of the page's structure, so the
// page stays as it is, and takes from each step what "Weiter" shows there:
// the step text and the picture (the tree drawn from the step's values,
// standing still with what the step is about in bold and framed, or the sort
// window's three lists); it ends with the result. writePdf lays the steps out
// on A4 pages, eight to a page, in black on white, each picture scaled to fill
// its box, with page numbers; the file is written as safely as a structure
// file.
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo/sorts.h"
#include "demo/step.h"
#include "demo/steprecorder.h"
#include "demo/stepsource.h"
#include "demo/treepage.h"
#include "elements/drawingrecord.h"

class QPainter;
class TBayerTreeDemo;
class TListDemo;

namespace handout {

namespace text {
inline constexpr const char* result = "Ergebnis";
inline constexpr const char* step = "Schritt %1";
inline constexpr const char* page = "Seite %1 von %2";
inline constexpr const char* emptyTree = "(leerer Baum)";
inline constexpr const char* notWritten = "Das Handout konnte nicht geschrieben werden.";
inline constexpr const char* cancelled = "Das Handout wurde abgebrochen und nicht geschrieben.";
// The worksheet: the questions before each step, the solutions at the end.
inline constexpr const char* question = "Frage %1 (vor Schritt %2): %3";
inline constexpr const char* questionBeforeResult = "Frage %1 (vor dem Ergebnis): %2";
inline constexpr const char* answerLine = "Antwort: ______________________________";
inline constexpr const char* solutions = "Lösungen";
inline constexpr const char* solution = "Richtig: %1) %2 – %3";
// The menus beside the handouts.
inline constexpr const char* worksheetCaption = "Als Arbeitsblatt mit &Fragen speichern…";
inline constexpr const char* worksheetTreeHint =
    "Schreibt alle Schritte mit den Fragen der Vorhersagen als PDF-Arbeitsblatt, die Lösungen "
    "am Ende";
inline constexpr const char* worksheetSortHint =
    "Schreibt alle Schritte eines Sortierverfahrens mit den Fragen der Vorhersagen als "
    "PDF-Arbeitsblatt, die Lösungen am Ende";
}  // namespace text

// One list of the sort window at a step: its caption and its lines.
struct Column {
    QString title;
    QStringList lines;
    int more = 0;  // lines of the list left out after these
};

// One step, or the result at the end: the text of the info field and either
// the tree's picture for paper (trees) or the three lists (sorts).
struct Step {
    QString text;
    DrawingRecord drawing;
    std::vector<Column> columns;
    bool result = false;
    // What the window shows of the step, for the animation and the web page:
    // the picture in each blink phase (one record when it stands still) of
    // width x height pixels, in the screen's colours: the tree page's image,
    // or the sort window's lists drawn as text (listsDrawing); and the marked
    // lines of the "Algorithmus" panel.
    std::vector<DrawingRecord> phases;
    int width = 0;
    int height = 0;
    CodeMarks marks;
    // The questions the mode "Vorhersagen" asks before the step.
    std::vector<Question> questions;
};

// The size of the sort window's three lists drawn as one picture, and that
// picture: each list under its caption, up to kListLines lines, then how
// many more there are.
inline constexpr int kListsWidth = 840;
inline constexpr int kListsHeight = 440;
DrawingRecord listsDrawing(const std::vector<Column>& columns);

struct Document {
    QString title;   // operation and value, e.g. "AVL-Baum: Einfügen von 2"
    QDateTime made;  // shown below the title
    std::vector<Step> steps;
    // The steps the demonstration had when the handout shows only the first
    // of them (0: all are shown).
    int stepsInAll = 0;
    // A worksheet: before each step its questions with their answers to
    // choose from and a line for the answer, one step to a row across the
    // page; the solutions (question, correct answer, why) on the last pages.
    // The web page asks them before their steps.
    bool withQuestions = false;
};

// What a demonstration is written as: the PDF handout, the animated GIF
// (ui/pages/animation.h), the web page (ui/pages/webexport.h).
// The worksheet is the PDF handout with the questions (Document::withQuestions).
enum class Kind { pdf, animation, webpage, worksheet };

// The file dialog's extension and filter of handouts.
inline constexpr const char* extension = "pdf";
inline constexpr const char* filter = "PDF-Dokumente (*.pdf)|*.pdf";

// Steps per page: two columns of four rows, the title taking one row of the
// first page; and the most pages a handout has without asking.
inline constexpr int kColumns = 2;
inline constexpr int kRows = 4;
inline constexpr int kMostPages = 60;
// The pages a handout of that many steps (the result included) fills.
int pagesFor(int steps);
// The most steps (the result included) that fit on that many pages.
int stepsOn(int pages);

// What writing a handout came to.
struct Written {
    bool ok = false;
    bool cancelled = false;
    std::string why;  // German, when not ok and not cancelled
};
// Writes the document into the file, which is replaced only when the whole
// PDF is ready and written; progress gets the number of steps laid out so far
// and may answer false to stop (nothing is written then).
Written writePdf(const Document& document, const std::string& fileName,
                 const std::function<bool(int)>& progress = {});
// The text of a question block of the worksheet: the question (before step
// `number`, or before the result), the answers as "1) …   2) …", the
// answer line; and the solution's line.
QString questionText(const Question& question, int questionNumber, int stepNumber, bool result);
QString answersText(const Question& question);
QString solutionText(const Question& question);
// The layout of writePdf on any paint device: pages of pageSize device
// pixels, newPage starting the next one (false: stop).
bool layOut(const Document& document, QPainter& painter, QSize pageSize,
            const std::function<bool()>& newPage, const std::function<bool(int)>& progress = {});

// The handout steps of a tree demonstration's steps, its result last.
std::vector<Step> treeSteps(RecordedSteps& steps);

// The TreePage of a copied "Suchbaum" or "AVL-Baum" tree: an image of the
// page's size that records what is drawn, and fields that keep their text.
class CopyPage final : public TreePage {
public:
    CopyPage(QSize imageSize, const std::string& entry);

    Surface& image() override { return image_; }
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return &balanced_; }
    DrawingRecord shownPicture() const override { return image_.record(); }

private:
    DrawingRecorder image_;
    TextField info_, entry_, depth_, count_, balanced_;
};

// The steps of inserting (or deleting) the number in entry into a copy of the
// search or AVL tree, as its Insert (Delete) button shows them, messages of
// refused entries included; empty when the entry was refused.
template <typename Tree>
std::vector<Step> recordTreeSteps(const Tree& tree, QSize imageSize, const std::string& entry,
                                  bool insert) {
    CopyPage page(imageSize, entry);
    Tree copy(page);
    if (tree.root) copy.root = tree.root->copySubtree();
    copy.zeichne();
    const std::unique_ptr<RecordedSteps> steps = copy.insdel(insert);
    return steps ? treeSteps(*steps) : std::vector<Step>{};
}

// The same for the B-tree: value has been checked by the page (a number, and
// present for a deletion, absent for an insertion).
std::vector<Step> recordBayerSteps(const TBayerTreeDemo& tree, QSize imageSize, int value,
                                   bool insert);

// One sort of a copy of the list, its steps taken as handout steps: at most
// `most` steps are kept (the sort goes on without keeping them); the result
// is the sorted list. titles are the three captions during the sort (null:
// "Quelle und Ziel", "", "").
class SortRecording {
public:
    SortRecording(TListDemo& list, SortKind kind, const char* const* titles, int most);
    ~SortRecording();

    // Takes the next step; false at the end of the sort.
    bool next();
    // The steps taken, kept or not.
    int taken() const { return taken_; }
    // The sort has ended.
    bool done() const { return done_; }
    // The kept steps and, last, the result: the sort finished at once from
    // where it stands.
    std::vector<Step> finish();

private:
    Step stepOf(const ::Step& shown, bool result) const;

    std::unique_ptr<TListDemo> copy_;
    std::unique_ptr<SortRun> run_;
    QString names_[3];
    int most_;
    int taken_ = 0;
    bool done_ = false;
    std::vector<Step> kept_;
};

// "Erstellt am 08.12.2026 um 09:15 Uhr".
QString madeLine(const QDateTime& made);

}  // namespace handout
