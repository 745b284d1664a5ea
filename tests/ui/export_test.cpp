// "Als Animation speichern…" of the tree pages: the steps of a demonstration,
// recorded on a copy like the handouts, as an animated GIF read back by
// ImageMagick: one frame per blink phase of each step of the "Weiter" run and
// one for the result, each standing as long as "Tempo" says (a blinking
// step's time shared by its two phases), each frame pixel for pixel the
// step's picture in that phase. On a full disk the old file stays and the
// user reads why.
#include <errno.h>

#include <QAction>
#include <QMenu>
#include <QSlider>

#include "demo/avltreedemo.h"
#include "demo/step.h"
#include "elements/stream.h"
#include "tests/trees/searchsupport.h"
#include "tests/ui/gifdecoder.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/animation.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/handout.h"
#include "ui/platform/picturefile.h"
#include "ui/widgets/imageview.h"
#include "workbench/structurepicture.h"

using Lines = std::vector<std::string>;

namespace {

const std::string kNoSpace = "Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar.";

class AvlExportTest : public treepagetest::TreePageFixture {
protected:
    AvlExportTest() : TreePageFixture("TabSheetAVLBaum", "EditAEingabe", "EditAinfo") {}

    void insert(std::initializer_list<int> values) {
        for (int v : values) enter("ButtonAInsert", QString::number(v));
    }
    TAvlTreeDemo& tree() { return form->avlTreePage().tree(); }
    std::string shape() { return searchtest::shape(tree().root.get()); }
    // The picture as the window draws it, independent of the animation's code.
    static QImage drawn(const DrawingRecord& record, int width, int height) {
        return picturefile::render(structurepicture::imagePicture(width, height, record), 1)
            .convertToFormat(QImage::Format_RGB888);
    }
};

// Every write of the disk fails as on a full disk, after half its bytes.
FileFault fullDisk(FileCall call) {
    return call == FileCall::write ? FileFault{ENOSPC, true} : FileFault{};
}

TEST_F(AvlExportTest, AnimationOfAnLRRotationHasAFramePerBlinkPhaseWithTheTempoDelays) {
    insert({3, 1});
    const std::string before = shape();
    const QImage pictureBefore = image("ImageABaum").copy();
    const int width = pictureBefore.width();
    const int height = pictureBefore.height();
    // "Tempo": 0.8 s per step.
    auto* speed = find<QSlider>("TrackBarASpeed");
    ASSERT_TRUE(speed);
    speed->setValue(8);
    ASSERT_EQ(player().playback().stepMs(), 800);

    // The entry in the picture's context menu, beside the handouts.
    auto* menu = find<QMenu>("ImageABaumAnimation");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), "Als A&nimation speichern…");
    EXPECT_TRUE(find<ImageView>("ImageABaum")->actions().contains(menu->menuAction()));
    QAction* entry = find<QAction>("ImageABaumGifEinfuegen");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "&Einfügen…");
    type("EditAEingabe", "2");
    const std::string file = path("lr.gif");
    dialogs.answers.push_back(file);
    const int phases = driver.phases;
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save gif GIF-Animation (*.gif)|*.gif"}));
    // Nothing was shown and the page stays as it was.
    EXPECT_EQ(driver.phases, phases);
    EXPECT_EQ(shape(), before);
    EXPECT_EQ(image("ImageABaum"), pictureBefore);

    // The same insertion with "Weiter".
    steps.clear();
    insert({2});
    ASSERT_EQ(steps.size(), 6u);
    const Playback& shown = player().playback();
    ASSERT_EQ(shown.size(), 6);
    // The result: the page's image as the demonstration left it.
    const DrawingRecord result = find<ImageView>("ImageABaum")->drawing();

    // One frame per blink phase, of the picture's size, 0.8 s per step; the
    // result, standing still, last.
    const auto frames = giftest::frames(file);
    ASSERT_TRUE(frames) << "identify (imagemagick) is needed";
    std::vector<giftest::FrameInfo> expected;
    std::vector<DrawingRecord> pictures;
    int blinking = 0;
    for (int k = 0; k < shown.size(); ++k) {
        const StepPicture& picture = shown.step(k).picture;
        if (picture.blinks()) {
            ++blinking;
            expected.push_back({width, height, 40});
            expected.push_back({width, height, 40});
            pictures.push_back(picture.record(0));
            pictures.push_back(picture.record(1));
        } else {
            expected.push_back({width, height, 80});
            pictures.push_back(picture.record(0));
        }
    }
    expected.push_back({width, height, 80});
    pictures.push_back(result);
    EXPECT_GE(blinking, 5);
    EXPECT_EQ(*frames, expected);

    // Each frame is the step's picture in its phase, pixel for pixel.
    ASSERT_EQ(frames->size(), pictures.size());
    for (std::size_t f = 0; f < pictures.size(); ++f) {
        const QImage frame = giftest::frame(file, static_cast<int>(f), width, height);
        ASSERT_FALSE(frame.isNull()) << f;
        EXPECT_EQ(frame, drawn(pictures[f], width, height)) << "frame " << f;
    }
    // The two phases of a blinking step differ.
    EXPECT_NE(giftest::frame(file, 0, width, height), giftest::frame(file, 1, width, height));
}

TEST_F(AvlExportTest, AnimationOnAFullDiskKeepsTheOldFileAndSaysWhy) {
    insert({5, 3});
    const std::string before = shape();
    const std::string file = path("alt.gif");
    writeFile(file, "alte Animation");
    type("EditAEingabe", "3");
    dialogs.answers.push_back(file);
    fileFaultHook = fullDisk;
    find<QAction>("ImageABaumGifLoeschen")->trigger();
    fileFaultHook = nullptr;
    EXPECT_EQ(dialogs.take(), (Lines{"save gif GIF-Animation (*.gif)|*.gif",
                                     "errorBox: Die Animation konnte nicht gespeichert werden.\n"
                                     "Stream-Schreibfehler\n" +
                                         kNoSpace}));
    EXPECT_EQ(readFile(file), "alte Animation");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    EXPECT_EQ(shape(), before);
}

TEST_F(AvlExportTest, AnimationOfARefusedEntryShowsThePagesMessageAndAsksForNoFile) {
    insert({3});
    type("EditAEingabe", "3");
    find<QAction>("ImageABaumGifEinfuegen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"information: Element ist bereits vorhanden"}));
    type("EditAEingabe", "4");
    find<QAction>("ImageABaumGifLoeschen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"information: Element ist nicht vorhanden"}));
}

}  // namespace
