#include "linear/listdemo.h"

#include "elements/elementtext.h"
#include "linear/listdisplay.h"

const ClassInfo TListDemo::info{"TListDemo", &TListe::info, nullptr};

void registerListDemoClasses() {
    registerListClasses();
    registry::registerClass(TListDemo::info);
}

void TListDemo::showList(TListe& list, TextOutput& memo, bool markRuns, int first, int last) {
    const ListDisplay display = renderList(list, markRuns, first, last);
    memo.setText(display.text);
    if (auto* marked = dynamic_cast<ListMemoOutput*>(&memo)) marked->keepInSight(display);
}

std::string TListDemo::elementText(const TBase& element) {
    // Integers give their decimal value (the memos add the brackets), strings
    // their text; the further value classes their value text.
    return elementtext::valueText(element);
}
