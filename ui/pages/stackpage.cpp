#include "ui/pages/stackpage.h"

#include <QAbstractButton>
#include <QKeySequence>

#include "linear/displaystrings.h"
#include "ui/widgets/widgetfactory.h"

namespace {

const LinearPage::Design kDesign = {
    "TabSheetKeller",
    {"LabelKEingabe", 32, 40, 0, 0},
    {"EditKEingabe", 32, 56, 105, 21},
    {"PanelKeller", 32, 116, 105, 209},
    {{"ButtonKpush", "&Push"},
     {"ButtonKpop", "&Pop"},
     {"ButtonKtop", "&Top"},
     {"ButtonKclear", "&Clear"},
     {"ButtonKSave", "&Save"},
     {"ButtonKLoad", "&Load"}},
    {"Memolifo", 272, 20, 185, 281},
    {"LabelKAnz", 152, 168, 79, 13},
    {"EditKAnz", 152, 184, 89, 21},
    stacktext::empty,
    stacktext::extension,
    stacktext::filter,
};

}  // namespace

StackPage::StackPage(PageHost& host, QWidget* parent)
    : LinearPage(host, kDesign, parent), stack_(std::make_unique<TLifo>()) {
    // "&Push" and "&Pop" share their letter: Alt+P stays with "Push", the
    // first of them, and "Pop" has a key of its own.
    auto* pop = findChild<QAbstractButton*>(kDesign.buttons[1][0]);
    pop->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
    pop->setToolTip(utf8("Nimmt das oberste Element vom Keller (Alt+O)"));
}

void StackPage::writeStructure(TextOutput& lines) const { stack_->write(lines); }

void StackPage::putString(std::string text) {
    stack_->push(std::make_unique<TLifoString>(std::move(text)));
}
