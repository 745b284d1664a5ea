// The entry syntax of the list page and the tree number check of the tree
// pages, Qt-free. Integers are read with parseInteger32.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "elements/base.h"
#include "elements/integertext.h"
#include "elements/messages.h"

namespace entrysyntax {

inline constexpr const char* kNoBrackets =
    "Keine eckigen Klammern an dieser Stelle - siehe nebenstehenden Text";
inline constexpr const char* kIntegerRange = "Ganze Zahl von - 2147483648 bis 2147483647 eingeben";

// The list page's entry turned into a new element: a TString of the text
// (converted to Windows-1252) or a TInteger; or a message and no element.
struct ParsedEntry {
    enum class Message { none, information, error };
    std::unique_ptr<TBase> element;  // owned by the caller
    Message kind = Message::none;
    const char* message = nullptr;  // UTF-8, set when element is null
};

// String input: refuses an empty text and one that starts with "[" or ends
// with "]" (brackets mark non-strings in the list display); blanks are kept.
// Integer input: parseInteger32, else the error "Ganze Zahl von - 2147483648 bis
// 2147483647 eingeben".
ParsedEntry parseEntry(std::string_view utf8, bool integerInput);

}  // namespace entrysyntax
