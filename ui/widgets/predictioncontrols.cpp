#include "ui/widgets/predictioncontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "demo/question.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/widgetfactory.h"

namespace {

QSettings predictSettings() {
    return QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro"));
}

constexpr int kMostAnswers = 5;

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool PredictionControls::storedMode() {
    return predictSettings().value(kPredictKey, false).toBool();
}

PredictionControls::PredictionControls(QWidget* page, const Names& names, QPoint modeAt,
                                       QRect panelArea, StepPlayer& player, ImageView* picture,
                                       QListWidget* steps)
    : QObject(page), page_(page), player_(player), picture_(picture), steps_(steps) {
    mode_ = new QCheckBox(utf8(predicttext::mode), page);
    mode_->setObjectName(names.mode);
    mode_->setGeometry(modeAt.x() + 190, modeAt.y(), 110, 21);
    mode_->setToolTip(utf8(predicttext::modeHint));
    mode_->setFocusPolicy(Qt::NoFocus);
    score_ = new QLabel(page);
    score_->setObjectName(names.score);
    score_->setGeometry(modeAt.x() + 70, modeAt.y(), 116, 21);
    score_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Over the picture: clicks go through to it.
    score_->setAttribute(Qt::WA_TransparentForMouseEvents);

    panel_ = new QFrame(page);
    panel_->setObjectName(names.panel);
    panel_->setGeometry(panelArea);
    panel_->setFrameShape(QFrame::Box);
    panel_->setAutoFillBackground(true);
    // Its own font, so that the projector view enlarges it with the page.
    panel_->setFont(page->font());
    auto* column = new QVBoxLayout(panel_);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    title_ = new QLabel(panel_);
    title_->setStyleSheet(QStringLiteral("color: #c05a00; font-weight: bold"));
    title_->hide();
    column->addWidget(title_);
    question_ = new QLabel(panel_);
    question_->setWordWrap(true);
    QFont bold = question_->font();
    bold.setBold(true);
    question_->setFont(bold);
    column->addWidget(question_);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (int i = 0; i < kMostAnswers; ++i) {
        auto* b = new QPushButton(panel_);
        b->setFocusPolicy(Qt::NoFocus);
        // Usable while the window is locked for the demonstration.
        b->setProperty("lessonControl", true);
        b->setToolTip(utf8(predicttext::answerHint).arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, i] { answer(i); });
        row->addWidget(b);
        answers_.push_back(b);
    }
    row->addStretch();
    column->addLayout(row);
    verdict_ = new QLabel(panel_);
    verdict_->setWordWrap(true);
    column->addWidget(verdict_);
    auto* tools = new QHBoxLayout;
    tools->setSpacing(4);
    const struct {
        QPushButton** button;
        const char* caption;
        const char* hint;
    } toolButtons[] = {{&solution_, predicttext::solution, predicttext::solutionHint},
                       {&restart_, predicttext::restart, predicttext::restartHint},
                       {&save_, predicttext::save, predicttext::saveHint}};
    for (const auto& t : toolButtons) {
        auto* b = new QPushButton(utf8(t.caption), panel_);
        b->setToolTip(utf8(t.hint));
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("lessonControl", true);
        b->hide();
        b->setEnabled(false);
        tools->addWidget(b);
        *t.button = b;
    }
    tools->addStretch();
    column->addLayout(tools);
    connect(solution_, &QPushButton::clicked, this, [this] {
        if (!exercising_) return;
        playback().setExercise(false);
        playback().setPredicting(false);
        refresh();
    });
    connect(restart_, &QPushButton::clicked, this, [this] {
        if (!exercising_ || !hooks_.restart) return;
        // A copy: starting again replaces the hooks while this one runs.
        const std::function<void()> restart = hooks_.restart;
        restart();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (!hooks_.save) return;
        const auto save = hooks_.save;
        save(playback().answeredRight(), playback().asked(), seconds_);
    });
    // Round the picture while an exercise runs; clicks go through.
    frame_ = new QFrame(page);
    frame_->setObjectName(QString::fromLatin1(names.panel) + QStringLiteral("Rahmen"));
    const QRect framed = picture ? picture->geometry() : panelArea;
    frame_->setGeometry(framed.adjusted(-3, -3, 3, 3));
    frame_->setStyleSheet(QStringLiteral("border: 3px solid #e07000; background: transparent"));
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame_->hide();
    hintMark_ = new QFrame(page);
    hintMark_->setStyleSheet(QStringLiteral("border: 3px solid #e07000; border-radius: 13px"));
    hintMark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hintMark_->hide();
    column->addStretch();
    panel_->hide();

    mode_->setChecked(storedMode());
    playback().setPredicting(mode_->isChecked());
    connect(mode_, &QCheckBox::toggled, this, &PredictionControls::modeChanged);
    connect(&player_, &StepPlayer::changed, this, &PredictionControls::refresh);
    connect(&player_, &StepPlayer::ended, this, [this] {
        ended_ = true;
        endExercise();
        refresh();
    });
    qApp->installEventFilter(this);
    refresh();
}

Playback& PredictionControls::playback() const { return player_.playback(); }

void PredictionControls::modeChanged(bool on) {
    predictSettings().setValue(kPredictKey, on);
    playback().setPredicting(on);
    refresh();
}

void PredictionControls::beginExercise(const exercise::Task& task, ExerciseHooks hooks) {
    task_ = task;
    hooks_ = std::move(hooks);
    exercising_ = true;
    finished_ = false;
    seconds_ = 0;
    clock_.start();
    playback().setExercise(true);
    frame_->show();
    frame_->raise();
    refresh();
}

void PredictionControls::endExercise() {
    if (!exercising_) return;
    seconds_ = static_cast<int>(clock_.elapsed() / 1000);
    finished_ = true;
    playback().setExercise(false);
    playback().setPredicting(mode_->isChecked());
}

void PredictionControls::showExercise() {
    title_->setVisible(exercising_);
    if (!exercising_) return;
    title_->setText(utf8(exercise::text::title) + QStringLiteral(" - ") +
                    QString::fromStdString(task_.title()));
    const bool running = playback().running();
    for (QPushButton* b : {solution_, restart_}) {
        b->setVisible(running);
        b->setEnabled(running);
    }
    save_->setVisible(finished_);
    save_->setEnabled(finished_);
    if (finished_) {
        question_->setText(QString::fromStdString(exercise::result(
            task_.number, playback().answeredRight(), playback().asked(), seconds_)));
    }
    panel_->show();
    panel_->raise();
}

void PredictionControls::answer(int index) {
    if (!playback().asking()) return;
    ended_ = false;
    playback().answer(index);
    refresh();
}

void PredictionControls::refresh() {
    const Playback& p = playback();
    if (p.running()) ended_ = false;
    // A new demonstration that is not the exercise's ends the exercise.
    if (exercising_ && finished_ && p.running()) {
        exercising_ = false;
        finished_ = false;
        frame_->hide();
    }
    hintMark_->hide();
    const bool on = mode_->isChecked();
    score_->setText(on && (p.asked() > 0 || p.running() || p.ended())
                        ? text(predicttext::score(p.answeredRight(), p.asked()))
                        : QString());
    markList();

    const Question* q = p.question();
    const auto& verdict = p.verdict();
    for (QPushButton* b : answers_) {
        b->hide();
        b->setEnabled(false);
        b->setStyleSheet(QString());
    }
    question_->setStyleSheet(QString());
    verdict_->clear();
    verdict_->setStyleSheet(QString());
    if (q != nullptr) {
        question_->setText(text(q->text));
        for (std::size_t i = 0; i < q->answers.size() && i < answers_.size(); ++i) {
            answers_[i]->setText(QStringLiteral("%1  %2").arg(i + 1).arg(text(q->answers[i])));
            answers_[i]->setEnabled(true);
            answers_[i]->show();
        }
        // The answer to the question before, about the same step; in an
        // exercise the refusal of the last try with its reason.
        if (verdict && !verdict->right && p.exercise()) {
            verdict_->setText(text(verdict->text) + QStringLiteral(": ") + text(verdict->why));
            verdict_->setStyleSheet(QStringLiteral("color: #b00000"));
        } else if (verdict) {
            verdict_->setText(text(verdict->text));
        }
        if (p.hint() && q->correct < static_cast<int>(answers_.size())) {
            answers_[static_cast<std::size_t>(q->correct)]->setStyleSheet(
                QStringLiteral("font-weight: bold; border: 2px solid #e07000"));
            verdict_->setText(verdict_->text() + QLatin1Char('\n') + utf8(exercise::text::hint));
            for (const Question::Place& place : q->places) {
                if (place.answer != q->correct || picture_ == nullptr) continue;
                const int zoom = picture_->zoom();
                const QPoint centre =
                    picture_->geometry().topLeft() + QPoint(place.x, place.y) * zoom / 100;
                const int r = 13 * zoom / 100;
                hintMark_->setGeometry(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
                hintMark_->show();
                hintMark_->raise();
            }
        }
        panel_->show();
        panel_->raise();
        showExercise();
        return;
    }
    // Going back to a step whose question was answered: the question with
    // the answer given and the correct one.
    const int current = p.current();
    const bool past = p.inPast() || p.reviewing();
    if (past && current >= 0 && !p.answersOf(current).empty()) {
        const Step& step = p.step(current);
        const std::vector<int>& given = p.answersOf(current);
        QString lines;
        for (std::size_t i = 0; i < given.size() && i < step.questions.size(); ++i) {
            const Question& asked = step.questions[i];
            const int g = given[i];
            lines += text(asked.text) + QLatin1Char('\n') + utf8(predicttext::given) +
                     text(asked.answers[static_cast<std::size_t>(g)]) + QStringLiteral(" - ") +
                     (g == asked.correct
                          ? utf8(predicttext::right)
                          : utf8(predicttext::wrong) +
                                text(asked.answers[static_cast<std::size_t>(asked.correct)])) +
                     QLatin1Char('\n');
        }
        question_->setText(lines.trimmed());
        panel_->show();
        panel_->raise();
        return;
    }
    if (exercising_ && finished_) {
        showExercise();
        return;
    }
    if (ended_ && p.ended() && p.asked() > 0) {
        question_->setText(text(predicttext::summary(p.answeredRight(), p.asked())));
        panel_->show();
        panel_->raise();
        return;
    }
    if ((on || exercising_) && p.running() && verdict && current == verdict->step) {
        question_->setText(text(verdict->text));
        verdict_->setText(text(verdict->why));
        question_->setStyleSheet(verdict->right ? QStringLiteral("color: #006400")
                                                : QStringLiteral("color: #b00000"));
        panel_->show();
        panel_->raise();
        showExercise();
        return;
    }
    question_->setStyleSheet(QString());
    if (exercising_) {
        question_->clear();
        showExercise();
        return;
    }
    panel_->hide();
}

void PredictionControls::markList() {
    if (steps_ == nullptr) return;
    const Playback& p = playback();
    for (int i = 0; i < steps_->count(); ++i) {
        QListWidgetItem* item = steps_->item(i);
        const bool wrong = p.wrongAt(i);
        item->setForeground(wrong ? QBrush(QColor(0xb0, 0, 0)) : QBrush());
        if (wrong && !item->toolTip().endsWith(utf8(predicttext::wrongEntry)))
            item->setToolTip(item->toolTip() + QStringLiteral(" - ") +
                             utf8(predicttext::wrongEntry));
    }
}

bool PredictionControls::eventFilter(QObject* watched, QEvent* event) {
    if (!playback().asking() || !page_->isVisible()) return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr || w->window() != page_->window()) return false;
        const int k = key->key();
        if (k >= Qt::Key_1 && k <= Qt::Key_5 && key->modifiers() == Qt::NoModifier) {
            const int index = k - Qt::Key_1;
            if (index < static_cast<int>(playback().question()->answers.size())) answer(index);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == picture_ && picture_ != nullptr) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint() * 100 / std::max(1, picture_->zoom());
        const auto chosen = playback().question()->answerAt(at.x(), at.y());
        if (!chosen) return false;
        answer(*chosen);
        return true;
    }
    return false;
}
