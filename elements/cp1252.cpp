#include "elements/cp1252.h"

#include <array>
#include <cstdint>

namespace cp1252 {
namespace {

// 0x80..0x9F; the five undefined bytes map to the C1 control of their number.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return byte;
}

char fromUnicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    }
    return kSubstitute;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // A run of ASCII bytes is the same in UTF-8: copied in one piece.
        std::size_t ascii = i;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
        out.append(bytes.data() + i, ascii - i);
        i = ascii;
        if (i < bytes.size()) {
            appendUtf8(out, toUnicode(static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            minimum = 0x10000;
        }
        int taken = 1;
        bool valid = length > 0;
        for (; valid && taken < length; ++taken) {
            if (i + taken >= n) {
                valid = false;
                break;
            }
            const auto c = static_cast<unsigned char>(utf8[i + taken]);
            if ((c & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) {
            valid = false;
        }
        // A malformed sequence becomes one substitute; decoding resumes at the
        // first byte that could not belong to it.
        out += valid ? fromUnicode(cp) : kSubstitute;
        i += taken;
    }
    return out;
}

std::string fromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            ++i;  // a supplementary character: never in the code page
            out += kSubstitute;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            out += kSubstitute;
        } else {
            out += fromUnicode(unit);
        }
    }
    return out;
}

std::string excerptUtf8(std::string_view bytes) {
    if (bytes.size() <= kExcerptSize) return toUtf8(bytes);
    return toUtf8(bytes.substr(0, kExcerptSize)) + "\u2026";
}

}  // namespace cp1252
