#include "workbench/examples.h"

namespace examples {
namespace {

using enum Operation;

const std::vector<Example> kSearchTree = {
    {"Blatt löschen",
     "Löschen von 20: 20 ist ein Blatt und wird einfach entfernt",
     {50, 30, 70, 20, 40, 60, 80},
     20,
     remove},
    {"Knoten mit einem Kind löschen",
     "Löschen von 30: 30 hat nur das Kind 20, das an seine Stelle rückt",
     {50, 30, 70, 20, 60, 80},
     30,
     remove},
    {"Zwei Kinder, Vorgänger ist ein Blatt",
     "Löschen von 50: 50 hat zwei Kinder, sein Vorgänger 40 ist ein Blatt und ersetzt ihn",
     {50, 30, 70, 20, 40, 60, 80},
     50,
     remove},
    {"Zwei Kinder, Vorgänger mit linkem Kind",
     "Löschen von 50: der Vorgänger 40 ersetzt ihn, sein linkes Kind 35 rückt an seine Stelle",
     {50, 30, 70, 20, 40, 60, 80, 35},
     50,
     remove},
};

const std::vector<Example> kAvlTree = {
    {"Einfügen mit Rotation LL",
     "Einfügen von 10: 50 wird links zu schwer, Rotation LL bei 50",
     {50, 30, 70, 20, 40},
     10,
     insert},
    {"Einfügen mit Rotation LR",
     "Einfügen von 35: 50 wird links zu schwer, 30 ist rechtslastig: Rotation LR bei 50",
     {50, 30, 70, 20, 40},
     35,
     insert},
    {"Einfügen mit Rotation RL",
     "Einfügen von 35: 30 wird rechts zu schwer, 50 ist linkslastig: Rotation RL bei 30",
     {30, 20, 50, 40, 70},
     35,
     insert},
    {"Einfügen mit Rotation RR",
     "Einfügen von 80: 30 wird rechts zu schwer, Rotation RR bei 30",
     {30, 20, 50, 40, 70},
     80,
     insert},
    {"Löschen mit einer Rotation",
     "Löschen von 20: 30 wird rechts zu schwer, eine Rotation RR gleicht aus",
     {30, 20, 50, 40, 70},
     20,
     remove},
    {"Löschen mit zwei Rotationen",
     "Löschen von 23: Rotation LR bei 22, danach ist die Wurzel 18 links zu schwer: Rotation LL",
     {18, 12, 22, 5, 14, 20, 23, 2, 9, 17, 21, 7},
     23,
     remove},
};

const std::vector<Example> kBayerTree = {
    {"Blatt teilen",
     "Einfügen von 80: das Blatt 40 50 60 70 ist voll und wird geteilt, 60 steigt auf",
     {10, 20, 30, 40, 50, 60, 70},
     80,
     insert},
    {"Teilen bis zu einer neuen Wurzel",
     "Einfügen von 85: Blatt und Wurzel sind voll, beide werden geteilt, 45 wird neue Wurzel",
     {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80},
     85,
     insert},
    {"Ausgleich mit dem linken Nachbarn",
     "Löschen von 50: im Blatt bleibt nur 40; 30 kommt aus der Wurzel, 25 steigt vom linken "
     "Nachbarn auf",
     {10, 20, 30, 40, 50, 25},
     50,
     remove},
    {"Ausgleich mit dem rechten Nachbarn",
     "Löschen von 10: im Blatt bleibt nur 20; 30 kommt aus der Wurzel, 40 steigt vom rechten "
     "Nachbarn auf",
     {10, 20, 30, 40, 50, 60},
     10,
     remove},
    {"Verschmelzen",
     "Löschen von 40: das Blatt behält nur 50 und verschmilzt mit 60 und dem rechten Nachbarn",
     {10, 20, 30, 40, 50, 60, 70, 80},
     40,
     remove},
    {"Wurzel schrumpft",
     "Löschen von 10: die Blätter verschmelzen mit der Wurzel 30, der Baum verliert eine Ebene",
     {10, 20, 30, 40, 50},
     10,
     remove},
};

const std::vector<Example> kList = {
    {"Sortierte Liste",
     "Die Liste ist schon sortiert: die Verfahren finden nichts zu tauschen",
     {3, 8, 12, 17, 25, 31, 40, 46},
     0,
     sort},
    {"Umgekehrt sortierte Liste",
     "Die Liste ist absteigend sortiert: der ungünstigste Fall vieler Verfahren",
     {46, 40, 31, 25, 17, 12, 8, 3},
     0,
     sort},
    {"Viele gleiche Schlüssel",
     "Nur drei verschiedene Werte: gleiche Schlüssel treffen aufeinander",
     {5, 2, 5, 5, 2, 8, 5, 2},
     0,
     sort},
    {"Ein Element falsch",
     "Nur 40 steht falsch: die übrigen Elemente sind schon sortiert",
     {3, 8, 12, 40, 17, 25, 31, 46},
     0,
     sort},
};

}  // namespace

std::span<const Example> of(Page page) {
    switch (page) {
        case Page::searchTree:
            return kSearchTree;
        case Page::avlTree:
            return kAvlTree;
        case Page::bayerTree:
            return kBayerTree;
        case Page::list:
            break;
    }
    return kList;
}

}  // namespace examples
