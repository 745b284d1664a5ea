// Every button of every page clicked with the page's structure at the largest
// size the program accepts, on the offscreen platform: the list, stack and
// queue with 65535 elements, the search tree and the AVL tree as full as
// insertion allows (63 keys, six levels) and as large as a file holds (65535
// keys; for the search tree also the chain of 65535 keys), the B-tree full on
// three levels and the n-ary tree of 32767 nodes (eight children a node, and
// the chain).
//
// How a click is measured: the page is put into its state before the click
// with the timer stopped and painted; then the timer runs from
// QAbstractButton::click() (the handler runs synchronously) over
// QApplication::processEvents() (posted layouts and update requests, which
// paint what changed) to QWidget::repaint() of the whole window, which paints
// every widget of the page synchronously into the backing store. A tab switch
// is QTabWidget::setCurrentWidget followed by the same two steps. A
// demonstration the click starts is played to its end on virtual timers,
// each step shown in both blink phases with the window's events handled, so
// an animated insertion or deletion counts the drawing of all its steps but
// none of the waiting between them.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/uibenchsupport.h"
#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/bayertreepage.h"
#include "ui/pages/listpage.h"
#include "ui/pages/ntreepage.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"
#include "workbench/ntreedemo.h"

namespace {

using namespace uibench;
Files files;
constexpr int kIterations = 5;

// The main window, shown, its demonstrations on virtual timers.
struct Window {
    QuietDialogs dialogs;
    VirtualTimers timers;
    TForm1 form{&dialogs, nullptr, TForm1::Building::everything, &timers};

    Window() {
        form.show();
        QApplication::processEvents();
    }

    QAbstractButton* button(const char* name) {
        auto* found = form.findChild<QAbstractButton*>(name);
        if (!found) std::fprintf(stderr, "no button %s\n", name);
        return found;
    }
    void type(const char* field, const QString& text) {
        form.findChild<QLineEdit*>(field)->setText(text);
    }
    // Presses the page's button outside the measurement (loading a file).
    void press(const char* name, const std::string& file = {}) {
        dialogs.file = file;
        button(name)->click();
        playToEnd(form, timers);
    }
    void paint() {
        QApplication::processEvents();
        form.repaint();
    }
};

// One measured click: the page in front, prepare before each click, then
// the button `name` (or, with none, the tab switch to `page`).
struct Click {
    std::string label;
    std::function<QWidget&(TForm1&)> page;
    std::function<void(Window&)> prepare;
    const char* button;
};

void runClick(benchmark::State& state, const Click& click) {
    Window window;
    QWidget& page = click.page(window.form);
    window.form.pageControl().setCurrentWidget(&page);
    for (auto _ : state) {
        state.PauseTiming();
        if (!click.button) {
            // Away to another page; the click comes back.
            QTabWidget& tabs = window.form.pageControl();
            tabs.setCurrentIndex(tabs.indexOf(&page) == 0 ? 1 : 0);
        }
        click.prepare(window);
        window.paint();
        QAbstractButton* button = click.button ? window.button(click.button) : nullptr;
        state.ResumeTiming();
        if (button) {
            button->click();
            playToEnd(window.form, window.timers);
        } else {
            window.form.pageControl().setCurrentWidget(&page);
        }
        window.paint();
    }
}

// --- The pages and their states ------------------------------------------------

QWidget& listPage(TForm1& form) { return form.listPage(); }
QWidget& stackPage(TForm1& form) { return form.stackPage(); }
QWidget& queuePage(TForm1& form) { return form.queuePage(); }
QWidget& searchPage(TForm1& form) { return form.searchTreePage(); }
QWidget& avlPage(TForm1& form) { return form.avlTreePage(); }
QWidget& bayerPage(TForm1& form) { return form.bayerTreePage(); }
QWidget& ntreePage(TForm1& form) { return form.ntreePage(); }

// The list of 65535 numbers (one fewer for Insert), the cursor in the middle.
std::function<void(Window&)> fullList(int count = kFull) {
    return [count](Window& w) {
        w.press("ButtonLLoad", files.listIntegers());
        TListe& list = w.form.listPage().list();
        while (list.count() > count) {
            list.moveTo(0);
            list.deleteElem();
        }
        list.moveTo(count / 2);
        w.form.listPage().showList();
        w.type("EditLEingabe", QStringLiteral("[4711]"));
    };
}

std::function<void(Window&)> fullStack(int count = kFull) {
    return [count](Window& w) {
        w.press("ButtonKLoad", files.stack());
        TLifo& stack = w.form.stackPage().stack();
        while (stack.count() > count) stack.pop();
        w.form.stackPage().refresh();
        w.type("EditKEingabe", QStringLiteral("neu"));
    };
}

std::function<void(Window&)> fullQueue(int count = kFull) {
    return [count](Window& w) {
        w.press("ButtonSLoad", files.queue());
        TFifo& queue = w.form.queuePage().queue();
        while (queue.count() > count) queue.remove();
        w.form.queuePage().refresh();
        w.type("EditSEingabe", QStringLiteral("neu"));
    };
}

// Keys 1..63 in the order that fills six levels (each subtree's middle
// first), without `missing`.
std::vector<int> sixLevelOrder(int missing) {
    std::vector<int> order;
    std::vector<std::pair<int, int>> ranges{{1, 63}};
    for (std::size_t at = 0; at < ranges.size(); ++at) {
        const auto [low, high] = ranges[at];
        if (low > high) continue;
        const int middle = (low + high) / 2;
        if (middle != missing) order.push_back(middle);
        ranges.emplace_back(low, middle - 1);
        ranges.emplace_back(middle + 1, high);
    }
    return order;
}

template <typename PageT>
std::function<void(Window&)> insertedTree(PageT& (TForm1::*pageOf)(), const char* clear,
                                          const char* entry, int missing, const char* typed) {
    return [=](Window& w) {
        w.press(clear);
        auto& tree = (w.form.*pageOf)().tree();
        for (int key : sixLevelOrder(missing)) tree.insertQuietly(std::to_string(key));
        tree.zeichne();
        w.type(entry, QString::fromLatin1(typed));
    };
}

std::function<void(Window&)> loaded(const char* load, std::string file, const char* entry = nullptr,
                                    const char* typed = nullptr) {
    return [=](Window& w) {
        w.press(load, file);
        if (entry) w.type(entry, QString::fromLatin1(typed));
    };
}

std::function<void(Window&)> loadedNtree(std::string file, const char* entry, const char* number) {
    return [=](Window& w) {
        w.press("ButtonNLoad", file);
        w.type("EditNEingabe", QString::fromLatin1(entry));
        w.type("EditNNummer", QString::fromLatin1(number));
    };
}

std::vector<Click> clicks() {
    std::vector<Click> all;
    const auto add = [&](std::string label, auto page, std::function<void(Window&)> prepare,
                         const char* button) {
        all.push_back(Click{std::move(label), page, std::move(prepare), button});
    };
    // Liste: 65535 numbers.
    add("Liste/Reset", listPage, fullList(), "ButtonLReset");
    add("Liste/Advance", listPage, fullList(), "ButtonLAdvance");
    add("Liste/Insert", listPage, fullList(kFull - 1), "ButtonLInsert");
    add("Liste/InsertFull", listPage, fullList(), "ButtonLInsert");
    add("Liste/FindElem", listPage, fullList(), "ButtonLFindElem");
    add("Liste/Update", listPage, fullList(), "ButtonLUpdate");
    add("Liste/Elem", listPage, fullList(), "ButtonLElem");
    add("Liste/Delete", listPage, fullList(), "ButtonLDelete");
    add("Liste/Clear", listPage, fullList(), "ButtonLClear");
    add("Liste/SortAscii", listPage, fullList(), "ButtonLSort");
    add(
        "Liste/Save", listPage,
        [](Window& w) {
            fullList()(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonLSave");
    add(
        "Liste/Load", listPage,
        [](Window& w) {
            fullList()(w);
            w.dialogs.file = files.listIntegers();
        },
        "ButtonLLoad");
    add(
        "Liste/LoadLongTexts66MB", listPage,
        [](Window& w) {
            w.press("ButtonLClear");
            w.dialogs.file = files.listLongTexts();
        },
        "ButtonLLoad");
    add(
        "Liste/SaveLongTexts66MB", listPage,
        [](Window& w) {
            if (w.form.listPage().list().count() != kFull)
                w.press("ButtonLLoad", files.listLongTexts());
            w.dialogs.file = files.scratch();
        },
        "ButtonLSave");
    add("Liste/GenerateRandom", listPage, fullList(), "BitBtnZufaellig");
    add("Liste/GenerateAscending", listPage, fullList(), "BitBtnAufsteigend");
    add("Liste/GenerateDescending", listPage, fullList(), "BitBtnAbsteigend");
    add("Liste/TabSwitch", listPage, fullList(), nullptr);
    // Stack and queue: 65535 strings.
    add("Stack/Push", stackPage, fullStack(kFull - 1), "ButtonKpush");
    add("Stack/Pop", stackPage, fullStack(), "ButtonKpop");
    add("Stack/Top", stackPage, fullStack(), "ButtonKtop");
    add("Stack/Clear", stackPage, fullStack(), "ButtonKclear");
    add(
        "Stack/Save", stackPage,
        [](Window& w) {
            fullStack()(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonKSave");
    add("Stack/Load", stackPage, fullStack(), "ButtonKLoad");
    add("Stack/TabSwitch", stackPage, fullStack(), nullptr);
    add("Queue/Insert", queuePage, fullQueue(kFull - 1), "ButtonSInsert");
    add("Queue/Delete", queuePage, fullQueue(), "ButtonSDelete");
    add("Queue/Front", queuePage, fullQueue(), "ButtonSFront");
    add("Queue/Clear", queuePage, fullQueue(), "ButtonSClear");
    add(
        "Queue/Save", queuePage,
        [](Window& w) {
            fullQueue()(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonSSave");
    add("Queue/Load", queuePage, fullQueue(), "ButtonSLoad");
    add("Queue/TabSwitch", queuePage, fullQueue(), nullptr);
    // Suchbaum: six full levels by insertion (63 keys) ...
    const auto search63 = [](int missing, const char* typed) {
        return insertedTree(&TForm1::searchTreePage, "ButtonTclear", "EditTEingabe", missing,
                            typed);
    };
    add("Suchbaum63/Insert", searchPage, search63(1, "1"), "ButtonTinsert");
    add("Suchbaum63/Delete", searchPage, search63(0, "32"), "ButtonTdelete");
    add("Suchbaum63/Lookup", searchPage, search63(0, "1"), "ButtonTlookup");
    add("Suchbaum63/Levels", searchPage, search63(0, "1"), "BitBtnEbene");
    add("Suchbaum63/Balance", searchPage, search63(1, "1"), "ButtonTBalance");
    add("Suchbaum63/Clear", searchPage, search63(0, "1"), "ButtonTclear");
    // ... and the largest files: 65535 keys, bushy and as a chain.
    const std::string tdt = files.searchTree();
    const std::string chain = files.searchChain();
    add("Suchbaum65535/Load", searchPage, loaded("ButtonTload", tdt), "ButtonTload");
    add(
        "Suchbaum65535/Save", searchPage,
        [tdt](Window& w) {
            loaded("ButtonTload", tdt)(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonTsave");
    add("Suchbaum65535/Delete", searchPage, loaded("ButtonTload", tdt, "EditTEingabe", "50"),
        "ButtonTdelete");
    add("Suchbaum65535/InsertPresent", searchPage, loaded("ButtonTload", tdt, "EditTEingabe", "50"),
        "ButtonTinsert");
    add("Suchbaum65535/Lookup", searchPage, loaded("ButtonTload", tdt, "EditTEingabe", "50"),
        "ButtonTlookup");
    add("Suchbaum65535/Levels", searchPage, loaded("ButtonTload", tdt), "BitBtnEbene");
    add("Suchbaum65535/Balance", searchPage, loaded("ButtonTload", tdt), "ButtonTBalance");
    add("Suchbaum65535/Clear", searchPage, loaded("ButtonTload", tdt), "ButtonTclear");
    add("Suchbaum65535/TabSwitch", searchPage, loaded("ButtonTload", tdt), nullptr);
    add("Suchbaumkette65535/Load", searchPage, loaded("ButtonTload", chain), "ButtonTload");
    add("Suchbaumkette65535/Balance", searchPage, loaded("ButtonTload", chain), "ButtonTBalance");
    add("Suchbaumkette65535/Levels", searchPage, loaded("ButtonTload", chain), "BitBtnEbene");
    add("Suchbaumkette65535/Delete", searchPage, loaded("ButtonTload", chain, "EditTEingabe", "50"),
        "ButtonTdelete");
    add("Suchbaumkette65535/Clear", searchPage, loaded("ButtonTload", chain), "ButtonTclear");
    // AVL-Baum.
    const auto avl63 = [](int missing, const char* typed) {
        return insertedTree(&TForm1::avlTreePage, "ButtonAClear", "EditAEingabe", missing, typed);
    };
    add("AVL63/Insert", avlPage, avl63(1, "1"), "ButtonAInsert");
    add("AVL63/Delete", avlPage, avl63(0, "32"), "ButtonADelete");
    add("AVL63/Lookup", avlPage, avl63(0, "1"), "ButtonAlookup");
    add("AVL63/Clear", avlPage, avl63(0, "1"), "ButtonAClear");
    const std::string adt = files.avlTree();
    add("AVL65535/Load", avlPage, loaded("ButtonAload", adt), "ButtonAload");
    add(
        "AVL65535/Save", avlPage,
        [adt](Window& w) {
            loaded("ButtonAload", adt)(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonAsave");
    add("AVL65535/Delete", avlPage, loaded("ButtonAload", adt, "EditAEingabe", "50"),
        "ButtonADelete");
    add("AVL65535/Lookup", avlPage, loaded("ButtonAload", adt, "EditAEingabe", "50"),
        "ButtonAlookup");
    add("AVL65535/Clear", avlPage, loaded("ButtonAload", adt), "ButtonAClear");
    add("AVL65535/TabSwitch", avlPage, loaded("ButtonAload", adt), nullptr);
    // BayerBaum, full on three levels (124 keys 10, 20, ..., 1240).
    const std::string bdt = files.bayerTree();
    add("BayerBaum124/Load", bayerPage, loaded("ButtonBload", bdt), "ButtonBload");
    add(
        "BayerBaum124/Save", bayerPage,
        [bdt](Window& w) {
            loaded("ButtonBload", bdt)(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonBsave");
    add("BayerBaum124/InsertFull", bayerPage, loaded("ButtonBload", bdt, "EditBEingabe", "15"),
        "ButtonBInsert");
    add("BayerBaum124/Delete", bayerPage, loaded("ButtonBload", bdt, "EditBEingabe", "10"),
        "ButtonBDelete");
    add("BayerBaum124/Lookup", bayerPage, loaded("ButtonBload", bdt, "EditBEingabe", "90"),
        "ButtonBlookup");
    add("BayerBaum124/Clear", bayerPage, loaded("ButtonBload", bdt), "ButtonBClear");
    add("BayerBaum124/TabSwitch", bayerPage, loaded("ButtonBload", bdt), nullptr);
    // NBaum: 32767 nodes, eight children a node, and the chain.
    const std::string ndt = files.ntree();
    const std::string nchain = files.ntreeChain();
    add("NBaum32767/Load", ntreePage, loadedNtree(ndt, "neu", "0"), "ButtonNLoad");
    add(
        "NBaum32767/Save", ntreePage,
        [ndt](Window& w) {
            loadedNtree(ndt, "neu", "0")(w);
            w.dialogs.file = files.scratch();
        },
        "ButtonNSave");
    add("NBaum32767/InsertChildN", ntreePage, loadedNtree(ndt, "neu", "8"), "ButtonNInsert");
    add("NBaum32767/DeleteChildN", ntreePage, loadedNtree(ndt, "neu", "7"), "ButtonNDelete");
    add("NBaum32767/GetChildN", ntreePage, loadedNtree(ndt, "neu", "7"), "ButtonNGet");
    add("NBaum32767/Reset", ntreePage, loadedNtree(ndt, "neu", "0"), "ButtonNReset");
    add("NBaum32767/LookUp", ntreePage, loadedNtree(ndt, "K32766", "0"), "ButtonNLookUp");
    add("NBaum32767/Clear", ntreePage, loadedNtree(ndt, "neu", "0"), "ButtonNClear");
    add("NBaum32767/TabSwitch", ntreePage, loadedNtree(ndt, "neu", "0"), nullptr);
    add("NBaumkette32767/Load", ntreePage, loadedNtree(nchain, "neu", "0"), "ButtonNLoad");
    add("NBaumkette32767/InsertChildN", ntreePage, loadedNtree(nchain, "neu", "1"),
        "ButtonNInsert");
    add("NBaumkette32767/GetChildN", ntreePage, loadedNtree(nchain, "neu", "0"), "ButtonNGet");
    add("NBaumkette32767/Clear", ntreePage, loadedNtree(nchain, "neu", "0"), "ButtonNClear");
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    {
        // The window registers the element classes the files are made of.
        TForm1 registering;
    }
    files = makeFiles(false);
    for (const Click& click : clicks()) {
        benchmark::RegisterBenchmark(click.label.c_str(),
                                     [click](benchmark::State& state) { runClick(state, click); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kIterations);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(files.dir);
    return 0;
}
