#include "ui/pages/demotreepage.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "demo/stepsource.h"
#include "elements/messages.h"
#include "elements/stream.h"
#include "ui/pages/animation.h"
#include "ui/pages/examplesmenu.h"
#include "ui/pages/handout.h"
#include "ui/pages/pagepicture.h"
#include "ui/pages/webexport.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/lessoncontrols.h"
#include "ui/widgets/predictioncontrols.h"
#include "ui/widgets/stepscreens.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/numbersequence.h"
#include "workbench/randomsource.h"

namespace {
constexpr int kColumnButtonWidth = 81;
}  // namespace

DemoTreePage::DemoTreePage(PageHost& host, QWidget* parent)
    : QWidget(parent), UndoablePage(static_cast<QWidget&>(*this)), host_(host) {}

DemoTreePage::~DemoTreePage() {
    // The controls and the player use the screen: they go first.
    delete prediction_;
    delete lesson_;
    delete player_;
}

void DemoTreePage::setDemonstrationRunning(bool running) {
    weiter_->setEnabled(running);
    // A handout takes the number of the entry, which the page does not read
    // while it demonstrates.
    for (QAction* entry : handoutEntries_) entry->setEnabled(!running);
    // A menu's action follows the menu's own enabled state.
    for (QMenu* menu : handoutMenus_) menu->setEnabled(!running);
    if (prediction_) prediction_->modeBox()->setEnabled(!running);
    if (running && lesson_) lesson_->begin();
}

bool DemoTreePage::demonstrating() const { return player_ && player_->running(); }

void DemoTreePage::forgetSteps() { player_->playback().forget(); }

void DemoTreePage::play(std::unique_ptr<StepSource> steps) {
    if (!steps) return;
    host_.lockControls(false, kind_);
    player_->start(std::move(steps));
}

void DemoTreePage::makeLesson(char letter, int kind, ImageView* image, QLineEdit* info,
                              QLineEdit* depth, QLineEdit* count, QLineEdit* balanced, QPoint strip,
                              int stripWidth, QRect list) {
    kind_ = kind;
    letter_ = letter;
    picture_ = image;
    stepScreen_ = std::make_unique<TreeStepScreen>(
        TreeStepScreen::Widgets{image, info, depth, count, balanced});
    stepScreen_->setPanel(algorithm_);
    player_ = new StepPlayer(*stepScreen_, host_.stepTimers(), this);
    connect(player_, &StepPlayer::ended, this, [this] {
        host_.lockControls(true, kind_);
        // Typing replaces the number just used.
        focusEntryField();
        editEingabe_->selectAll();
    });
    const std::string l(1, letter);
    const std::string names[] = {"Button" + l + "Back",   "Button" + l + "Play",
                                 "Label" + l + "Speed",   "TrackBar" + l + "Speed",
                                 "Label" + l + "Seconds", "Label" + l + "Steps",
                                 "ListBox" + l + "Steps"};
    lesson_ =
        new LessonControls(this,
                           {names[0].c_str(), names[1].c_str(), names[2].c_str(), names[3].c_str(),
                            names[4].c_str(), names[5].c_str(), names[6].c_str()},
                           {strip, stripWidth - kColumnButtonWidth - 6, list}, *player_, weiter_);
    columnButtonPlace_ =
        QRect(strip.x() + stripWidth - kColumnButtonWidth, strip.y(), kColumnButtonWidth, 25);
    lesson_->addPicture(image);
    // Over the picture: the mode in its upper right corner, the questions in
    // its lower part, below the deepest level of a tree.
    const std::string mode = "CheckBox" + l + "Vorhersagen";
    const std::string score = "Label" + l + "Score";
    const std::string panel = "Panel" + l + "Frage";
    const QRect picture = image->geometry();
    prediction_ = new PredictionControls(
        this, {mode.c_str(), score.c_str(), panel.c_str()},
        QPoint(picture.right() - 302, picture.top() + 2),
        QRect(picture.left() + 2, picture.bottom() - 96, picture.width() - 4, 95), *player_, image,
        lesson_->stepList());
}

std::vector<QWidget*> DemoTreePage::lessonStrip() const {
    std::vector<QWidget*> strip{weiter_};
    for (QWidget* w : lesson_->strip()) strip.push_back(w);
    if (columnButton_) strip.push_back(columnButton_);
    return strip;
}

void DemoTreePage::makeExamples(const char* name, const QRect& geometry, examples::Page kind,
                                QLineEdit* info) {
    makeExamplesButton(this, name, geometry, kind, [this, info](const examples::Example& e) {
        handle([&] {
            Change change(*this);
            forgetSteps();
            buildExample(e);
            editEingabe_->setText(QString::number(e.key));
            info->setText(utf8(e.note));
            info->setCursorPosition(0);
        });
    });
}

void DemoTreePage::makeWeiter(const char* name, int x, int y, const char* first) {
    weiter_ = widgets::okButton(this, name, utf8("Weiter"), x, y);
    weiter_->setEnabled(false);
    connect(weiter_, &QPushButton::clicked, this, [this] {
        // In the past "Weiter" shows the next step; the step that waits
        // waits on until it is shown again.
        if (player_) player_->weiter();
    });
    installWeiterKeys(this, weiter_, editEingabe_, findChild<QAbstractButton*>(first));
}

void DemoTreePage::installImagePicture(ImageView* image) {
    installPictureActions(*this, host_, [this, image] {
        const Playback& shown = player_->playback();
        const bool stepShown = shown.running() || shown.reviewing();
        return imagePagePicture(*image, stepShown ? &shown.step(shown.current()) : nullptr);
    });
    // The picture's own menu offers them too, above its handout entries.
    const QList<QAction*> own = image->actions();
    auto* separator = new QAction(image);
    separator->setSeparator(true);
    image->insertActions(own.value(0), actions() << separator);
    image->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void DemoTreePage::focusEntryField() { editEingabe_->setFocus(); }

void DemoTreePage::leavePast() {
    if (lesson_) lesson_->returnToEnd();
}

AlgorithmPanel& DemoTreePage::makeAlgorithmPanel(QWidget* picture, const char* name) {
    algorithm_ = new AlgorithmPanel(this, picture, name);
    if (stepScreen_) stepScreen_->setPanel(algorithm_);
    picture->addAction(algorithm_->showAction());
    if (lesson_) {
        algorithm_->adoptSteps(lesson_->stepListCaption(), lesson_->stepList());
        const QRect r = columnButtonPlace_;
        const std::string buttonName = std::string("Button") + letter_ + "Spalte";
        columnButton_ = widgets::button(this, buttonName.c_str(), utf8(treetext::columnCaption),
                                        r.x(), r.y(), r.width(), r.height());
        columnButton_->setCheckable(true);
        columnButton_->setToolTip(utf8(treetext::columnHint));
        // Usable while a demonstration runs, like the lesson controls.
        columnButton_->setProperty("lessonControl", true);
        QAction* show = algorithm_->showAction();
        columnButton_->setChecked(show->isChecked());
        connect(columnButton_, &QPushButton::toggled, show, &QAction::setChecked);
        connect(show, &QAction::toggled, columnButton_, &QPushButton::setChecked);
    }
    return *algorithm_;
}

QPushButton* DemoTreePage::makeSequenceButton(const char* name, int x, int y) {
    QPushButton* b = widgets::button(this, name, utf8(treetext::sequenceCaption), x, y, 113);
    b->setToolTip(utf8(treetext::sequenceHint));
    return b;
}

void DemoTreePage::insertSequence(const std::function<bool(int)>& present,
                                  const std::function<std::string(std::string_view)>& insertOne,
                                  const std::function<void()>& redraw) {
    const auto request = host_.dialogs().askNumberSequence();
    if (!request) return;
    std::vector<std::string> entries;
    if (request->randomCount > 0) {
        for (int n : numbersequence::drawFreeNumbers(request->randomCount, present, host_.random()))
            entries.push_back(std::to_string(n));
    } else {
        entries = numbersequence::splitEntries(request->numbers);
    }
    std::vector<numbersequence::Refusal> refused;
    for (const std::string& entry : entries) {
        std::string reason = insertOne(entry);
        if (!reason.empty()) refused.push_back({entry, std::move(reason)});
    }
    forgetSteps();
    redraw();
    if (!refused.empty()) host_.dialogs().information(numbersequence::summary(refused));
}

bool DemoTreePage::emptyTree() {
    if (!treeEmpty()) return false;
    host_.dialogs().information(message::treeEmpty);
    return true;
}

void DemoTreePage::addHandoutEntries(QWidget* picture, const char* pageName) {
    const QString page = utf8(pageName);
    const struct {
        const char* caption;
        const char* hint;
        const char* suffix;
        bool insert;
    } entries[] = {{treetext::handoutInsert, treetext::handoutInsertHint, "PdfEinfuegen", true},
                   {treetext::handoutDelete, treetext::handoutDeleteHint, "PdfLoeschen", false}};
    for (const auto& entry : entries) {
        auto* action = new QAction(utf8(entry.caption), picture);
        action->setObjectName(picture->objectName() + QLatin1String(entry.suffix));
        action->setToolTip(utf8(entry.hint));
        action->setStatusTip(utf8(entry.hint));
        const bool insert = entry.insert;
        connect(action, &QAction::triggered, this,
                [this, insert, page] { writeHandout(insert, page, handout::Kind::pdf); });
        picture->addAction(action);
        handoutEntries_.push_back(action);
    }
    // Beside the handouts: the same steps as an animation.
    const struct {
        const char* caption;
        const char* hint;
        const char* name;
        const char* prefix;
        handout::Kind kind;
    } menus[] = {{animation::text::caption, animation::text::treeHint, "Animation", "Gif",
                  handout::Kind::animation},
                 {webexport::text::caption, webexport::text::treeHint, "Webseite", "Html",
                  handout::Kind::webpage},
                 {handout::text::worksheetCaption, handout::text::worksheetTreeHint, "Arbeitsblatt",
                  "Fragen", handout::Kind::worksheet}};
    for (const auto& entry : menus) {
        auto* menu = new QMenu(utf8(entry.caption), picture);
        menu->setObjectName(picture->objectName() + QLatin1String(entry.name));
        menu->setToolTipsVisible(true);
        menu->menuAction()->setToolTip(utf8(entry.hint));
        menu->menuAction()->setStatusTip(utf8(entry.hint));
        const handout::Kind kind = entry.kind;
        for (const bool insert : {true, false}) {
            QAction* action =
                menu->addAction(utf8(insert ? treetext::exportInsert : treetext::exportDelete));
            action->setObjectName(picture->objectName() + QLatin1String(entry.prefix) +
                                  QLatin1String(insert ? "Einfuegen" : "Loeschen"));
            action->setToolTip(utf8(entry.hint));
            connect(action, &QAction::triggered, this,
                    [this, insert, page, kind] { writeHandout(insert, page, kind); });
        }
        picture->addAction(menu->menuAction());
        handoutMenus_.push_back(menu);
    }
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void DemoTreePage::writeHandout(bool insert, const QString& pageName, handout::Kind kind) {
    handle([&] {
        if (!insert && emptyTree()) return;
        std::vector<handout::Step> steps = handoutSteps(insert);
        if (steps.empty()) return;
        const QString title =
            pageName + QStringLiteral(": ") +
            (insert ? QStringLiteral("Einfügen von ") : QStringLiteral("Löschen von ")) +
            editEingabe_->text().trimmed();
        if (kind == handout::Kind::animation) {
            const std::string name = host_.saveWithDialog(animation::extension, animation::filter);
            if (name.empty()) return;
            const handout::Written written =
                animation::writeGif(steps, player_->playback().stepMs(), name);
            if (!written.ok)
                host_.dialogs().errorBox(std::string(animation::text::notWritten) + "\n" +
                                         written.why);
            return;
        }
        if (kind == handout::Kind::webpage) {
            const std::string name = host_.saveWithDialog(webexport::extension, webexport::filter);
            if (name.empty()) return;
            handout::Document document{title, QDateTime::currentDateTime(), std::move(steps)};
            // In the mode "Vorhersagen" the page asks the questions too.
            document.withQuestions = prediction_->modeBox()->isChecked();
            const handout::Written written =
                webexport::writeHtml(document, player_->playback().stepMs(), name);
            if (!written.ok)
                host_.dialogs().errorBox(std::string(webexport::text::notWritten) + "\n" +
                                         written.why);
            return;
        }
        const std::string name = host_.saveWithDialog(handout::extension, handout::filter);
        if (name.empty()) return;
        handout::Document document{title, QDateTime::currentDateTime(), std::move(steps)};
        document.withQuestions = kind == handout::Kind::worksheet;
        const handout::Written written = handout::writePdf(document, name);
        if (!written.ok)
            host_.dialogs().errorBox(std::string(handout::text::notWritten) + "\n" + written.why);
    });
}

void DemoTreePage::makeExerciseButton(exercise::Board board) {
    const QRect picture = picture_->geometry();
    auto* b = widgets::button(this, ("Button" + std::string(1, letter_) + "Uebung").c_str(),
                              utf8(treetext::exerciseCaption), picture.right() - 386,
                              picture.top() + 2, 80, 21);
    b->setToolTip(utf8(treetext::exerciseHint));
    connect(b, &QPushButton::clicked, this, [this, board] {
        if (host_.controlsLocked()) return;
        const auto choice = host_.dialogs().askExercise(
            exercise::drawNumber(static_cast<std::uint64_t>(host_.random().uniform(1, 1 << 30))));
        if (!choice) return;
        runExercise(exercise::makeTask(board, choice->number, choice->anyCase));
    });
}

void DemoTreePage::runExercise(const exercise::Task& task) {
    if (player_->running()) {
        // "Neu beginnen": the running attempt is given up.
        player_->abandon();
        host_.lockControls(true, kind_);
    }
    bool built = false;
    handle([&] {
        Change change(*this);
        forgetSteps();
        buildExample(examples::Example{
            "", "", task.values, task.key,
            task.insert ? examples::Operation::insert : examples::Operation::remove});
        editEingabe_->setText(QString::number(task.key));
        built = true;
    });
    if (!built) return;
    prediction_->beginExercise(
        task, {[this, task] { runExercise(task); },
               [this, task](int right, int steps, int seconds) {
                   const auto name = host_.dialogs().askText(treetext::studentName);
                   if (!name) return;
                   const std::string file = host_.saveWithDialog(exercise::text::resultExtension,
                                                                 exercise::text::resultFilter);
                   if (file.empty()) return;
                   const std::string date = QDateTime::currentDateTime()
                                                .toString(QStringLiteral("dd.MM.yyyy hh:mm"))
                                                .toStdString();
                   guard(host_.dialogs(), [&] {
                       writeWholeFile(
                           file, exercise::resultFile(task, *name, right, steps, seconds, date));
                   });
               }});
    runOperation(task.insert);
}
