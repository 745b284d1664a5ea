// The mode "Vorhersagen" as a student uses it: on the "AVL-Baum" page the
// insertion of 40 below 50 and 30 asks before its steps, answered with the
// number keys, the buttons and a click on a node of the picture; wrong
// answers are told with the correct one, the score counts, the list marks
// the step, going back shows the answers given; the sort window asks before
// a bubble sort's exchange; the mode is remembered and, left off, asks
// nothing.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "demo/avltreedemo.h"
#include "demo/question.h"
#include "tests/ui/pagefixture.h"
#include "trees/treeinteger.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/predictioncontrols.h"

namespace {

class PredictionTest : public PageFixture {
protected:
    void SetUp() override {
        QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")).remove(kPredictKey);
        PageFixture::SetUp();
    }
    AvlTreePage& avlPage() {
        showPage("TabSheetAVLBaum");
        AvlTreePage& page = form->avlTreePage();
        for (int v : {50, 30}) page.tree().insert(std::make_unique<TTreeInteger>(v));
        type("EditAEingabe", "40");
        return page;
    }
    // The answer buttons shown, as their captions.
    std::vector<QString> shownAnswers(const char* panel) {
        std::vector<QString> out;
        for (QPushButton* b : find<QFrame>(panel)->findChildren<QPushButton*>())
            if (b->isVisible()) out.push_back(b->text());
        return out;
    }
    // Lets the blink phases pass until the player takes the next step (or
    // asks its question).
    void weiter(StepPlayer& player) {
        const int before = player.playback().size();
        player.weiter();
        for (int n = 0; n < 4 && player.playback().size() == before && !player.playback().asking();
             ++n)
            timers.runNext();
    }
};

TEST_F(PredictionTest, AnAvlInsertionAsksBeforeItsStepsAndKeepsTheScore) {
    AvlTreePage& page = avlPage();
    const Playback& playback = page.player().playback();
    auto* mode = find<QCheckBox>("CheckBoxAVorhersagen");
    auto* panel = find<QFrame>("PanelAFrage");
    auto* question = page.prediction().questionLabel();
    auto* verdict = page.prediction().verdictLabel();
    auto* score = find<QLabel>("LabelAScore");
    EXPECT_EQ(mode->text(), "&Vorhersagen");
    EXPECT_FALSE(mode->isChecked());
    EXPECT_FALSE(panel->isVisible());
    // Over the picture: the mode in its upper right corner, the panel below the
    // tree's deepest level; the specified controls keep their places.
    const QRect picture = find<ImageView>("ImageABaum")->geometry();
    EXPECT_TRUE(picture.contains(mode->geometry()));
    EXPECT_TRUE(picture.contains(panel->geometry()));
    EXPECT_GE(panel->geometry().top(), picture.top() + 10 + 5 * 30 + 13);
    EXPECT_EQ(picture.topLeft(), QPoint(208, 36));
    mode->click();
    EXPECT_TRUE(QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro"))
                    .value(kPredictKey)
                    .toBool());

    click("ButtonAInsert");
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(playback.size(), 0);  // the first step waits behind its questions
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(question->text(), "Einfügen von 40: Bei 50 links oder rechts weiter?");
    EXPECT_EQ(shownAnswers("PanelAFrage"), (std::vector<QString>{"1  links", "2  rechts"}));
    EXPECT_EQ(score->text(), "0 von 0 richtig");
    // Key 1: links, right.
    QTest::keyClick(find<QLineEdit>("EditAEingabe"), Qt::Key_1);
    EXPECT_EQ(verdict->text(), "Richtig");
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(question->text(), "Wo wird 40 eingehängt?");
    EXPECT_EQ(
        shownAnswers("PanelAFrage"),
        (std::vector<QString>{"1  links unter 30", "2  rechts unter 30", "3  rechts unter 50"}));
    // A wrong answer by its button: told with the correct one; the step follows.
    QTest::mouseClick(page.prediction().answerButtons()[0], Qt::LeftButton);
    EXPECT_FALSE(playback.asking());
    ASSERT_EQ(playback.size(), 1);
    EXPECT_EQ(field("EditAinfo"), "Einfügestelle gefunden");
    EXPECT_EQ(question->text(), "Leider falsch: richtig ist rechts unter 30");
    EXPECT_EQ(verdict->text(),
              "40 ist größer als 30, und dort ist rechts noch frei: 40 wird rechts unter 30 "
              "eingehängt");
    EXPECT_EQ(score->text(), "1 von 2 richtig");
    auto* list = find<QListWidget>("ListBoxASteps");
    EXPECT_EQ(list->item(0)->foreground().color(), QColor(0xb0, 0, 0));

    // Where the AVL property breaks: a click on 50 in the picture.
    weiter(page.player());
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(question->text(), "Ist nach dem Einfügen die AVL-Eigenschaft verletzt? Wo?");
    const Question* q = playback.question();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->answers, (std::vector<std::string>{"bei 30", "bei 50", "nirgends"}));
    QTest::mouseClick(find<ImageView>("ImageABaum"), Qt::LeftButton, {}, QPoint(252 + 7, 10 + 6));
    EXPECT_EQ(verdict->text(), "Bei 50 unterscheiden sich die Höhen der Teilbäume um 2");
    EXPECT_EQ(question->text(), "Richtig");
    EXPECT_EQ(field("EditAinfo"), "Bei 50 ist die AVL-Eigenschaft verletzt");
    // Which rotation: key 2 is LR.
    weiter(page.player());
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(shownAnswers("PanelAFrage"),
              (std::vector<QString>{"1  LL-Rotation", "2  LR-Rotation", "3  RR-Rotation",
                                    "4  RL-Rotation"}));
    QTest::keyClick(find<QLineEdit>("EditAEingabe"), Qt::Key_2);
    EXPECT_EQ(field("EditAinfo"), "LR-Rotation wird durchgeführt");
    EXPECT_EQ(score->text(), "3 von 4 richtig");

    // Going back to the first step shows the answers given there.
    page.player().playback().go(0);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(
        question->text().contains("Deine Antwort: links unter 30 - Leider falsch: richtig "
                                  "ist rechts unter 30"))
        << question->text().toStdString();
    page.player().playback().go(playback.size() - 1);

    page.player().ende();
    EXPECT_FALSE(playback.running());
    EXPECT_EQ(question->text(),
              "Vorhersagen: 3 von 4 richtig - gut; die falschen Schritte sind "
              "in der Liste markiert.");
    EXPECT_TRUE(page.tree().verify());
}

TEST_F(PredictionTest, LeftOffNothingIsAskedAndTheSortWindowAsksBeforeAnExchange) {
    AvlTreePage& page = avlPage();
    click("ButtonAInsert");
    EXPECT_FALSE(page.player().playback().asking());
    EXPECT_EQ(page.player().playback().size(), 1);
    EXPECT_FALSE(find<QFrame>("PanelAFrage")->isVisible());
    EXPECT_EQ(find<QLabel>("LabelAScore")->text(), "");
    page.player().ende();

    showPage("TabSheetListe");
    find<QRadioButton>("RadioButtonInteger")->setChecked(true);
    for (int v : {2, 1, 3}) {
        type("EditLEingabe", QString::number(v));
        click("ButtonLInsert");
    }
    click("BitBtnLSortdemo");
    auto* window = form->findChild<TFormDemo*>("TFormDemo");
    ASSERT_TRUE(window && window->isVisible());
    auto* mode = window->findChild<QCheckBox*>("CheckBoxVorhersagen");
    ASSERT_TRUE(mode);
    mode->click();
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnBubble"), Qt::LeftButton);
    const Playback& playback = window->player().playback();
    // The first step, the start of the pass, asks nothing; the exchange does.
    ASSERT_TRUE(playback.running());
    window->player().weiter();
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(window->prediction().questionLabel()->text(),
              "Welche Nachbarn werden als nächste vertauscht?");
    EXPECT_EQ(playback.question()->answers[static_cast<std::size_t>(playback.question()->correct)],
              "3 und 1 (Platz 1 und 2)");
    QTest::mouseClick(window->prediction()
                          .answerButtons()[static_cast<std::size_t>(playback.question()->correct)],
                      Qt::LeftButton);
    EXPECT_EQ(window->findChild<QLineEdit*>("EditSortInfo")->text(),
              "3 und 1 werden miteinander getauscht");
    EXPECT_EQ(window->findChild<QLabel*>("LabelScore")->text(), "1 von 1 richtig");
    window->player().ende();
}

TEST_F(PredictionTest, TheQuestionGrowsWithTheProjectorZoomAndStaysOverThePicture) {
    AvlTreePage& page = avlPage();
    find<QCheckBox>("CheckBoxAVorhersagen")->click();
    auto* panel = find<QFrame>("PanelAFrage");
    auto* image = find<ImageView>("ImageABaum");
    const QRect designed = panel->geometry();
    const int designedFont =
        panel->font().pixelSize() > 0 ? panel->font().pixelSize() : panel->fontInfo().pixelSize();
    click("ButtonAInsert");
    ASSERT_TRUE(page.player().playback().asking());
    for (int percent : {150, 200, 300}) {
        form->setZoom(percent);
        EXPECT_NEAR(panel->geometry().width(), designed.width() * percent / 100, 1) << percent;
        EXPECT_NEAR(panel->fontInfo().pixelSize(), designedFont * percent / 100, 2) << percent;
        EXPECT_TRUE(image->geometry().contains(panel->geometry())) << percent;
        EXPECT_TRUE(panel->isVisible());
        // The answers stay readable in full: no caption wider than its button.
        for (QPushButton* b : page.prediction().answerButtons()) {
            if (!b->isVisible()) continue;
            EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << percent;
        }
    }
    form->setZoom(100);
    EXPECT_EQ(panel->geometry(), designed);
    page.player().ende();
}

}  // namespace
