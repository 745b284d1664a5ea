// Windows-1252, the 8-bit code page of all texts inside the program.
//
// Policy for the five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D): they map to the C1 control characters of the same number
// (U+0081 ...), as Windows and ICU do, so every byte value round-trips through
// UTF-8 and back. A character outside the code page becomes kSubstitute.
#pragma once

#include <string>
#include <string_view>

namespace cp1252 {

inline constexpr char kSubstitute = '?';

// The Unicode code point of one Windows-1252 byte.
char32_t toUnicode(unsigned char byte);
// The byte for a code point, or kSubstitute when the code page lacks it.
char fromUnicode(char32_t codePoint);

std::string toUtf8(std::string_view bytes);
// Malformed UTF-8 sequences become one kSubstitute each.
std::string fromUtf8(std::string_view utf8);
// Unpaired surrogates become kSubstitute.
std::string fromUtf16(std::u16string_view utf16);

// Bytes from a file as they may appear in a message: at most the first
// kExcerptSize characters in UTF-8, followed by "…" when the text is longer.
inline constexpr std::size_t kExcerptSize = 40;
std::string excerptUtf8(std::string_view bytes);

}  // namespace cp1252
