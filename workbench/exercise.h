// Exercises: a student carries out an insertion, a deletion or a sort
// step by step, answering at each decision what the algorithm does next; a
// wrong choice changes nothing. A task is made from its number, so the same
// number gives the same task on every computer and a teacher can give a
// class one task: a search tree or an AVL tree of 7 to 15 numbers with an
// operation chosen so that its interesting case occurs (a rotation, a
// deletion with two children), unless any case is asked for; or a list of 8
// to 12 numbers and one of the sorts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "demo/sorts.h"

namespace exercise {

enum class Board { searchTree, avlTree, sort };

struct Task {
    std::uint32_t number = 0;
    Board board = Board::searchTree;
    // The tree's numbers in the order they are inserted, or the list.
    std::vector<int> values;
    bool insert = true;
    int key = 0;
    SortKind sort = SortKind::bubble;

    // "Füge 35 ein", "Lösche 50", "Sortiere mit Quicksort 1"
    std::string operation() const;
    // "Aufgabe 4711: Füge 35 ein"
    std::string title() const;
    bool operator==(const Task&) const = default;
};

inline constexpr std::uint32_t kFirstNumber = 1;
inline constexpr std::uint32_t kLastNumber = 99999;

// The task with the number (1..99999) on the board; anyCase leaves the
// interesting case to chance.
Task makeTask(Board board, std::uint32_t number, bool anyCase = false);
// A fresh task number drawn from seed.
std::uint32_t drawNumber(std::uint64_t seed);

// "Aufgabe 4711: 11 von 13 Schritten beim ersten Versuch richtig, 2:40 min"
std::string result(std::uint32_t number, int rightFirst, int steps, int seconds);
// The text of a result file a teacher collects: task, name, score, time,
// date (as given, e.g. "10.12.2026 13:40").
std::string resultFile(const Task& task, const std::string& name, int rightFirst, int steps,
                       int seconds, const std::string& date);

namespace text {
inline constexpr const char* title = "Übung";
inline constexpr const char* solution = "Lösung zeigen";
inline constexpr const char* restart = "Neu beginnen";
inline constexpr const char* notRight = "Nicht richtig: ";
inline constexpr const char* hint = "Tipp: die richtige Antwort ist markiert.";
inline constexpr const char* resultExtension = "txt";
inline constexpr const char* resultFilter = "Ergebnis (*.txt)|*.txt";
}  // namespace text

}  // namespace exercise
