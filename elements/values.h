// The further value classes: character, 64-bit integer, byte, word, long
// integer, double and extended floats, boolean, colour and fraction. They enter
// a container only through a loaded file.
#pragma once

#include <cstdint>

#include "elements/base.h"
#include "elements/extended.h"

// Defines a value class with one field, its getValue, and the protocol.
#define TESSARO_VALUE_CLASS(Name, Type)                              \
    class Name : public TBase {                                      \
    public:                                                          \
        static const ClassInfo info;                                 \
        Name() = default;                                            \
        explicit Name(Type value) : value_(value) {}                 \
        const ClassInfo& classInfo() const override { return info; } \
        Type getValue() const { return value_; }                     \
        void saveValue(TWriter& writer) const override;              \
        void loadValue(TReader& reader) override;                    \
        std::int32_t compare(const TBase& other) const override;     \
        std::unique_ptr<TBase> copy() const override;                \
                                                                     \
    private:                                                         \
        Type value_{};                                               \
    };

TESSARO_VALUE_CLASS(TInt64, std::int64_t)
TESSARO_VALUE_CLASS(TByte, std::uint8_t)
TESSARO_VALUE_CLASS(TWord, std::uint16_t)
TESSARO_VALUE_CLASS(TLongint, std::int32_t)
// compare: -1 smaller, 0 equal, 1 otherwise (so a NaN is 1 against all).
TESSARO_VALUE_CLASS(TReal, double)
TESSARO_VALUE_CLASS(TExtended, Extended)
// compare: 0 equal, 1 different; never -1.
TESSARO_VALUE_CLASS(TBoolean, bool)
TESSARO_VALUE_CLASS(TTColor, std::int32_t)

#undef TESSARO_VALUE_CLASS

// One 8-bit character; the only value class that paints itself.
class TChar : public TBase {
public:
    static const ClassInfo info;
    TChar() = default;
    explicit TChar(char value) : value_(value) {}
    const ClassInfo& classInfo() const override { return info; }
    char getValue() const { return value_; }
    void saveValue(TWriter& writer) const override;
    void loadValue(TReader& reader) override;
    std::int32_t compare(const TBase& other) const override;
    std::unique_ptr<TBase> copy() const override;
    // Font "MS SANS SERIF", 8, black, bold; black pen; the character at (x, y).
    void paintValue(Surface& surface, int x, int y) const override;

private:
    char value_ = '\0';
};

struct Fraction {
    std::int32_t numerator = 0;
    std::int32_t denominator = 0;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// A fraction, never reduced: 1/2 and 2/4 compare equal but stay as stored.
class TTBruch : public TBase {
public:
    static const ClassInfo info;
    TTBruch() = default;
    explicit TTBruch(Fraction value) : value_(value) {}
    const ClassInfo& classInfo() const override { return info; }
    Fraction getValue() const { return value_; }
    void saveValue(TWriter& writer) const override;
    void loadValue(TReader& reader) override;
    // Cross products in 64 bits: with p/q here and r/s there, -1 when
    // q*r > p*s, 0 when equal, 1 otherwise.
    std::int32_t compare(const TBase& other) const override;
    std::unique_ptr<TBase> copy() const override;

private:
    Fraction value_;
};
