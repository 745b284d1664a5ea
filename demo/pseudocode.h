// The German pseudo-code of every demonstrated algorithm: the search tree's,
// the AVL tree's and the B-tree's insertion and deletion with their
// sub-procedures (rotations, page split, borrowing, merging) and the six sorts
// of the sort window with the merge of two runs. Each line has a name (Line);
// a demonstration names the line of each step through AlgorithmTrace, and the
// "Algorithmus" panel shows the text with that line marked.
//
// The lines of one procedure are consecutive in Line, in the order they are
// printed; procedures follow each other in the order of Procedure.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum class Procedure : std::uint8_t {
    searchInsert,
    searchDelete,
    avlInsert,
    avlDelete,
    rotateLL,
    rotateRR,
    rotateLR,
    rotateRL,
    bayerInsert,
    bayerSplit,
    bayerDelete,
    bayerBorrowRight,
    bayerBorrowLeft,
    bayerMergeRight,
    bayerMergeLeft,
    bubbleSort,
    insertionSort,
    selectionSort,
    quickSort1,
    quickSort2,
    mergeSort,
    mergeRuns,
};
inline constexpr int kProcedureCount = static_cast<int>(Procedure::mergeRuns) + 1;

enum class Line : std::uint16_t {
    // Suchbaum: Einfügen
    seSearch,
    seTooDeep,
    seRefuse,
    seAttach,
    // Suchbaum: Löschen
    slSearch,
    slIfLeaf,
    slRemoveLeaf,
    slElse,
    slHelper,
    slIfOneChild,
    slBypass,
    slFreeHelper,
    slElseTwo,
    slPredecessor,
    slReplace,
    slIfLeftChild,
    slAttachLeft,
    slFreePredecessor,
    // AVL-Baum: Einfügen
    aeInsert,
    aeUp,
    aeViolated,
    aeLeftHeavy,
    aeRotateLR,
    aeRotateLL,
    aeRightHeavy,
    aeRotateRL,
    aeRotateRR,
    // AVL-Baum: Löschen
    alDelete,
    alUp,
    alViolated,
    alLeftHeavy,
    alRotateLR,
    alRotateLL,
    alRightHeavy,
    alRotateRL,
    alRotateRR,
    // Rotation LL
    llTake,
    llInner,
    llTurn,
    llPlace,
    llBalance,
    // Rotation RR
    rrTake,
    rrInner,
    rrTurn,
    rrPlace,
    rrBalance,
    // Rotation LR
    lrTake,
    lrBInner,
    lrCTakesB,
    lrAInner,
    lrCTakesA,
    lrPlace,
    lrBalance,
    // Rotation RL
    rlTake,
    rlBInner,
    rlCTakesB,
    rlAInner,
    rlCTakesA,
    rlPlace,
    rlBalance,
    // BayerBaum: Einfügen
    beIfEmpty,
    beNewTree,
    beSearch,
    beTooDeep,
    beRefuse,
    beWhileFull,
    beSplit,
    beIfRoot,
    beNewRoot,
    beUp,
    bePlace,
    // BayerBaum: Seite teilen
    btOrder,
    btHalves,
    btMiddleUp,
    // BayerBaum: Löschen
    blSearch,
    blIfLeaf,
    blRemoveLeaf,
    blElse,
    blRemoveInner,
    blPredecessor,
    blReplace,
    blWhileUnderflow,
    blIfRight,
    blBorrowRight,
    blMergeRight,
    blElseLeft,
    blBorrowLeft,
    blMergeLeft,
    blUp,
    blIfRootEmpty,
    blCollapse,
    // Ausgleich mit dem rechten Nachbarn
    barDown,
    barUp,
    barShift,
    // Ausgleich mit dem linken Nachbarn
    balShift,
    balDown,
    balUp,
    // Verschmelzen mit dem rechten Nachbarn
    bvrDown,
    bvrKeys,
    bvrRemove,
    // Verschmelzen mit dem linken Nachbarn
    bvlDown,
    bvlKey,
    bvlRemove,
    // Bubblesort
    buStart,
    buRepeat,
    buReset,
    buFor,
    buExchange,
    buNext,
    buUntil,
    // Direktes Einfügen
    eiFor,
    eiTake,
    eiSearch,
    eiInsert,
    eiSorted,
    // Direkte Auswahl
    awFor,
    awNote,
    awScan,
    awInPlace,
    awExchange,
    awSorted,
    // Quicksort 1
    q1Pivot,
    q1Start,
    q1Repeat,
    q1Forward,
    q1Backward,
    q1Exchange,
    q1Until,
    q1Upper,
    q1Lower,
    // Quicksort 2
    q2Pivot,
    q2While,
    q2Take,
    q2ToFirst,
    q2ToSecond,
    q2PivotFirst,
    q2PivotSecond,
    q2Parts,
    q2SortFirst,
    q2SortSecond,
    q2Join,
    // Natürliches Mergesort
    msRepeat,
    msDistribute,
    msDone,
    msWhile,
    msMerge,
    msFewer,
    // Teilfolgen verschmelzen
    mvWhile,
    mvSmaller,
    mvRest,
};
inline constexpr int kLineCount = static_cast<int>(Line::mvRest) + 1;

// One printed line: its depth of indentation (4 blanks each) and its text.
struct PseudoLine {
    Line id;
    Procedure procedure;
    int indent;
    const char* text;
};

// The heading of a procedure ("AVL-Baum: Einfügen(x)") and a short tag that
// names it in test tables and diagnostics ("AE").
struct PseudoProcedure {
    Procedure id;
    const char* tag;
    const char* title;
};

namespace pseudocode {
// Every line, in Line order.
std::span<const PseudoLine> allLines();
const PseudoLine& line(Line id);
const PseudoProcedure& procedure(Procedure id);
// The lines of one procedure, in printed order.
std::span<const PseudoLine> lines(Procedure id);
// 1 for a procedure's first line.
int number(Line id);
}  // namespace pseudocode
