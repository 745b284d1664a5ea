// UndoStack: the levels of "Rückgängig" and "Wiederholen" of one page. A
// state is whatever the page needs to show itself again; the stack only keeps
// the states in order, the oldest undo level going when the limit is passed.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

template <typename State>
class UndoStack {
public:
    // At least this many changes can be taken back.
    static constexpr std::size_t kDefaultLevels = 50;

    explicit UndoStack(std::size_t levels = kDefaultLevels) : levels_(levels) {}

    // A change was made from before: before becomes the newest undo level
    // (the oldest goes beyond the limit) and every redo level is forgotten.
    void record(State before) {
        redo_.clear();
        if (levels_ == 0) return;
        undo_.push_back(std::move(before));
        if (undo_.size() > levels_) undo_.pop_front();
    }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoLevels() const { return undo_.size(); }
    std::size_t redoLevels() const { return redo_.size(); }

    // The state to show in place of current, which becomes the newest redo
    // level; nothing (and current dropped) when there is no undo level.
    std::optional<State> undo(State current) {
        if (undo_.empty()) return std::nullopt;
        State back = std::move(undo_.back());
        undo_.pop_back();
        redo_.push_back(std::move(current));
        return back;
    }
    // The state undo last replaced; current becomes the newest undo level
    // again. Nothing when there is no redo level.
    std::optional<State> redo(State current) {
        if (redo_.empty()) return std::nullopt;
        State forward = std::move(redo_.back());
        redo_.pop_back();
        undo_.push_back(std::move(current));
        return forward;
    }
    // Forgets every level.
    void clear() {
        undo_.clear();
        redo_.clear();
    }

private:
    std::size_t levels_;
    std::deque<State> undo_;   // oldest first
    std::vector<State> redo_;  // newest last
};
