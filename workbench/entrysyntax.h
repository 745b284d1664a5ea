// The integer syntax of the workbench's entry fields, Qt-free: optional leading
// blanks, an optional sign, then decimal digits or a hexadecimal number
// introduced by "$", "x", "X", "0x" or "0X"; nothing may follow. The value,
// sign included, must lie in the signed 32-bit range.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "elements/base.h"

namespace entrysyntax {

inline constexpr const char* kNoEntry = "Es ist kein Element eingegeben worden";
inline constexpr const char* kNoBrackets =
    "Keine eckigen Klammern an dieser Stelle - siehe nebenstehenden Text";
inline constexpr const char* kIntegerRange = "Ganze Zahl von - 2147483648 bis 2147483647 eingeben";
inline constexpr const char* kTreeRange = "Ganze Zahl von 1 bis 99 eingeben";

// The value of the text, or nothing when the text breaks the syntax or the
// range. Only the blank (U+0020) counts as a leading blank; "-$80000000" is
// the smallest accepted hexadecimal value and "$80000000" is out of range.
std::optional<std::int32_t> readInt32(std::string_view text);

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
// Integer input: readInt32, else the error "Ganze Zahl von - 2147483648 bis
// 2147483647 eingeben".
ParsedEntry parseEntry(std::string_view utf8, bool integerInput);

// True when readInt32 accepts the text and the value lies in 1..99 (the keys
// that the tree pages can draw with at most two digits).
bool isTreeNumber(std::string_view text);

}  // namespace entrysyntax
