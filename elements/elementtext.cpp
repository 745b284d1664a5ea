#include "elements/elementtext.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "elements/base.h"
#include "elements/cp1252.h"
#include "elements/values.h"

namespace elementtext {

namespace {

// Shortest round-trip form; to_chars never needs more than a few dozen
// characters for these types.
template <typename Float>
std::string floatText(Float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string charText(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t code = cp1252::toUnicode(byte);
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
        return std::string("#").append(std::to_string(byte));
    return std::string("'").append(cp1252::toUtf8(std::string_view(&c, 1))).append("'");
}

std::string colorText(std::int32_t color) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "$%08X", static_cast<unsigned>(color));
    return buffer.data();
}

}  // namespace

bool isString(const TBase& element) {
    if (&element.classInfo() == &TInteger::info) return false;
    return dynamic_cast<const TString*>(&element) != nullptr;
}

std::string valueText(const TBase& element) {
    // Plain integers first without a cast: long lists are mostly these.
    if (&element.classInfo() == &TInteger::info)
        return std::to_string(static_cast<const TInteger&>(element).getValue());
    if (const auto* s = dynamic_cast<const TString*>(&element))
        return cp1252::toUtf8(s->getValue());
    if (const auto* i = dynamic_cast<const TInteger*>(&element))
        return std::to_string(i->getValue());
    if (const auto* v = dynamic_cast<const TLongint*>(&element))
        return std::to_string(v->getValue());
    if (const auto* v = dynamic_cast<const TInt64*>(&element)) return std::to_string(v->getValue());
    if (const auto* v = dynamic_cast<const TByte*>(&element)) return std::to_string(v->getValue());
    if (const auto* v = dynamic_cast<const TWord*>(&element)) return std::to_string(v->getValue());
    if (const auto* v = dynamic_cast<const TReal*>(&element)) return floatText(v->getValue());
    if (const auto* v = dynamic_cast<const TExtended*>(&element))
        return extendedText(v->getValue());
    if (const auto* v = dynamic_cast<const TBoolean*>(&element)) {
        return v->getValue() ? "true" : "false";
    }
    if (const auto* v = dynamic_cast<const TTColor*>(&element)) return colorText(v->getValue());
    if (const auto* v = dynamic_cast<const TChar*>(&element)) return charText(v->getValue());
    if (const auto* v = dynamic_cast<const TTBruch*>(&element)) {
        const Fraction f = v->getValue();
        return std::to_string(f.numerator).append("/").append(std::to_string(f.denominator));
    }
    return std::string(element.className());
}

std::string memoText(const TBase& element) {
    if (isString(element)) return valueText(element);
    std::string text = "[";
    text += valueText(element);
    text += ']';
    return text;
}

}  // namespace elementtext
