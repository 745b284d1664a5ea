#include "elements/values.h"

#include <string>

#include "elements/cp1252.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/writer.h"

namespace {
template <typename T>
std::unique_ptr<TBase> make() {
    return std::make_unique<T>();
}

// Numeric order where every pair that is neither smaller nor equal counts as
// greater, so a NaN is greater than everything, itself included.
template <typename T>
std::int32_t floatOrder(T a, T b) {
    if (a < b) return kLess;
    if (a == b) return kEqual;
    return kGreater;
}
}  // namespace

const ClassInfo TChar::info{"TChar", &TBase::info, &make<TChar>};
const ClassInfo TInt64::info{"TInt64", &TBase::info, &make<TInt64>};
const ClassInfo TByte::info{"TByte", &TBase::info, &make<TByte>};
const ClassInfo TWord::info{"TWord", &TBase::info, &make<TWord>};
const ClassInfo TLongint::info{"TLongint", &TBase::info, &make<TLongint>};
const ClassInfo TReal::info{"TReal", &TBase::info, &make<TReal>};
const ClassInfo TExtended::info{"TExtended", &TBase::info, &make<TExtended>};
const ClassInfo TBoolean::info{"TBoolean", &TBase::info, &make<TBoolean>};
const ClassInfo TTColor::info{"TTColor", &TBase::info, &make<TTColor>};
const ClassInfo TTBruch::info{"TTBruch", &TBase::info, &make<TTBruch>};

// Each class: compare after the class test, then its own order.
#define TESSARO_ORDERED(Name, order)                                  \
    std::int32_t Name::compare(const TBase& other) const {            \
        if (!sameClass(other)) return kOtherClass;                    \
        return order(value_, static_cast<const Name&>(other).value_); \
    }                                                                 \
    std::unique_ptr<TBase> Name::copy() const { return std::make_unique<Name>(value_); }

TESSARO_ORDERED(TChar, (threeWay<unsigned char>))
TESSARO_ORDERED(TInt64, threeWay)
TESSARO_ORDERED(TByte, threeWay)
TESSARO_ORDERED(TWord, threeWay)
TESSARO_ORDERED(TLongint, threeWay)
TESSARO_ORDERED(TReal, floatOrder)
TESSARO_ORDERED(TExtended, floatOrder)
TESSARO_ORDERED(TTColor, threeWay)
#undef TESSARO_ORDERED

void TChar::saveValue(TWriter& writer) const { writer.writeChar(value_); }
void TChar::loadValue(TReader& reader) { value_ = reader.readChar(); }

void TChar::paintValue(Surface& surface, int x, int y) const {
    surface.setFontName("MS SANS SERIF");
    surface.setFontSize(8);
    surface.setFontColor(clBlack);
    surface.setFontBold(true);
    surface.setPenColor(clBlack);
    surface.textOut(x, y, cp1252::toUtf8(std::string_view(&value_, 1)));
}

void TInt64::saveValue(TWriter& writer) const { writer.writeInt64(value_); }
void TInt64::loadValue(TReader& reader) { value_ = reader.readInt64(); }

// Stored with the integer forms; what does not fit is cut to the low bits.
void TByte::saveValue(TWriter& writer) const { writer.writeInteger(value_); }
void TByte::loadValue(TReader& reader) { value_ = static_cast<std::uint8_t>(reader.readInteger()); }

void TWord::saveValue(TWriter& writer) const { writer.writeInteger(value_); }
void TWord::loadValue(TReader& reader) {
    value_ = static_cast<std::uint16_t>(reader.readInteger());
}

void TLongint::saveValue(TWriter& writer) const { writer.writeInteger(value_); }
void TLongint::loadValue(TReader& reader) { value_ = reader.readInteger(); }

void TReal::saveValue(TWriter& writer) const { writer.writeFloat(value_); }
void TReal::loadValue(TReader& reader) { value_ = reader.readFloat().toDouble(); }

void TExtended::saveValue(TWriter& writer) const { writer.writeFloat(value_); }
void TExtended::loadValue(TReader& reader) { value_ = reader.readFloat(); }

void TBoolean::saveValue(TWriter& writer) const { writer.writeBoolean(value_); }
void TBoolean::loadValue(TReader& reader) { value_ = reader.readBoolean(); }

std::int32_t TBoolean::compare(const TBase& other) const {
    if (!sameClass(other)) return kOtherClass;
    return value_ == static_cast<const TBoolean&>(other).value_ ? kEqual : kGreater;
}

std::unique_ptr<TBase> TBoolean::copy() const { return std::make_unique<TBoolean>(value_); }

void TTColor::saveValue(TWriter& writer) const { writer.writeInteger(value_); }
void TTColor::loadValue(TReader& reader) { value_ = reader.readInteger(); }

void TTBruch::saveValue(TWriter& writer) const {
    writer.writeInteger(value_.numerator);
    writer.writeInteger(value_.denominator);
}

void TTBruch::loadValue(TReader& reader) {
    value_.numerator = reader.readInteger();
    value_.denominator = reader.readInteger();
}

std::int32_t TTBruch::compare(const TBase& other) const {
    if (!sameClass(other)) return kOtherClass;
    const Fraction& o = static_cast<const TTBruch&>(other).value_;
    // 32-bit factors give at most 2^62 in magnitude: the products are exact.
    const std::int64_t qr = std::int64_t{value_.denominator} * o.numerator;
    const std::int64_t ps = std::int64_t{value_.numerator} * o.denominator;
    if (qr > ps) return kLess;
    if (qr == ps) return kEqual;
    return kGreater;
}

std::unique_ptr<TBase> TTBruch::copy() const { return std::make_unique<TTBruch>(value_); }
