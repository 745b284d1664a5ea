// PageFixture: a shown main window with FakeDialogs, driven by object names
// the way a user drives it: type into fields, click buttons, read memos. The
// step players run on virtual timers: a test lets their time pass itself.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "demo/virtualtimers.h"
#include "tests/ui/fakedialogs.h"
#include "ui/pages/tform1.h"
#include "ui/widgets/memoview.h"

class PageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(&dialogs, nullptr, TForm1::Building::everything, &timers);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        dir = std::filesystem::temp_directory_path() /
              ("tessaro-ui-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        form.reset();
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::filesystem::remove_all(dir);
    }

    template <typename T>
    T* find(const char* name) {
        T* w = form->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    void showPage(const char* name) { form->pageControl().setCurrentWidget(find<QWidget>(name)); }
    void click(const char* name) {
        auto* b = find<QAbstractButton>(name);
        ASSERT_TRUE(b);
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        if (afterClick) afterClick();
    }
    void type(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
    std::string field(const char* name) { return find<QLineEdit>(name)->text().toStdString(); }
    // The text of a memo: a MemoView (list, stack, queue) or a text edit.
    std::string memo(const char* name) {
        if (auto* view = form->findChild<MemoView*>(name)) return view->toPlainText().toStdString();
        return find<QPlainTextEdit>(name)->toPlainText().toStdString();
    }
    bool hasFocus(const char* name) { return QApplication::focusWidget() == find<QWidget>(name); }

    std::string path(const char* file) const { return (dir / file).string(); }
    static std::string readFile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void writeFile(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    FakeDialogs dialogs;
    VirtualTimers timers;
    std::unique_ptr<TForm1> form;
    std::filesystem::path dir;
    // Runs after every click (a fixture plays a demonstration the click
    // started).
    std::function<void()> afterClick;
};

// Bytes from a table of hexadecimal numbers.
inline std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}
