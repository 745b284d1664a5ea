#include "ui/pages/listpage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringView>
#include <algorithm>

#include "elements/base.h"
#include "elements/elementtext.h"
#include "elements/messages.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"
#include "linear/liste.h"
#include "ui/pages/examplesmenu.h"
#include "ui/pages/pagehost.h"
#include "ui/pages/pagepicture.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/paintersurface.h"
#include "ui/widgets/memoview.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/entrysyntax.h"
#include "workbench/examples.h"
#include "workbench/listgeneration.h"

namespace {

// The count field of the generators: it takes any digits while they are typed
// (QSpinBox refuses a keystroke that passes the maximum: "65535" would become
// "65"); a number out of range becomes the nearest bound when the field loses
// the focus or a generator reads it.
class CountSpinBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    QValidator::State validate(QString& text, int& pos) const override {
        if (!allDigits(text)) return QSpinBox::validate(text, pos);
        return clamped(text) == text ? QValidator::Acceptable : QValidator::Intermediate;
    }
    void fixup(QString& input) const override {
        if (allDigits(input)) {
            input = clamped(input);
        } else {
            QSpinBox::fixup(input);
        }
    }

private:
    static bool allDigits(const QString& text) {
        if (text.isEmpty()) return false;
        for (const QChar c : text)
            if (c < u'0' || c > u'9') return false;
        return true;
    }
    // The digits as the number in range nearest to them, as text.
    QString clamped(const QString& digits) const {
        QStringView significant(digits);
        while (significant.size() > 1 && significant.front() == u'0')
            significant = significant.mid(1);
        // More than nine digits are beyond every bound.
        const int value = significant.size() > 9 ? maximum() : significant.toInt();
        return QString::number(std::clamp(value, minimum(), maximum()));
    }
};

}  // namespace

ListPage::ListPage(PageHost& host, QWidget* parent)
    : QWidget(parent),
      UndoablePage(static_cast<QWidget&>(*this)),
      host_(host),
      list_(std::make_unique<TListDemo>()) {
    setObjectName("TabSheetListe");
    using namespace widgets;

    // The picture: the elements as the memo shows them, the cursor between
    // them; of a long list only the elements the picture draws are taken.
    installPictureActions(*this, host_, [this] {
        TListe& list = *list_;
        const std::uint16_t position = list.position();
        const std::size_t drawn = std::min<std::size_t>(list.count(), structurepicture::kMostShown);
        std::vector<std::string> values;
        values.reserve(drawn);
        for (list.reset(); values.size() < drawn; list.advance())
            values.push_back(elementtext::memoText(*list.elem()));
        list.moveTo(position);
        PainterSurface measure(nullptr, 0, 0);
        return structurepicture::linearPicture(structurepicture::Row::list, values, list.count(),
                                               position, &measure);
    });

    label(this, "LabelLEingabe", utf8("Eingabe (String oder Integer)"), 8, 5);
    editEingabe_ = edit(this, "EditLEingabe", 8, 21, 121);

    auto* group = groupBox(this, "GroupBoxListe", utf8("Eingabeauswahl"), 160, 8, 129, 65);
    radioString_ = radio(group, "RadioButtonString", utf8("String-Eingabe"), 8, 18, 117, true);
    radioInteger_ = radio(group, "RadioButtonInteger", utf8("Integer-Eingabe"), 8, 40, 117, false);

    auto* panelListe = panel(this, "PanelListe", 8, 51, 113, 406);
    const ButtonRow<ListPage> buttons[] = {
        {"ButtonLReset", "&Reset", &ListPage::ButtonLResetClick},
        {"ButtonLAdvance", "&Advance", &ListPage::ButtonLAdvanceClick},
        {"ButtonLInsert", "&Insert", &ListPage::ButtonLInsertClick},
        {"ButtonLFindElem", "&FindElem", &ListPage::ButtonLFindElemClick},
        {"ButtonLUpdate", "&Update", &ListPage::ButtonLUpdateClick},
        {"ButtonLElem", "&Elem", &ListPage::ButtonLElemClick},
        {"ButtonLDelete", "&Delete", &ListPage::ButtonLDeleteClick},
        {"ButtonLClear", "&Clear", &ListPage::ButtonLClearClick},
        {"ButtonLSave", "&Save", &ListPage::ButtonLSaveClick},
        {"ButtonLLoad", "&Load", &ListPage::ButtonLLoadClick},
        {"ButtonLSort", "Sor&t (ASCII)", &ListPage::ButtonLSortClick},
        {"BitBtnLSortdemo", "Sort-Demo", &ListPage::BitBtnLSortdemoClick},
    };
    buttonColumn(panelListe, this, buttons, 12, 12, 89, 25);
    installEntryKeys(editEingabe_, panelListe->findChild<QAbstractButton*>("ButtonLInsert"));

    label(this, "LabelCurrent", utf8("Current"), 144, 104);
    editCurrent_ = edit(this, "EditLCurrent", 144, 120, 81, 21, true);
    editCurrent_->setText("0");
    label(this, "LabelLAnz", utf8("Anzahl Elemente"), 144, 160);
    editAnz_ = edit(this, "EditLAnz", 144, 176, 81, 21, true);

    memo_ = memoView(this, "MemoListe", 296, 16, 185, 298, ScrollBars::vertical);

    label(this, "LabelLInfo",
          utf8("In der Liste können Exemplare der Klassen TString und TInteger gespeichert "
               "werden. Die Integer-Werte werden durch eckige Klammern gekennzeichnet.        "
               "Der Zeiger steht jeweils vor dem aktuellen Element."),
          496, 16, 160, 134);

    auto* create = groupBox(this, "GroupBoxListeErzeugen", utf8("Liste mit Integer erzeugen"), 496,
                            152, 161, 257);
    label(create, "LabelLAnzahl", utf8("Anzahl der Elemente (2 bis 100)"), 8, 18, 145, 30);
    spinAnzahl_ = new CountSpinBox(create);
    spinAnzahl_->setObjectName("SpinEditLAnzahl");
    spinAnzahl_->setGeometry(8, 50, 57, 22);
    spinAnzahl_->setRange(listgeneration::kMinCount, listgeneration::kMaxCount);
    spinAnzahl_->setValue(8);
    spinAnzahl_->setFocusPolicy(Qt::ClickFocus);
    radioDoppelt_ = radio(create, "RadioButtondoppelt", utf8("Doppelungen"), 8, 82, 145, true);
    radioKeineDoppelt_ =
        radio(create, "RadioButtonKeineDoppelt", utf8("keine Doppelungen"), 8, 104, 145, false);
    auto* zufaellig = button(create, "BitBtnZufaellig", utf8("Zufällig"), 8, 134, 105, 25);
    auto* aufsteigend = button(create, "BitBtnAufsteigend", utf8("Aufsteigend"), 8, 166, 105, 25);
    auto* absteigend = button(create, "BitBtnAbsteigend", utf8("Absteigend"), 8, 198, 105, 25);
    connect(zufaellig, &QPushButton::clicked, this, &ListPage::BitBtnZufaelligClick);
    connect(aufsteigend, &QPushButton::clicked, this, &ListPage::BitBtnAufsteigendClick);
    connect(absteigend, &QPushButton::clicked, this, &ListPage::BitBtnAbsteigendClick);

    // Below the position and count fields, left of the memo.
    makeExamplesButton(this, "ButtonLBeispiele", QRect(144, 216, 81, 25), examples::Page::list,
                       [this](const examples::Example& e) { showExample(e); });
    exampleNote_ = label(this, "LabelLBeispiel", QString(), 144, 248, 145, 97);
    exampleNote_->setWordWrap(true);
    exampleNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

ListPage::~ListPage() = default;

PageState ListPage::structureState() const {
    const TListe& list = *list_;
    PageState state;
    if (!list.isEmpty()) state.structure = pagestate::record([&](TWriter& w) { list.save(w); });
    state.position = {list.position()};
    return state;
}

void ListPage::restoreStructure(const PageState& state) {
    TListe& list = *list_;
    list.clear();
    if (!state.structure.empty())
        pagestate::readBack(state.structure, [&](TReader& r) { list.load(r); });
    list.moveTo(state.position.empty() ? 0 : state.position.front());
    showList();
}

template <typename Body>
void ListPage::handle(Body&& body, bool focusEntry) {
    if (host_.controlsLocked()) return;  // a late mnemonic click
    guard(host_.dialogs(), std::forward<Body>(body));
    entryUsed(editEingabe_);
    if (focusEntry) editEingabe_->setFocus();
}

void ListPage::focusEntry() { editEingabe_->setFocus(); }

void ListPage::showList() {
    const ListDisplay display = renderList(*list_);
    memo_->setPlainText(QString::fromStdString(display.text));
    // The arrow stands on line `position` (the arrow line is line 0): keep it
    // in sight, also in a long list with the cursor far down.
    memo_->ensureLineVisible(display.position);
    editCurrent_->setText(QString::number(display.position));
    editAnz_->setText(QString::number(display.count));
}

int ListPage::generationCount() {
    // A number out of range is read as the nearest bound.
    QString text = spinAnzahl_->cleanText();
    static_cast<const QAbstractSpinBox*>(spinAnzahl_)->fixup(text);
    const int n = listgeneration::countFromText(text.toStdString());
    spinAnzahl_->setValue(n);
    return n;
}

bool ListPage::parseEntry(const QString& text, std::unique_ptr<TBase>& element) {
    entrysyntax::ParsedEntry parsed =
        entrysyntax::parseEntry(text.toStdString(), radioInteger_->isChecked());
    if (parsed.element) {
        element = std::move(parsed.element);
        return true;
    }
    if (parsed.kind == entrysyntax::ParsedEntry::Message::error) {
        host_.dialogs().error(parsed.message);
    } else {
        host_.dialogs().information(parsed.message);
    }
    return false;
}

bool ListPage::refusedWhenEmpty(const TListe& list) {
    if (!list.isEmpty()) return false;
    host_.dialogs().information(listtext::empty);
    return true;
}

bool ListPage::refusedAtEnd(const TListe& list) {
    if (!list.isAtEnd()) return false;
    host_.dialogs().information(listtext::atEnd);
    return true;
}

void ListPage::ButtonLResetClick() {
    handle([&] {
        list_->reset();
        showList();
    });
}

void ListPage::ButtonLAdvanceClick() {
    handle([&] {
        TListe& list = *list_;
        if (refusedAtEnd(list)) return;
        list.advance();
        showList();
    });
}

void ListPage::ButtonLInsertClick() {
    handle([&] {
        Change change(*this);
        std::unique_ptr<TBase> element;
        if (!parseEntry(editEingabe_->text(), element)) return;
        list_->insert(std::move(element));  // a full list says so and drops it
        showList();
    });
}

void ListPage::ButtonLFindElemClick() {
    handle([&] {
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        std::unique_ptr<TBase> key;
        if (!parseEntry(editEingabe_->text(), key)) return;
        const bool found = list.findElem(*key) != nullptr;
        host_.dialogs().information(found ? message::present : message::absent);
        showList();
    });
}

void ListPage::ButtonLUpdateClick() {
    handle([&] {
        Change change(*this);
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        if (refusedAtEnd(list)) return;
        std::unique_ptr<TBase> element;
        if (!parseEntry(editEingabe_->text(), element)) return;
        list.update(std::move(element));
        showList();
    });
}

void ListPage::ButtonLElemClick() {
    handle([&] {
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        if (refusedAtEnd(list)) return;
        editEingabe_->setText(QString::fromStdString(elementtext::valueText(*list.elem())));
    });
}

void ListPage::ButtonLDeleteClick() {
    handle([&] {
        Change change(*this);
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        if (refusedAtEnd(list)) return;
        list.deleteElem();
        showList();
    });
}

void ListPage::ButtonLClearClick() {
    handle([&] {
        Change change(*this);
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        list.clear();
        showList();
    });
}

void ListPage::ButtonLSaveClick() {
    handle([&] {
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        const std::string name = host_.saveWithDialog(listtext::extension, listtext::filter);
        if (!name.empty()) list.saveToFile(name);
    });
}

void ListPage::ButtonLLoadClick() {
    handle([&] {
        const std::string name = host_.loadWithDialog(listtext::extension, listtext::filter);
        if (!name.empty()) loadList(name);
    });
}

void ListPage::loadFile(const std::string& name) {
    handle([&] { loadList(name); });
}

void ListPage::loadList(const std::string& name) {
    Change change(*this);
    TListe& list = *list_;
    list.clear();
    try {
        list.loadFromFile(name);
    } catch (...) {
        // The list keeps what was read before the error; show that, then
        // let the guard report the error.
        showList();
        throw;
    }
    showList();
}

void ListPage::ButtonLSortClick() {
    handle([&] {
        Change change(*this);
        TListe& list = *list_;
        if (refusedWhenEmpty(list)) return;
        list.sortAscii();
        showList();
    });
}

void ListPage::BitBtnLSortdemoClick() {
    bool started = false;
    guard(host_.dialogs(), [&] {
        TListDemo& list = *list_;
        if (refusedWhenEmpty(list)) return;
        if (list.hasMixedClasses()) {
            host_.dialogs().information(listtext::mixedClasses);
            return;
        }
        started = host_.openSortWindow(list);
    });
    if (!started) editEingabe_->setFocus();
}

void ListPage::BitBtnZufaelligClick() {
    handle(
        [&] {
            Change change(*this);
            const int n = generationCount();
            listgeneration::fillRandom(*list_, n, radioDoppelt_->isChecked(), host_.random());
            showList();
        },
        false);
}

void ListPage::BitBtnAufsteigendClick() {
    handle(
        [&] {
            Change change(*this);
            const int n = generationCount();
            listgeneration::fillAscending(*list_, n, radioDoppelt_->isChecked(), host_.random());
            showList();
        },
        false);
}

void ListPage::BitBtnAbsteigendClick() {
    handle(
        [&] {
            Change change(*this);
            const int n = generationCount();
            listgeneration::fillDescending(*list_, n, radioDoppelt_->isChecked(), host_.random());
            showList();
        },
        false);
}

void ListPage::showExample(const examples::Example& example) {
    handle([&] {
        Change change(*this);
        TListe& list = *list_;
        list.clear();
        for (const int key : example.keys) list.append(std::make_unique<TInteger>(key));
        list.reset();
        showList();
        exampleNote_->setText(utf8(example.note));
    });
}
