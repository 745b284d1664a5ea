#include "ui/pages/undoablepage.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QList>
#include <QWidget>

namespace {
// The page's fields: its named line edits, not the inner edit of a spin box.
QList<QLineEdit*> fieldsOf(const QWidget& page) {
    QList<QLineEdit*> fields;
    for (QLineEdit* edit : page.findChildren<QLineEdit*>()) {
        if (edit->objectName().isEmpty()) continue;
        if (qobject_cast<QAbstractSpinBox*>(edit->parentWidget())) continue;
        fields.append(edit);
    }
    return fields;
}
}  // namespace

UndoablePage::Change::~Change() {
    // Runs also while an error leaves the handler: it must not throw.
    try {
        PageState after = page_.structureState();
        if (after.sameStructure(before_)) return;
        page_.stack_.record(std::move(before_));
        page_.changed();
    } catch (...) {
        // Without the state after, the change is kept: undo shows before.
        page_.stack_.record(std::move(before_));
        page_.changed();
    }
}

PageState UndoablePage::capture() const {
    PageState state = structureState();
    for (const QLineEdit* field : fieldsOf(page_))
        state.fields.push_back(field->text().toStdString());
    return state;
}

void UndoablePage::show(const PageState& state) {
    restoreStructure(state);
    const QList<QLineEdit*> fields = fieldsOf(page_);
    for (qsizetype i = 0; i < fields.size() && i < static_cast<qsizetype>(state.fields.size());
         ++i) {
        fields[i]->setText(QString::fromStdString(state.fields[i]));
    }
}

void UndoablePage::undo() {
    if (!stack_.canUndo()) return;
    beforeUndo();
    std::optional<PageState> back = stack_.undo(capture());
    show(*back);
    changed();
}

void UndoablePage::redo() {
    if (!stack_.canRedo()) return;
    beforeUndo();
    std::optional<PageState> forward = stack_.redo(capture());
    show(*forward);
    changed();
}

void UndoablePage::changed() {
    if (listener_) listener_();
}
