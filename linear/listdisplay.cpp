#include "linear/listdisplay.h"

#include <cassert>
#include <charconv>

#include "elements/base.h"
#include "elements/elementtext.h"
#include "linear/liste.h"

namespace {
constexpr const char* kArrowAtStart = "     <--";
constexpr const char* kArrowBehind = "  <--";
constexpr const char* kRunSeparator = "---------";
constexpr const char* kSublistFrame = "--------";

// The display of count elements: eachElement(line) calls line(text,
// startsRun) for each element in order.
template <typename EachElement>
ListDisplay writeDisplay(std::uint16_t count, std::uint16_t position, int first, int last,
                         std::size_t sizeHint, EachElement eachElement) {
    ListDisplay display;
    display.position = position;
    display.count = count;
    std::string& out = display.text;
    out.reserve(sizeHint);
    if (display.position == 0) out += kArrowAtStart;
    int n = 0;
    int line = 0;  // the line the text ends in
    eachElement([&](std::string_view text, bool startsRun) {
        ++n;
        if (startsRun) {
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
        out += text;
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
    });
    return display;
}

// The memo line of an element; integers, most of a long list, without a call.
template <typename Use>
void withLineOf(const TBase& element, Use use) {
    if (&element.classInfo() == &TInteger::info) {
        char digits[16];
        digits[0] = '[';
        const auto end = std::to_chars(digits + 1, digits + sizeof digits - 1,
                                       static_cast<const TInteger&>(element).getValue());
        *end.ptr = ']';
        use(std::string_view(digits, static_cast<std::size_t>(end.ptr + 1 - digits)));
    } else {
        use(std::string_view(elementtext::memoText(element)));
    }
}

}  // namespace

ListDisplay renderList(TListe& list, bool markRuns, int first, int last) {
    const std::uint16_t position = list.position();
    ListDisplay display = writeDisplay(
        list.count(), position, first, last, static_cast<std::size_t>(list.count()) * 8 + 16,
        [&](auto line) {
            const TBase* previous = nullptr;
            for (list.reset(); !list.isAtEnd(); list.advance()) {
                const TBase* element = list.elem();
                const bool startsRun = markRuns && previous && previous->compare(*element) == 1;
                withLineOf(*element, [&](std::string_view text) { line(text, startsRun); });
                previous = element;
            }
        });
    list.moveTo(position);
    return display;
}

std::uint16_t ListTexts::id(const TBase& element) {
    std::uint16_t result = 0;
    withLineOf(element, [&](std::string_view text) {
        if (const auto found = ids_.find(text); found != ids_.end()) {
            result = found->second;
            return;
        }
        assert(texts_.size() < 65536);
        result = static_cast<std::uint16_t>(texts_.size());
        texts_.emplace_back(text);
        ids_.emplace(texts_.back(), result);
    });
    return result;
}

ListDisplay ListView::display() const {
    std::size_t size = 16;
    for (std::uint16_t id : elements) size += texts->text(id).size() + 1;
    return writeDisplay(static_cast<std::uint16_t>(elements.size()), position, first, last, size,
                        [&](auto line) {
                            auto run = runStarts.begin();
                            for (std::size_t i = 0; i < elements.size(); ++i) {
                                const bool startsRun = run != runStarts.end() && *run == i;
                                if (startsRun) ++run;
                                line(texts->text(elements[i]), startsRun);
                            }
                        });
}

std::size_t ListView::bytes() const {
    return sizeof(ListView) + (elements.capacity() + runStarts.capacity()) * sizeof(std::uint16_t);
}

ListView viewList(TListe& list, const std::shared_ptr<ListTexts>& texts, bool markRuns, int first,
                  int last) {
    ListView view;
    view.texts = texts;
    view.first = first;
    view.last = last;
    view.position = list.position();
    view.elements.reserve(list.count());
    const TBase* previous = nullptr;
    for (list.reset(); !list.isAtEnd(); list.advance()) {
        const TBase* element = list.elem();
        if (markRuns && previous && previous->compare(*element) == 1)
            view.runStarts.push_back(static_cast<std::uint16_t>(view.elements.size()));
        view.elements.push_back(texts->id(*element));
        previous = element;
    }
    list.moveTo(view.position);
    return view;
}
