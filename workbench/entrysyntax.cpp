#include "workbench/entrysyntax.h"

#include "elements/base.h"
#include "elements/cp1252.h"
#include "elements/messages.h"

namespace entrysyntax {

ParsedEntry parseEntry(std::string_view utf8, bool integerInput) {
    ParsedEntry result;
    if (utf8.empty()) {
        result.kind = ParsedEntry::Message::information;
        result.message = message::noEntry;
    } else if (!integerInput) {
        if (utf8.front() == '[' || utf8.back() == ']') {
            result.kind = ParsedEntry::Message::information;
            result.message = kNoBrackets;
        } else {
            result.element = std::make_unique<TString>(cp1252::fromUtf8(utf8));
        }
    } else if (const auto value = parseInteger32(utf8)) {
        result.element = std::make_unique<TInteger>(*value);
    } else {
        result.kind = ParsedEntry::Message::error;
        result.message = kIntegerRange;
    }
    return result;
}

}  // namespace entrysyntax
