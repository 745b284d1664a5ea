// TListDemo: the list of the "Liste" page. A TListe that renders itself into
// a memo (showList), as the list page and the sort window show lists. The
// sort window sorts it step by step (demo/sorts.h).
#pragma once

#include <string>

#include "linear/liste.h"

class TextOutput;

class TListDemo : public TListe {
public:
    static const ClassInfo info;

    const ClassInfo& classInfo() const override { return info; }

    // The list display (cursor arrow, brackets; with markRuns a line of nine
    // dashes before each element smaller than its predecessor, and lines of
    // eight dashes before index `first` and after index `last`, -1 for none)
    // replaces the memo's text. The list's cursor ends where it was.
    static void showList(TListe& list, TextOutput& memo, bool markRuns = false, int first = -1,
                         int last = -1);

    // The text step messages use for an element: the decimal value of an
    // integer, the text of a string, the value text of the further classes.
    static std::string elementText(const TBase& element);
};

// Registers TListDemo (a container: never a file element).
void registerListDemoClasses();
