#include "linear/listdisplay.h"

#include <charconv>

#include "elements/base.h"
#include "elements/elementtext.h"
#include "linear/liste.h"

namespace {
constexpr const char* kArrowAtStart = "     <--";
constexpr const char* kArrowBehind = "  <--";
constexpr const char* kRunSeparator = "---------";
constexpr const char* kSublistFrame = "--------";
}  // namespace

ListDisplay renderList(TListe& list, bool markRuns, int first, int last) {
    ListDisplay display;
    display.position = list.position();
    display.count = list.count();

    std::string& out = display.text;
    out.reserve(static_cast<std::size_t>(display.count) * 8 + 16);
    if (display.position == 0) out += kArrowAtStart;

    list.reset();
    const TBase* previous = nullptr;
    int n = 0;
    int line = 0;  // the line the text ends in
    while (!list.isAtEnd()) {
        const TBase* element = list.elem();
        ++n;
        if (markRuns && previous && previous->compare(*element) == 1) {
            out += '\n';
            out += kRunSeparator;
            ++line;
        }
        if (first >= 0 && first == n - 1) {
            out += '\n';
            out += kSublistFrame;
            display.frameFirstLine = ++line;
        }
        out += '\n';
        if (&element->classInfo() == &TInteger::info) {
            // Long lists are mostly plain integers: written in place.
            char digits[16];
            const auto end = std::to_chars(digits, digits + sizeof digits,
                                           static_cast<const TInteger*>(element)->getValue());
            out += '[';
            out.append(digits, end.ptr);
            out += ']';
        } else {
            out += elementtext::memoText(*element);
        }
        ++line;
        if (n == display.position) {
            out += kArrowBehind;
            display.arrowLine = line;
        }
        if (last >= 0 && last == n - 1) {
            out += '\n';
            out += kSublistFrame;
            display.frameLastLine = ++line;
        }
        previous = element;
        list.advance();
    }
    list.moveTo(display.position);
    return display;
}
