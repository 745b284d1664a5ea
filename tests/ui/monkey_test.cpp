// The monkey: a seeded stream of random user actions on the main window and
// its sort and about windows. It clicks every enabled visible button, types
// numbers at and beyond the limits, negatives, text and umlauts into the entry
// fields and spin boxes, presses keys, switches pages, activates and closes
// windows, answers the file dialogs with files in a temporary folder (or
// cancels them) and the sequence dialog with typed or random numbers. The
// widgets are found by type, so new controls take part without being listed.
// The demonstrations play on virtual timers: between actions the monkey now
// and then lets time pass (blink phases, "Abspielen"), so "Weiter", "Ende"
// and everything else the window allows while a step waits are pressed in
// the middle of the demonstrations. Closing the main window or "Beenden"
// ends the running demonstration, and the monkey goes on in a new main
// window.
//
// After every action outside a demonstration each structure must pass its
// invariant check, the main window must be locked exactly while the sort
// window is open, and no handler may have ended in "Unbekannter Fehler";
// while a tree page demonstrates the window stays locked; no demonstration
// may begin while a step of another one waits. A crash, a sanitizer report
// or a fatal stop ends the process and so fails the test.
// TESSARO_MONKEY_SEED and TESSARO_MONKEY_EVENTS replay another run;
// TESSARO_MONKEY_TRACE=1 prints every action and every dialog.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <random>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/listdemo.h"
#include "tests/ui/pagefixture.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/bayertreepage.h"
#include "ui/pages/listpage.h"
#include "ui/pages/ntreepage.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/guard.h"
#include "ui/platform/stepplayer.h"
#include "workbench/ntreedemo.h"

namespace {

constexpr std::uint32_t kDefaultSeed = 20261208;
constexpr long kDefaultEvents = 3000;

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value >= 0 ? value : fallback;
}

// What identifies a running demonstration: its first step's picture pieces
// or lists, which a demonstration makes for itself (held, so that no later
// one can reuse their place).
std::shared_ptr<const void> identity(const Playback& playback) {
    if (playback.size() == 0) return nullptr;
    const Step& first = playback.step(0);
    if (!first.picture.canvas.empty()) return first.picture.canvas.front();
    for (const auto& list : first.lists)
        if (list) return list;
    return nullptr;
}

const char* const kExtensions[] = {"ldt", "kdt", "sdt", "tdt", "adt", "bdt", "ndt"};

// Entries at the limits of the pages' ranges and beyond them, and text.
const char* const kEntries[] = {
    "",
    "0",
    "1",
    "2",
    "98",
    "99",
    "100",
    "101",
    "-1",
    "-99",
    "-100",
    "32767",
    "32768",
    "-32768",
    "65535",
    "65536",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "4294967296",
    "9223372036854775807",
    "99999999999999999999999999",
    "1e9",
    "3.14",
    "3,14",
    "+5",
    "--3",
    "0x1F",
    " 7",
    "7 ",
    "1 2",
    "abc",
    "Zeichenkette",
    "Äpfel",
    "Größe",
    "Übermaß",
    "äöüÄÖÜß",
    "€",
    "日本",
    "a\tb",
    "Liste;Keller,Schlange",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ",
};

const Qt::Key kKeys[] = {Qt::Key_Return,  Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Tab,
                         Qt::Key_Backtab, Qt::Key_Space,    Qt::Key_Up,     Qt::Key_Down,
                         Qt::Key_Left,    Qt::Key_Right,    Qt::Key_Home,   Qt::Key_End,
                         Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_Backspace,
                         Qt::Key_5,       Qt::Key_Minus};

class MonkeyTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        seed_ = static_cast<std::uint32_t>(environmentNumber("TESSARO_MONKEY_SEED", kDefaultSeed));
        events_ = environmentNumber("TESSARO_MONKEY_EVENTS", kDefaultEvents);
        trace_ = environmentNumber("TESSARO_MONKEY_TRACE", 0) != 0;
        rng_.seed(seed_);
        std::cout << "monkey: seed " << seed_ << ", " << events_
                  << " events; replay with TESSARO_MONKEY_SEED=" << seed_
                  << " TESSARO_MONKEY_EVENTS=" << events_ << std::endl;

        // A file of random bytes for each extension, beside the saved ones.
        for (const char* ext : kExtensions) {
            std::string junk;
            for (int k = pick(0, 200); k > 0; --k) junk += static_cast<char>(pick(0, 255));
            writeFile(path((std::string("zufall.") + ext).c_str()), junk);
        }
        dialogs.chooseFile = [this](std::string_view ext) { return chooseFile(ext); };
        dialogs.chooseSequence = [this]() { return chooseSequence(); };
        adopt();
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return pick(1, 100) <= percent; }
    template <typename T>
    T* pickOf(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[pick(0, static_cast<int>(items.size()) - 1)];
    }

    // The window made by SetUp or after a close: quitting is noted, and the
    // window's random numbers are seeded.
    void adopt() {
        form->setQuitHandler([this] { closing_ = true; });
        form->random().seed(seed_ + static_cast<std::uint32_t>(windows_));
        ++windows_;
        seen_.clear();
    }
    void renewWindow() {
        form.reset();
        closing_ = false;
        form = std::make_unique<TForm1>(&dialogs, nullptr, TForm1::Building::everything, &timers);
        form->show();
        form->activateWindow();
        QCoreApplication::processEvents();
        adopt();
    }

    std::string chooseFile(std::string_view ext) {
        const int roll = pick(1, 100);
        if (roll <= 15) return {};  // cancelled
        std::string name = "datei" + std::to_string(pick(0, 2)) + ".";
        if (roll <= 70) return path((name + std::string(ext)).c_str());
        if (roll <= 80) return path((name + kExtensions[pick(0, 6)]).c_str());
        if (roll <= 88) return path((std::string("zufall.") + std::string(ext)).c_str());
        if (roll <= 94) return path("fehlt/datei");
        return dir.string();  // a folder
    }
    std::optional<NumberSequenceRequest> chooseSequence() {
        const int roll = pick(1, 100);
        if (roll <= 30) return std::nullopt;
        NumberSequenceRequest request;
        if (roll <= 60) {
            request.randomCount = pick(1, 99);
        } else {
            for (int k = pick(0, 12); k > 0; --k)
                request.numbers += entry().toStdString() + (chance(50) ? " " : ",");
        }
        return request;
    }

    QString entry() {
        const int roll = pick(1, 100);
        if (roll <= 55)
            return QString::fromUtf8(kEntries[pick(0, static_cast<int>(std::size(kEntries)) - 1)]);
        if (roll <= 85) return QString::number(pick(-150, 150));
        QString digits;
        for (int k = pick(1, 30); k > 0; --k) digits += QChar('0' + pick(0, 9));
        return digits;
    }

    // What a user can reach now: enabled visible widgets of the main window
    // and of its windows, in creation order.
    template <typename T>
    std::vector<T*> usable() {
        std::vector<T*> found;
        for (T* w : form->findChildren<T*>()) {
            if (!w->isVisible() || !w->isEnabled()) continue;
            if (w->parentWidget() && (w->parentWidget()->inherits("QTabBar") ||
                                      w->parentWidget()->inherits("QAbstractSpinBox")))
                continue;
            found.push_back(w);
        }
        return found;
    }
    std::vector<QWidget*> windows() {
        std::vector<QWidget*> found;
        if (form->isVisible()) found.push_back(form.get());
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->isWindow() && w->isVisible()) found.push_back(w);
        return found;
    }

    void note(const std::string& what) {
        if (!trace_) return;
        std::cerr << "monkey " << done_ << (demonstrating() ? " (in a step)" : "") << ": " << what
                  << std::endl;
    }
    static std::string nameOf(const QWidget* w) {
        return w->objectName().isEmpty() ? w->metaObject()->className()
                                         : w->objectName().toStdString();
    }

    // Types text into the widget: key by key (a character off the keyboard
    // comes as a key event with that text), or pasted.
    void typeInto(QWidget* w, const QString& text) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        if (chance(80)) {
            for (QChar c : text) {
                if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
                    QTest::keyClick(w, static_cast<char>(c.unicode()));
                    continue;
                }
                const int key = c.unicode() >= 0xA0 && c.unicode() <= 0xFF
                                    ? int(c.toUpper().unicode())
                                    : static_cast<int>(Qt::Key_unknown);
                for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                    QKeyEvent event(type, key, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(w, &event);
                }
            }
        } else {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        }
        if (chance(35)) QTest::keyClick(w, chance(50) ? Qt::Key_Return : Qt::Key_Enter);
    }

    // A mnemonic clicks its button a moment after the key (a timer); the
    // click falls before the monkey's next action, which may be one in a
    // step of a demonstration started meanwhile. At that fixed point, so that
    // a run replays alike: the wait ends when the button is up again.
    void letPendingClickFall() {
        if (!pendingClick_) return;
        QPointer<QAbstractButton> button = pendingClick_;
        pendingClick_ = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button || !button->isDown(); }, 5000))
            << "a mnemonic click did not fall, after action " << done_ << ", seed " << seed_;
    }

    // One action of the monkey.
    void act() {
        letPendingClickFall();
        ++done_;
        const int roll = pick(1, 100);
        if (roll <= 42) {
            // The menu panel's tool buttons ("Info", "Beenden") seldom: each
            // "Beenden" ends this window's run.
            std::vector<QAbstractButton*> buttons;
            const bool toolButtons = chance(3);
            for (QAbstractButton* b : usable<QAbstractButton>())
                if ((qobject_cast<QToolButton*>(b) != nullptr) == toolButtons) buttons.push_back(b);
            if (auto* b = pickOf(buttons)) {
                // A button with a menu opens it: the monkey chooses an entry
                // as the user would (the open menu would wait for one).
                auto* menu = qobject_cast<QPushButton*>(b) ? b->findChild<QMenu*>() : nullptr;
                if (menu && chance(50)) {
                    const QList<QAction*> entries = menu->actions();
                    if (entries.isEmpty()) return;
                    QAction* entry = entries[pick(0, static_cast<int>(entries.size()) - 1)];
                    note("choose \"" + entry->text().toStdString() + "\" of " + nameOf(b));
                    entry->trigger();
                    return;
                }
                note("click " + nameOf(b));
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
                return;
            }
        } else if (roll <= 64) {
            std::vector<QWidget*> fields;
            for (QLineEdit* e : usable<QLineEdit>())
                if (!e->isReadOnly()) fields.push_back(e);
            for (QAbstractSpinBox* s : usable<QAbstractSpinBox>()) fields.push_back(s);
            if (QWidget* w = pickOf(fields)) {
                const QString text = entry();
                note("type \"" + text.toStdString() + "\" into " + nameOf(w));
                typeInto(w, text);
                return;
            }
        } else if (roll <= 72) {
            if (QTabWidget* tabs = pickOf(usable<QTabWidget>())) {
                const int index = pick(0, tabs->count() - 1);
                note("tab " + std::to_string(index) + " of " + nameOf(tabs));
                QTabBar* bar = tabs->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
                return;
            }
        } else if (roll <= 77) {
            if (QWidget* w = pickOf(windows())) {
                note("activate " + nameOf(w));
                w->activateWindow();
                QCoreApplication::processEvents();
                return;
            }
        } else if (roll <= 79) {
            if (QWidget* w = pickOf(windows())) {
                // The main window only now and then: closing it ends the run
                // of this window; while a step waits always, as that close
                // has to end the demonstration too.
                if (w != form.get() || demonstrating() || chance(25)) {
                    note("close " + nameOf(w));
                    w->close();
                    QCoreApplication::processEvents();
                    return;
                }
            }
        }
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != form.get()) target = pickOf(windows());
        if (!target) target = form.get();
        if (chance(20)) {
            const auto letter = static_cast<Qt::Key>(Qt::Key_A + pick(0, 25));
            note("Alt+" + std::string(1, static_cast<char>('A' + (letter - Qt::Key_A))) + " on " +
                 nameOf(target));
            QTest::keyClick(target, letter, Qt::AltModifier);
            for (QAbstractButton* b : usable<QAbstractButton>())
                if (b->isDown()) pendingClick_ = b;
        } else {
            const Qt::Key key = kKeys[pick(0, static_cast<int>(std::size(kKeys)) - 1)];
            note("key " + QKeySequence(key).toString().toStdString() + " on " + nameOf(target));
            QTest::keyClick(target, key);
        }
    }

    // The players of the window: the tree pages' and the sort window's.
    QList<StepPlayer*> players() { return form->findChildren<StepPlayer*>(); }
    bool demonstrating() {
        const auto all = players();
        return std::any_of(all.begin(), all.end(), [](StepPlayer* p) { return p->running(); });
    }
    bool treeDemonstrating() {
        for (StepPlayer* p : players())
            if (p->running() && !qobject_cast<TFormDemo*>(p->parent())) return true;
        return false;
    }

    // Time passes on the players' clock: a few blink phases or play steps,
    // or as much time as a student looks at a step.
    void letTimePass() {
        if (!demonstrating()) return;
        if (chance(50)) {
            for (int k = pick(1, 4); k > 0; --k) timers.runNext();
        } else {
            timers.advance(pick(0, 3000));
        }
    }

    // Empty when no demonstration began while a step of another one waited:
    // at most one runs, and one that runs on is the one that ran before.
    std::string overtaken() {
        std::string problem;
        int running = 0;
        for (StepPlayer* p : players()) {
            if (!p->running()) {
                seen_.erase(p);
                continue;
            }
            ++running;
            const auto now = identity(p->playback());
            const auto before = seen_.find(p);
            // A first step still held behind its questions is not known yet.
            if (before != seen_.end() && before->second && before->second != now)
                problem += " " + nameOf(qobject_cast<QWidget*>(p->parent())) + " started anew";
            seen_[p] = now;
        }
        if (running > 1) problem += " " + std::to_string(running) + " demonstrations run";
        return problem;
    }

    // Once every action is done, the running demonstration is ended as a
    // user would: "Weiter" through the steps, the sort's "Ende".
    void finishDemonstrations() {
        for (int k = 0; k < 100000 && demonstrating(); ++k) {
            auto* sortWindow = form->findChild<TFormDemo*>("TFormDemo");
            if (sortWindow && sortWindow->player().running()) {
                QTest::mouseClick(sortWindow->findChild<QPushButton*>("BitBtnEnde"),
                                  Qt::LeftButton);
                continue;
            }
            for (StepPlayer* p : players())
                if (p->running()) p->weiter();
            timers.runNext();
        }
    }

    // Empty when every structure passes its invariant check.
    std::string brokenStructures() {
        std::string broken;
        if (!form->listPage().list().verify()) broken += " Liste";
        if (!form->stackPage().stack().verify()) broken += " Keller";
        if (!form->queuePage().queue().verify()) broken += " Schlange";
        if (!form->searchTreePage().tree().verify()) broken += " Suchbaum";
        if (!form->avlTreePage().tree().verify()) broken += " AVL-Baum";
        if (!form->bayerTreePage().tree().verify()) broken += " BayerBaum";
        if (!form->ntreePage().tree().verify()) broken += " NBaum";
        return broken;
    }
    // Empty when the main window is locked exactly while the sort window is
    // open: every page and the menu buttons usable otherwise.
    std::string lockProblem() {
        const bool sortOpen = form->findChild<TFormDemo*>("TFormDemo")->isVisible();
        auto* ende = form->findChild<QToolButton*>("SpeedButtonEnde");
        if (sortOpen) return ende->isEnabled() ? "sort window open, window unlocked" : "";
        std::string problem;
        if (!ende->isEnabled()) problem += " SpeedButtonEnde";
        QTabWidget& pages = form->pageControl();
        for (int i = 0; i < pages.count(); ++i)
            if (!pages.isTabEnabled(i) || !pages.widget(i)->isEnabled())
                problem += " " + nameOf(pages.widget(i));
        return problem.empty() ? "" : "locked:" + problem;
    }
    void checkWindow() {
        ASSERT_EQ(overtaken(), "") << "after action " << done_ << ", seed " << seed_;
        if (treeDemonstrating()) {
            // The tree page's demonstration keeps the window locked.
            ASSERT_FALSE(form->findChild<QToolButton*>("SpeedButtonEnde")->isEnabled())
                << "after action " << done_ << ", seed " << seed_;
        } else if (!demonstrating()) {
            ASSERT_EQ(brokenStructures(), "") << "after action " << done_ << ", seed " << seed_;
            ASSERT_EQ(lockProblem(), "") << "after action " << done_ << ", seed " << seed_;
        }
        for (const std::string& line : dialogs.take()) {
            note(line);
            ASSERT_NE(line, std::string("errorBox: ") + guardtext::unknown)
                << "after action " << done_ << ", seed " << seed_;
        }
    }

    QPointer<QAbstractButton> pendingClick_;
    bool closing_ = false;
    // The running demonstrations as last seen, by player.
    std::map<StepPlayer*, std::shared_ptr<const void>> seen_;
    std::mt19937 rng_;
    std::uint32_t seed_ = kDefaultSeed;
    long events_ = kDefaultEvents;
    long done_ = 0;
    int windows_ = 0;
    bool trace_ = false;
};

TEST_F(MonkeyTest, RandomActionsKeepEveryStructureValidAndTheWindowUsable) {
    int closed = 0;
    long inSteps = 0;       // actions made while a step waited
    int closedInSteps = 0;  // of the closes, those while a step waited
    while (done_ < events_) {
        const bool inStep = demonstrating();
        if (inStep) ++inSteps;
        act();
        if (closing_) {
            ++closed;
            if (inStep) ++closedInSteps;
            // Closing ended the demonstration at once, with whole structures.
            ASSERT_FALSE(demonstrating()) << "after action " << done_ << ", seed " << seed_;
            ASSERT_EQ(brokenStructures(), "") << "after action " << done_ << ", seed " << seed_;
            renewWindow();
        }
        checkWindow();
        if (HasFatalFailure()) return;
        if (chance(25)) letTimePass();
        checkWindow();
        if (HasFatalFailure()) return;
    }
    letPendingClickFall();
    finishDemonstrations();
    EXPECT_FALSE(demonstrating());
    checkWindow();
    EXPECT_EQ(done_, events_);
    EXPECT_GT(inSteps, 0) << "no action was made while a step waited, seed " << seed_;
    std::cout << "monkey: " << done_ << " actions (" << inSteps << " while a step waited), "
              << windows_ << " main windows (" << closed << " closed, " << closedInSteps
              << " of them while a step waited)" << std::endl;
}

}  // namespace
