// Handouts: the steps of one demonstration as a PDF to print. A handout runs
// the demonstration on a copy of the page's structure with a HandoutClock,
// so it never waits and the page stays as it is, and takes at every waiting
// point what "Weiter" would show there: the step text and the picture (the
// tree image, or the sort window's three lists). writeHandoutPdf lays the
// steps out on A4 pages, six to a page, in black on white.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo/treepage.h"
#include "elements/platform.h"
#include "ui/platform/handoutclock.h"
#include "ui/platform/imagesurface.h"
#include "ui/widgets/zoomsurface.h"

class QPainter;
class SortStage;
class TBayerTreeDemo;
class TListDemo;

namespace handout {

// One list of the sort window at a step: its caption and its lines.
struct Column {
    QString title;
    QStringList lines;
    int more = 0;  // lines of the list left out after these
};

// One waiting point: the text of the info field and either the page image
// at kPictureZoom (trees) or the three lists (sorts).
struct Step {
    QString text;
    QImage picture;
    std::vector<Column> columns;
};

struct Document {
    QString title;   // operation and value, e.g. "AVL-Baum: Einfügen von 2"
    QDateTime made;  // shown below the title
    std::vector<Step> steps;
};

// The file dialog's extension and filter of handouts.
inline constexpr const char* extension = "pdf";
inline constexpr const char* filter = "PDF-Dokumente (*.pdf)|*.pdf";

// Writes the document; progress gets the number of steps laid out so far and
// may answer false to stop (nothing useful is left then). False when the
// file cannot be written or the writing was stopped.
bool writePdf(const Document& document, const QString& fileName,
              const std::function<bool(int)>& progress = {});
// The layout of writePdf on any paint device: pages of pageSize device
// pixels, newPage starting the next one (false: stop).
bool layOut(const Document& document, QPainter& painter, QSize pageSize,
            const std::function<bool()>& newPage, const std::function<bool(int)>& progress = {});

// A TextOutput that keeps its text: the fields of a handout's copy.
class StringOutput final : public TextOutput {
public:
    void addLine(std::string_view utf8) override;
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override { text_ = utf8; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

// Every pixel the darker of the two: the picture of a step whose figure is
// visible in one blink phase and erased in the other.
QImage darker(const QImage& a, const QImage& b);

// The pictures of a handout are drawn at this zoom, as the projector view
// draws them, so that they stay sharp on paper.
inline constexpr int kPictureZoom = 300;

// The TreePage of a copied "Suchbaum" or "AVL-Baum" tree: an image of the
// page's size drawn also at kPictureZoom, fields that keep their text, the
// handout clock, and the steps taken at its pauses.
class RecordingTreePage final : public TreePage {
public:
    RecordingTreePage(QSize imageSize, const std::string& entry);

    Surface& image() override { return zoomed_; }
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return &balanced_; }
    StepClock& clock() override { return clock_; }
    void lockControls(bool, int) override {}

    std::vector<Step> steps;

private:
    QImage image_;
    ImageSurface surface_;
    ZoomSurface zoomed_;
    StringOutput info_, entry_, depth_, count_, balanced_;
    HandoutClock clock_;
};

// The steps of inserting (or deleting) the number in entry into a copy of the
// search or AVL tree, as its Insert (Delete) button shows them, messages of
// refused entries included; empty when the entry was refused.
template <typename Tree>
std::vector<Step> recordTreeSteps(const Tree& tree, QSize imageSize, const std::string& entry,
                                  bool insert) {
    RecordingTreePage page(imageSize, entry);
    Tree copy(page);
    if (tree.root) copy.root = tree.root->copySubtree();
    copy.zeichne();
    copy.insdel(insert);
    return std::move(page.steps);
}

// The same for the B-tree: value has been checked by the page (a number, and
// present for a deletion, absent for an insertion).
std::vector<Step> recordBayerSteps(const TBayerTreeDemo& tree, QSize imageSize, int value,
                                   bool insert);

// The steps of one sort of a copy of the list; the window's stage lends the
// element class name. titles are the three captions during the sort (null:
// "Quelle und Ziel", "", ""). keepGoing gets the number of steps so far after
// every step; false ends the sort at once, and the result is then empty.
using SortRun = void (*)(TListDemo&, SortStage&);
std::vector<Step> recordSortSteps(TListDemo& list, SortRun sort, const SortStage& windowStage,
                                  const char* const* titles,
                                  const std::function<bool(int)>& keepGoing);

// "Erstellt am 08.12.2026 um 09:15 Uhr".
QString madeLine(const QDateTime& made);

}  // namespace handout
