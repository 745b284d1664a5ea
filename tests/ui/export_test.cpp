// "Als Animation speichern…" and "Als Webseite speichern…" of the tree pages: the steps of a
// demonstration, recorded on a copy like the handouts, as an animated GIF read back by ImageMagick:
// one frame per blink phase of each step of the "Weiter" run and one for the result, each standing
// as long as "Tempo" says (a blinking step's time shared by its two phases), each frame pixel for
// pixel the step's picture in that phase. On a full disk the old file stays and the user reads why.
// The web page, loaded by headless Chromium at each step and driven by its keys, shows the texts
// and marked lines of the "Weiter" run.
#include <errno.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <optional>

#include "demo/avltreedemo.h"
#include "demo/pseudocode.h"
#include "demo/step.h"
#include "elements/stream.h"
#include "tests/trees/searchsupport.h"
#include "tests/ui/gifdecoder.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/animation.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/handout.h"
#include "ui/pages/webexport.h"
#include "ui/platform/picturefile.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/predictioncontrols.h"
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

// --- The web page in a browser ----------------------------------------------

QString chromium() { return giftest::program({"chromium", "chromium-browser"}); }

// What the browser shows once the page has loaded with the address's
// fragment: the shown section's number, heading, text and marked lines, and
// whether it plays. virtualMs lets the page's timers run that long in the
// browser's virtual time (no waiting in real time).
struct Shown {
    int section = 0;
    std::string heading;
    std::string text;
    Lines marked;
    bool playing = false;
    int sections = 0;
};

std::string unescaped(QString text) {
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&#39;", "'");
    text.replace("&nbsp;", " ").replace("&amp;", "&");
    return text.toStdString();
}

std::optional<Shown> showInBrowser(const std::string& file, const std::string& fragment,
                                   int virtualMs = 0) {
    QTemporaryDir profile;
    if (!profile.isValid()) return std::nullopt;
    QStringList arguments{"--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                          "--user-data-dir=" + profile.path()};
    if (virtualMs > 0) arguments << QStringLiteral("--virtual-time-budget=%1").arg(virtualMs);
    arguments << "--dump-dom" << QString::fromStdString("file://" + file + fragment);
    const auto dom = giftest::run(chromium(), arguments);
    if (!dom) return std::nullopt;
    const QString html = QString::fromUtf8(*dom);
    Shown shown;
    static const QRegularExpression section(
        R"re(<section class="step" id="step-(\d+)" data-heading="([^"]*)"([^>]*)>(.*?)</section>)re",
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression text(R"re(<p class="text">(.*?)</p>)re",
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression marked(R"re(<span class="line marked">(.*?)</span>)re");
    for (auto match = section.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        ++shown.sections;
        if (m.captured(3).contains("hidden")) continue;
        if (shown.section != 0) return std::nullopt;  // two sections shown
        shown.section = m.captured(1).toInt();
        shown.heading = unescaped(m.captured(2));
        const QString body = m.captured(4);
        shown.text = unescaped(text.match(body).captured(1));
        for (auto line = marked.globalMatch(body); line.hasNext();)
            shown.marked.push_back(unescaped(line.next().captured(1)));
    }
    shown.playing = html.contains(R"(data-playing="true")");
    return shown;
}

TEST_F(AvlExportTest, WebPageOfAnLRRotationShowsEveryStepOfTheWeiterRunInABrowser) {
    insert({3, 1});
    const std::string before = shape();
    type("EditAEingabe", "2");
    const std::string file = path("lr.html");
    dialogs.answers.push_back(file);
    auto* menu = find<QMenu>("ImageABaumWebseite");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), "Als &Webseite speichern…");
    find<QAction>("ImageABaumHtmlEinfuegen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save html Webseiten (*.html)|*.html"}));
    EXPECT_EQ(shape(), before);

    // One file: nothing taken from elsewhere.
    const std::string html = readFile(file);
    ASSERT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    for (const char* outside : {"src=", "href=", "@import", "url(", "fetch(", "XMLHttpRequest"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;

    // The same insertion with "Weiter": its steps, then the result.
    steps.clear();
    insert({2});
    ASSERT_EQ(steps.size(), 6u);
    const Playback& played = player().playback();
    ASSERT_EQ(played.size(), 6);

    if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed";
    for (int n = 1; n <= 7; ++n) {
        SCOPED_TRACE(n);
        const auto shown = showInBrowser(file, "#step=" + std::to_string(n));
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->sections, 7);
        EXPECT_EQ(shown->section, n);
        EXPECT_FALSE(shown->playing);
        if (n <= 6) {
            EXPECT_EQ(shown->heading, "Schritt " + std::to_string(n));
            EXPECT_EQ(shown->text, steps[static_cast<std::size_t>(n - 1)]);
            // The marked lines: one per procedure of the step that has one.
            Lines expected;
            for (const CodeFrame& frame : played.step(n - 1).marks) {
                if (frame.marked < 0) continue;
                const PseudoLine& line =
                    pseudocode::lines(frame.procedure)[static_cast<std::size_t>(frame.marked)];
                expected.push_back(std::string(static_cast<std::size_t>(line.indent) * 4, ' ') +
                                   line.text);
            }
            EXPECT_FALSE(expected.empty());
            EXPECT_EQ(shown->marked, expected);
        } else {
            EXPECT_EQ(shown->heading, "Ergebnis");
            EXPECT_EQ(shown->text, "");
        }
    }
}

// The web page of inserting 2 into 3, 1 at "Tempo" 2 s, in a browser driven
// by the keys that the address names; each case: the fragment, the virtual
// time the page's timers may run, then the section shown and whether it
// plays.
struct KeyCase {
    const char* fragment;
    int virtualMs;
    int section;
    bool playing;
};

class AvlWebKeysTest : public AvlExportTest {
protected:
    void check(std::initializer_list<KeyCase> cases) {
        insert({3, 1});
        type("EditAEingabe", "2");
        const std::string file = path("keys.html");
        dialogs.answers.push_back(file);
        find<QSlider>("TrackBarASpeed")->setValue(20);
        find<QAction>("ImageABaumHtmlEinfuegen")->trigger();
        ASSERT_EQ(dialogs.take().size(), 1u);
        EXPECT_NE(readFile(file).find("data-step-ms=\"2000\""), std::string::npos);
        if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed";
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(c.fragment + std::string(" ") + std::to_string(c.virtualMs));
            const auto shown = showInBrowser(file, c.fragment, c.virtualMs);
            ASSERT_TRUE(shown);
            EXPECT_EQ(shown->section, c.section);
            EXPECT_EQ(shown->playing, c.playing);
        }
    }
};

TEST_F(AvlWebKeysTest, TheArrowKeysStepBackAndForthWithinTheSteps) {
    check({
        {"#keys=RRR", 0, 4, false},
        {"#keys=RRRL", 0, 3, false},
        {"#keys=LLR", 0, 2, false},        // not before the first step
        {"#step=7&keys=RR", 0, 7, false},  // nor after the result
        {"#step=5&keys=LLLLLLLLR", 0, 2, false},
    });
}

TEST_F(AvlWebKeysTest, SpacePlaysAtTheTempoAndPauses) {
    check({
        {"#keys=S", 0, 1, true},               // plays: the first step stands 2 s
        {"#keys=S", 3000, 2, true},            // one step on after 2 s
        {"#keys=S", 60000, 7, false},          // to the result, and stops
        {"#step=3&keys=SS", 60000, 3, false},  // Space again pauses
        {"#step=7&keys=S", 3000, 2, true},     // from the result: again from the start
        {"#keys=SR", 60000, 2, false},         // an arrow ends play
    });
}

TEST_F(AvlExportTest, WebPageOnAFullDiskKeepsTheOldFileAndSaysWhy) {
    insert({5, 3});
    const std::string file = path("alt.html");
    writeFile(file, "alte Seite");
    type("EditAEingabe", "3");
    dialogs.answers.push_back(file);
    fileFaultHook = fullDisk;
    find<QAction>("ImageABaumHtmlLoeschen")->trigger();
    fileFaultHook = nullptr;
    EXPECT_EQ(dialogs.take(), (Lines{"save html Webseiten (*.html)|*.html",
                                     "errorBox: Die Webseite konnte nicht gespeichert werden.\n"
                                     "Stream-Schreibfehler\n" +
                                         kNoSpace}));
    EXPECT_EQ(readFile(file), "alte Seite");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace

namespace {

// The text of a PDF as a reader takes it (pdftotext of poppler-utils), all
// white space as single blanks.
std::string pdfText(const std::string& file) {
    QProcess toText;
    toText.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                               QString::fromStdString(file), QStringLiteral("-")});
    if (!toText.waitForFinished(20000)) return {};
    return QString::fromUtf8(toText.readAllStandardOutput()).simplified().toStdString();
}

std::string simplified(const QString& text) { return text.simplified().toStdString(); }

}  // namespace

TEST_F(AvlExportTest, WorksheetAsksEachStepsQuestionsAndEndsWithTheSolutions) {
    insert({3, 1});
    const std::vector<handout::Step> recorded =
        handout::recordTreeSteps(tree(), image("ImageABaum").size(), "2", true);
    type("EditAEingabe", "2");
    const std::string file = path("fragen.pdf");
    dialogs.answers.push_back(file);
    QAction* entry = find<QAction>("ImageABaumFragenEinfuegen");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "&Einfügen…");
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save pdf PDF-Dokumente (*.pdf)|*.pdf"}));

    // In the order of the sheet: each question before its step, with its
    // answers and the answer line, then "Lösungen" with every question again
    // and its correct answer and why.
    std::vector<std::string> questions, solutions;
    std::vector<std::string> wanted;
    int n = 0;
    for (std::size_t k = 0; k < recorded.size(); ++k) {
        for (const Question& q : recorded[k].questions) {
            ++n;
            const std::string head = simplified(
                handout::questionText(q, n, static_cast<int>(k) + 1, recorded[k].result));
            wanted.push_back(head);
            wanted.push_back(simplified(handout::answersText(q)));
            wanted.push_back(handout::text::answerLine);
            solutions.push_back(head);
            solutions.push_back(simplified(handout::solutionText(q)));
        }
        if (!recorded[k].result) wanted.push_back(simplified(recorded[k].text));
    }
    // Inserting 2 below 1 under 3: the way at 3 and at 1, where the AVL
    // property breaks and the rotation.
    ASSERT_GE(n, 3);
    wanted.push_back(handout::text::solutions);
    wanted.insert(wanted.end(), solutions.begin(), solutions.end());
    const std::string text = pdfText(file);
    ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) is needed";
    std::size_t at = 0;
    for (const std::string& part : wanted) {
        const std::size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << "\nafter: " << text.substr(at);
        at = found + part.size();
    }
    EXPECT_EQ(text.find(handout::text::answerLine, at), std::string::npos);
    // The first question, as the steps ask it.
    EXPECT_NE(text.find("Frage 1 (vor Schritt 1): Einfügen von 2: Bei 3 links oder rechts "
                        "weiter? 1) links 2) rechts"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Richtig: 1) links"), std::string::npos);

    // The plain handout asks nothing.
    const std::string plain = path("ohne.pdf");
    dialogs.answers.push_back(plain);
    find<QAction>("ImageABaumPdfEinfuegen")->trigger();
    dialogs.take();
    const std::string plainText = pdfText(plain);
    ASSERT_FALSE(plainText.empty());
    EXPECT_EQ(plainText.find("Frage 1"), std::string::npos);
    EXPECT_EQ(plainText.find(handout::text::solutions), std::string::npos);
}

TEST_F(AvlExportTest, WebPageInTheModeVorhersagenAsksBeforeTheStepAndTellsRightOrWrong) {
    insert({3, 1});
    form->avlTreePage().prediction().modeBox()->setChecked(true);
    const std::vector<handout::Step> recorded =
        handout::recordTreeSteps(tree(), image("ImageABaum").size(), "2", true);
    type("EditAEingabe", "2");
    const std::string file = path("fragen.html");
    dialogs.answers.push_back(file);
    find<QAction>("ImageABaumHtmlEinfuegen")->trigger();
    // The mode is remembered: the other tests begin without it.
    form->avlTreePage().prediction().modeBox()->setChecked(false);
    ASSERT_EQ(dialogs.take().size(), 1u);
    // Step 1 asks the way at 3 ("links") and where 2 is linked in.
    ASSERT_EQ(recorded[0].questions.size(), 2u);
    const Question& way = recorded[0].questions[0];
    const Question& link = recorded[0].questions[1];
    ASSERT_EQ(way.answers[static_cast<std::size_t>(way.correct)], "links");
    const std::string html = readFile(file);
    for (const Question& q : {way, link})
        EXPECT_NE(html.find(">" + webpage::escape(q.text) + "</p>"), std::string::npos) << q.text;

    if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed";
    static const QRegularExpression verdict(R"re(<p class="verdict"( hidden="")?>(.*?)</p>)re");
    const auto verdicts = [](const QString& dom) {
        Lines out;
        for (auto m = verdict.globalMatch(dom); m.hasNext();) {
            const QRegularExpressionMatch v = m.next();
            out.push_back(v.captured(1).isEmpty() ? unescaped(v.captured(2)) : "-");
        }
        return out;
    };
    const auto dom = [&](const std::string& fragment) {
        QTemporaryDir profile;
        const auto out = giftest::run(
            chromium(), {"--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--user-data-dir=" + profile.path(), "--dump-dom",
                         QString::fromStdString("file://" + file + fragment)});
        return out ? QString::fromUtf8(*out) : QString();
    };
    // The first answer right, the step still waits for the second question.
    const QString first = dom("#keys=" + std::to_string(way.correct + 1));
    ASSERT_FALSE(first.isEmpty());
    Lines got = verdicts(first);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[0], "Richtig");
    EXPECT_EQ(got[1], "-");
    EXPECT_TRUE(first.contains(R"(<p class="text after" hidden="">)"));
    // A wrong second answer names the right one; then the step shows.
    const int wrong = link.correct == 0 ? 2 : 1;
    const QString both = dom("#keys=" + std::to_string(way.correct + 1) + std::to_string(wrong));
    got = verdicts(both);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[1],
              "Leider falsch: richtig ist " + link.answers[static_cast<std::size_t>(link.correct)]);
    EXPECT_TRUE(both.contains(QString::fromStdString(
        "<p class=\"text after\">" + webpage::escape(recorded[0].text.toStdString()) + "</p>")))
        << both.toStdString().substr(0, 3000);
}
