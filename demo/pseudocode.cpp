#include "demo/pseudocode.h"

#include <array>

#include "demo/algorithmtrace.h"

namespace {

using L = Line;
using P = Procedure;

constexpr std::array<PseudoProcedure, kProcedureCount> kProcedures{{
    {P::searchInsert, "SE", "Suchbaum: Einfügen(x)"},
    {P::searchDelete, "SL", "Suchbaum: Löschen(x)"},
    {P::avlInsert, "AE", "AVL-Baum: Einfügen(x)"},
    {P::avlDelete, "AL", "AVL-Baum: Löschen(x)"},
    {P::rotateLL, "LL", "Rotation LL bei a"},
    {P::rotateRR, "RR", "Rotation RR bei a"},
    {P::rotateLR, "LR", "Rotation LR bei a"},
    {P::rotateRL, "RL", "Rotation RL bei a"},
    {P::bayerInsert, "BE", "BayerBaum: Einfügen(x)"},
    {P::bayerSplit, "BT", "Seite p teilen"},
    {P::bayerDelete, "BL", "BayerBaum: Löschen(x)"},
    {P::bayerBorrowRight, "BAR", "Ausgleich von a mit dem rechten Nachbarn b"},
    {P::bayerBorrowLeft, "BAL", "Ausgleich von a mit dem linken Nachbarn b"},
    {P::bayerMergeRight, "BVR", "Verschmelzen von a mit dem rechten Nachbarn b"},
    {P::bayerMergeLeft, "BVL", "Verschmelzen von a mit dem linken Nachbarn b"},
    {P::bubbleSort, "BU", "Bubblesort(a[0..n-1])"},
    {P::insertionSort, "EI", "Direktes Einfügen(a[0..n-1])"},
    {P::selectionSort, "AW", "Direkte Auswahl(a[0..n-1])"},
    {P::quickSort1, "Q1", "Quicksort1(L, R)"},
    {P::quickSort2, "Q2", "Quicksort2(p)"},
    {P::mergeSort, "MS", "Natürliches Mergesort(Liste)"},
    {P::mergeRuns, "MV", "Teilfolgen verschmelzen(f1, f2)"},
}};

constexpr std::array<PseudoLine, kLineCount> kLines{{
    // Suchbaum: Einfügen(x)
    {L::seSearch, P::searchInsert, 0,
     "p ← Stelle für x: ab der Wurzel bei x < Schlüssel links, sonst rechts"},
    {L::seTooDeep, P::searchInsert, 0, "wenn p tiefer als Ebene 6 liegt dann"},
    {L::seRefuse, P::searchInsert, 1, "Abbruch: Baum würde zu tief"},
    {L::seAttach, P::searchInsert, 0, "p ← neuer Knoten mit x"},
    // Suchbaum: Löschen(x)
    {L::slSearch, P::searchDelete, 0, "k ← Knoten mit dem Schlüssel x"},
    {L::slIfLeaf, P::searchDelete, 0, "wenn k ein Blatt ist dann"},
    {L::slRemoveLeaf, P::searchDelete, 1, "entferne k und gib seinen Speicher frei"},
    {L::slElse, P::searchDelete, 0, "sonst"},
    {L::slHelper, P::searchDelete, 1, "h ← k"},
    {L::slIfOneChild, P::searchDelete, 1, "wenn k nur ein Kind hat dann"},
    {L::slBypass, P::searchDelete, 2, "verweise auf dieses Kind statt auf k"},
    {L::slFreeHelper, P::searchDelete, 2, "gib den Speicher von h frei"},
    {L::slElseTwo, P::searchDelete, 1, "sonst"},
    {L::slPredecessor, P::searchDelete, 2, "v ← größter Knoten im linken Teilbaum von k"},
    {L::slReplace, P::searchDelete, 2, "k.Schlüssel ← v.Schlüssel"},
    {L::slIfLeftChild, P::searchDelete, 2, "wenn v ein linkes Kind hat dann"},
    {L::slAttachLeft, P::searchDelete, 3, "h ← v; verweise auf v.links statt auf v"},
    {L::slFreePredecessor, P::searchDelete, 2, "gib den Speicher von v frei"},
    // AVL-Baum: Einfügen(x)
    {L::aeInsert, P::avlInsert, 0, "füge x wie in einen Suchbaum ein"},
    {L::aeUp, P::avlInsert, 0,
     "gehe den Suchweg zurück und passe die Balancen an, solange der Teilbaum höher wurde"},
    {L::aeViolated, P::avlInsert, 0, "wenn bei k die AVL-Eigenschaft verletzt ist dann"},
    {L::aeLeftHeavy, P::avlInsert, 1, "wenn k links zu hoch ist dann"},
    {L::aeRotateLR, P::avlInsert, 2, "wenn k.links rechtslastig ist dann Rotation LR bei k"},
    {L::aeRotateLL, P::avlInsert, 2, "sonst Rotation LL bei k"},
    {L::aeRightHeavy, P::avlInsert, 1, "sonst"},
    {L::aeRotateRL, P::avlInsert, 2, "wenn k.rechts linkslastig ist dann Rotation RL bei k"},
    {L::aeRotateRR, P::avlInsert, 2, "sonst Rotation RR bei k"},
    // AVL-Baum: Löschen(x)
    {L::alDelete, P::avlDelete, 0, "lösche x wie aus einem Suchbaum"},
    {L::alUp, P::avlDelete, 0,
     "gehe den Suchweg zurück und passe die Balancen an, solange der Teilbaum niedriger "
     "wurde"},
    {L::alViolated, P::avlDelete, 0, "wenn bei k die AVL-Eigenschaft verletzt ist dann"},
    {L::alLeftHeavy, P::avlDelete, 1, "wenn k links zu hoch ist dann"},
    {L::alRotateLR, P::avlDelete, 2, "wenn k.links rechtslastig ist dann Rotation LR bei k"},
    {L::alRotateLL, P::avlDelete, 2, "sonst Rotation LL bei k"},
    {L::alRightHeavy, P::avlDelete, 1, "sonst"},
    {L::alRotateRL, P::avlDelete, 2, "wenn k.rechts linkslastig ist dann Rotation RL bei k"},
    {L::alRotateRR, P::avlDelete, 2, "sonst Rotation RR bei k"},
    // Rotation LL bei a
    {L::llTake, P::rotateLL, 0, "b ← a.links"},
    {L::llInner, P::rotateLL, 0, "a.links ← b.rechts"},
    {L::llTurn, P::rotateLL, 0, "b.rechts ← a"},
    {L::llPlace, P::rotateLL, 0, "b tritt an die Stelle von a"},
    {L::llBalance, P::rotateLL, 0, "passe die Balancen von a und b an"},
    // Rotation RR bei a
    {L::rrTake, P::rotateRR, 0, "b ← a.rechts"},
    {L::rrInner, P::rotateRR, 0, "a.rechts ← b.links"},
    {L::rrTurn, P::rotateRR, 0, "b.links ← a"},
    {L::rrPlace, P::rotateRR, 0, "b tritt an die Stelle von a"},
    {L::rrBalance, P::rotateRR, 0, "passe die Balancen von a und b an"},
    // Rotation LR bei a
    {L::lrTake, P::rotateLR, 0, "b ← a.links; c ← b.rechts"},
    {L::lrBInner, P::rotateLR, 0, "b.rechts ← c.links"},
    {L::lrCTakesB, P::rotateLR, 0, "c.links ← b"},
    {L::lrAInner, P::rotateLR, 0, "a.links ← c.rechts"},
    {L::lrCTakesA, P::rotateLR, 0, "c.rechts ← a"},
    {L::lrPlace, P::rotateLR, 0, "c tritt an die Stelle von a"},
    {L::lrBalance, P::rotateLR, 0, "passe die Balancen von a, b und c an"},
    // Rotation RL bei a
    {L::rlTake, P::rotateRL, 0, "b ← a.rechts; c ← b.links"},
    {L::rlBInner, P::rotateRL, 0, "b.links ← c.rechts"},
    {L::rlCTakesB, P::rotateRL, 0, "c.rechts ← b"},
    {L::rlAInner, P::rotateRL, 0, "a.rechts ← c.links"},
    {L::rlCTakesA, P::rotateRL, 0, "c.links ← a"},
    {L::rlPlace, P::rotateRL, 0, "c tritt an die Stelle von a"},
    {L::rlBalance, P::rotateRL, 0, "passe die Balancen von a, b und c an"},
    // BayerBaum: Einfügen(x)
    {L::beIfEmpty, P::bayerInsert, 0, "wenn der Baum leer ist dann"},
    {L::beNewTree, P::bayerInsert, 1, "Wurzel ← neue Seite mit x; Ende"},
    {L::beSearch, P::bayerInsert, 0, "p ← Blattseite, in die x gehört"},
    {L::beTooDeep, P::bayerInsert, 0,
     "wenn der Baum 3 Ebenen hat und alle Seiten bis p voll sind dann"},
    {L::beRefuse, P::bayerInsert, 1, "Abbruch: Baumtiefe würde zu groß"},
    {L::beWhileFull, P::bayerInsert, 0, "solange p voll ist (4 Elemente) tue"},
    {L::beSplit, P::bayerInsert, 1, "teile p; x ← mittleres Element"},
    {L::beIfRoot, P::bayerInsert, 1, "wenn p die Wurzel ist dann"},
    {L::beNewRoot, P::bayerInsert, 2, "Wurzel ← neue Seite mit x; Ende"},
    {L::beUp, P::bayerInsert, 1, "p ← Vorgängerseite von p"},
    {L::bePlace, P::bayerInsert, 0, "füge x in p ein, die größeren Elemente rücken auf"},
    // Seite p teilen
    {L::btOrder, P::bayerSplit, 0, "ordne die 4 Elemente von p und x der Größe nach"},
    {L::btHalves, P::bayerSplit, 0,
     "p behält die 2 kleinsten, eine neue Seite erhält die 2 größten"},
    {L::btMiddleUp, P::bayerSplit, 0, "das mittlere Element steigt in die Vorgängerseite auf"},
    // BayerBaum: Löschen(x)
    {L::blSearch, P::bayerDelete, 0, "p ← Seite mit dem Element x"},
    {L::blIfLeaf, P::bayerDelete, 0, "wenn p ein Blatt ist dann"},
    {L::blRemoveLeaf, P::bayerDelete, 1, "entferne x aus p, die größeren Elemente rücken auf"},
    {L::blElse, P::bayerDelete, 0, "sonst"},
    {L::blRemoveInner, P::bayerDelete, 1, "entferne x aus p"},
    {L::blPredecessor, P::bayerDelete, 1,
     "y ← größtes Element im linken Teilbaum von x; p ← Blattseite von y"},
    {L::blReplace, P::bayerDelete, 1, "setze y an die Stelle von x"},
    {L::blWhileUnderflow, P::bayerDelete, 0,
     "solange p weniger als 2 Elemente hat und nicht die Wurzel ist tue"},
    {L::blIfRight, P::bayerDelete, 1, "wenn p einen rechten Nachbarn b hat dann"},
    {L::blBorrowRight, P::bayerDelete, 2, "wenn b mehr als 2 Elemente hat dann Ausgleich mit b"},
    {L::blMergeRight, P::bayerDelete, 2, "sonst Verschmelzen mit b"},
    {L::blElseLeft, P::bayerDelete, 1, "sonst (b ← linker Nachbar von p)"},
    {L::blBorrowLeft, P::bayerDelete, 2, "wenn b mehr als 2 Elemente hat dann Ausgleich mit b"},
    {L::blMergeLeft, P::bayerDelete, 2, "sonst Verschmelzen mit b"},
    {L::blUp, P::bayerDelete, 1, "p ← Vorgängerseite von p"},
    {L::blIfRootEmpty, P::bayerDelete, 0, "wenn die Wurzel leer ist dann"},
    {L::blCollapse, P::bayerDelete, 1, "Wurzel ← ihr einziges Kind (der Baum wird niedriger)"},
    // Ausgleich mit dem rechten Nachbarn
    {L::barDown, P::bayerBorrowRight, 0, "das trennende Element der Vorgängerseite kommt nach a"},
    {L::barUp, P::bayerBorrowRight, 0, "das erste Element von b steigt an seine Stelle auf"},
    {L::barShift, P::bayerBorrowRight, 0, "die übrigen Elemente von b rücken auf"},
    // Ausgleich mit dem linken Nachbarn
    {L::balShift, P::bayerBorrowLeft, 0, "das Element von a rückt eine Stelle weiter"},
    {L::balDown, P::bayerBorrowLeft, 0,
     "das trennende Element der Vorgängerseite kommt an die erste Stelle von a"},
    {L::balUp, P::bayerBorrowLeft, 0, "das letzte Element von b steigt an seine Stelle auf"},
    // Verschmelzen mit dem rechten Nachbarn
    {L::bvrDown, P::bayerMergeRight, 0, "das trennende Element der Vorgängerseite kommt nach a"},
    {L::bvrKeys, P::bayerMergeRight, 0, "die Elemente von b kommen nach a"},
    {L::bvrRemove, P::bayerMergeRight, 0, "entferne b; die Elemente der Vorgängerseite rücken auf"},
    // Verschmelzen mit dem linken Nachbarn
    {L::bvlDown, P::bayerMergeLeft, 0, "das trennende Element der Vorgängerseite kommt nach b"},
    {L::bvlKey, P::bayerMergeLeft, 0, "das Element von a kommt nach b"},
    {L::bvlRemove, P::bayerMergeLeft, 0, "entferne a"},
    // Bubblesort
    {L::buStart, P::bubbleSort, 0, "i ← 0"},
    {L::buRepeat, P::bubbleSort, 0, "wiederhole"},
    {L::buReset, P::bubbleSort, 1, "getauscht ← falsch"},
    {L::buFor, P::bubbleSort, 1, "für j ← 0 bis n - i - 2 tue"},
    {L::buExchange, P::bubbleSort, 2,
     "wenn a[j] > a[j+1] dann tausche a[j] und a[j+1]; getauscht ← wahr"},
    {L::buNext, P::bubbleSort, 1, "i ← i + 1  { a[n-i..n-1] ist sortiert }"},
    {L::buUntil, P::bubbleSort, 0, "bis nicht getauscht oder i > n - 2"},
    // Direktes Einfügen
    {L::eiFor, P::insertionSort, 0, "für i ← 1 bis n - 1 tue"},
    {L::eiTake, P::insertionSort, 1, "e ← a[i]; lösche a[i]"},
    {L::eiSearch, P::insertionSort, 1, "k ← erste Stelle in a[0..i-1] mit a[k] ≥ e"},
    {L::eiInsert, P::insertionSort, 1, "füge e an der Stelle k ein"},
    {L::eiSorted, P::insertionSort, 0, "{ die Liste ist sortiert }"},
    // Direkte Auswahl
    {L::awFor, P::selectionSort, 0, "für i ← 0 bis n - 2 tue"},
    {L::awNote, P::selectionSort, 1, "m ← i"},
    {L::awScan, P::selectionSort, 1, "für j ← i + 1 bis n - 1 tue: wenn a[j] < a[m] dann m ← j"},
    {L::awInPlace, P::selectionSort, 1, "wenn m = i dann a[i] steht schon richtig"},
    {L::awExchange, P::selectionSort, 1, "sonst tausche a[m] und a[i]"},
    {L::awSorted, P::selectionSort, 0, "{ die Liste ist sortiert }"},
    // Quicksort1(L, R)
    {L::q1Pivot, P::quickSort1, 0, "v ← a[(L + R) div 2]"},
    {L::q1Start, P::quickSort1, 0, "i ← L; j ← R"},
    {L::q1Repeat, P::quickSort1, 0, "wiederhole"},
    {L::q1Forward, P::quickSort1, 1, "solange a[i] < v tue i ← i + 1"},
    {L::q1Backward, P::quickSort1, 1, "solange a[j] > v tue j ← j - 1"},
    {L::q1Exchange, P::quickSort1, 1,
     "wenn i ≤ j dann tausche a[i] und a[j]; i ← i + 1; j ← j - 1"},
    {L::q1Until, P::quickSort1, 0, "bis i > j  { a[L..j] ≤ v ≤ a[i..R] }"},
    {L::q1Upper, P::quickSort1, 0, "wenn L < j dann Quicksort1(L, j)"},
    {L::q1Lower, P::quickSort1, 0, "wenn i < R dann Quicksort1(i, R)"},
    // Quicksort2(p)
    {L::q2Pivot, P::quickSort2, 0, "v ← erstes Element von p; entferne es"},
    {L::q2While, P::quickSort2, 0, "solange p nicht leer ist tue"},
    {L::q2Take, P::quickSort2, 1, "e ← erstes Element von p; entferne es"},
    {L::q2ToFirst, P::quickSort2, 1, "wenn e < v dann füge e vorn in die 1. Teilliste ein"},
    {L::q2ToSecond, P::quickSort2, 1, "sonst füge e vorn in die 2. Teilliste ein"},
    {L::q2PivotFirst, P::quickSort2, 0,
     "wenn die 1. Teilliste leer ist dann füge v in die 1. Teilliste ein"},
    {L::q2PivotSecond, P::quickSort2, 0, "sonst füge v vorn in die 2. Teilliste ein"},
    {L::q2Parts, P::quickSort2, 0, "{ 1. Teilliste ≤ v ≤ 2. Teilliste }"},
    {L::q2SortFirst, P::quickSort2, 0,
     "wenn die 1. Teilliste mehr als ein Element hat dann Quicksort2(1. Teilliste)"},
    {L::q2SortSecond, P::quickSort2, 0,
     "wenn die 2. Teilliste mehr als ein Element hat dann Quicksort2(2. Teilliste)"},
    {L::q2Join, P::quickSort2, 0, "p ← 1. Teilliste, dahinter die 2. Teilliste"},
    // Natürliches Mergesort(Liste)
    {L::msRepeat, P::mergeSort, 0, "wiederhole"},
    {L::msDistribute, P::mergeSort, 1,
     "verteile die sortierten Teilfolgen der Liste abwechselnd auf Z1 und Z2"},
    {L::msDone, P::mergeSort, 1, "wenn Z2 leer ist dann Liste ← Z1; Ende"},
    {L::msWhile, P::mergeSort, 1, "solange Z1 oder Z2 nicht leer ist tue"},
    {L::msMerge, P::mergeSort, 2,
     "hänge die nächsten Teilfolgen von Z1 und Z2 verschmolzen an die Liste an"},
    {L::msFewer, P::mergeSort, 1, "{ die Liste hat jetzt weniger Teilfolgen }"},
    // Teilfolgen verschmelzen(f1, f2)
    {L::mvWhile, P::mergeRuns, 0, "solange f1 und f2 nicht leer sind tue"},
    {L::mvSmaller, P::mergeRuns, 1, "nimm das kleinere der beiden ersten Elemente heraus"},
    {L::mvRest, P::mergeRuns, 0, "hänge den Rest von f1 oder f2 an"},
}};

// The table is in Line order, and each procedure's lines follow each other
// in Procedure order.
constexpr bool wellOrdered() {
    for (int i = 0; i < kLineCount; ++i) {
        if (static_cast<int>(kLines[i].id) != i) return false;
        if (i > 0 && kLines[i].procedure < kLines[i - 1].procedure) return false;
    }
    for (int p = 0; p < kProcedureCount; ++p) {
        if (static_cast<int>(kProcedures[p].id) != p) return false;
    }
    return true;
}
static_assert(wellOrdered());

// The first line of each procedure, and one past the last.
constexpr std::array<int, kProcedureCount + 1> kFirst = [] {
    std::array<int, kProcedureCount + 1> first{};
    int p = 0;
    for (int i = 0; i < kLineCount; ++i) {
        while (p <= static_cast<int>(kLines[i].procedure)) first[p++] = i;
    }
    while (p <= kProcedureCount) first[p++] = kLineCount;
    return first;
}();

}  // namespace

AlgorithmTrace& AlgorithmTrace::none() {
    static AlgorithmTrace quiet;
    return quiet;
}

namespace pseudocode {

std::span<const PseudoLine> allLines() { return kLines; }

const PseudoLine& line(Line id) { return kLines[static_cast<std::size_t>(id)]; }

const PseudoProcedure& procedure(Procedure id) { return kProcedures[static_cast<std::size_t>(id)]; }

std::span<const PseudoLine> lines(Procedure id) {
    const auto p = static_cast<std::size_t>(id);
    return std::span<const PseudoLine>(kLines).subspan(
        static_cast<std::size_t>(kFirst[p]), static_cast<std::size_t>(kFirst[p + 1] - kFirst[p]));
}

int number(Line id) {
    const PseudoLine& l = line(id);
    return static_cast<int>(id) - kFirst[static_cast<std::size_t>(l.procedure)] + 1;
}

}  // namespace pseudocode
