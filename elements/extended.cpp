#include "elements/extended.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;
constexpr std::uint64_t kDoubleFraction = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleQuiet = std::uint64_t{1} << 51;
constexpr std::uint64_t kDoubleDefaultNaN = 0xFFF8000000000000;

// The three fields of the ten bytes.
struct Fields {
    bool negative = false;
    int exponent = 0;  // biased, 0..0x7FFF
    std::uint64_t significand = 0;
};

Fields fieldsOf(const ExtendedBytes& bytes) {
    Fields f;
    for (int i = 7; i >= 0; --i) f.significand = (f.significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
    f.negative = (top & 0x8000) != 0;
    f.exponent = static_cast<int>(top & 0x7FFF);
    return f;
}

ExtendedBytes bytesOf(const Fields& f) {
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(f.significand >> (8 * i));
    const unsigned top = static_cast<unsigned>(f.exponent) | (f.negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

// An exponent other than 0 needs the integer bit; without it (unnormals,
// pseudo-infinities and pseudo-NaNs) the x87 unit treats the encoding as no
// number.
bool isInvalid(const Fields& f) { return f.exponent != 0 && (f.significand & kIntegerBit) == 0; }

bool isNaNOrInvalid(const Fields& f) {
    return isInvalid(f) || (f.exponent == kMaxExponent && (f.significand << 1) != 0);
}

// A non-zero finite value as significand * 2^exponent with the significand's
// top bit set. Denormals and pseudo-denormals have the exponent of the
// smallest normal.
struct Normalized {
    std::uint64_t significand;
    int exponent;
};

Normalized normalized(const Fields& f) {
    const int shift = std::countl_zero(f.significand);
    return {f.significand << shift, std::max(f.exponent, 1) - kBias - 63 - shift};
}

Fields fieldsFromMagnitude(bool negative, std::uint64_t magnitude, int exponent) {
    // magnitude * 2^exponent, magnitude not zero.
    const int shift = std::countl_zero(magnitude);
    return {negative, exponent - shift + 63 + kBias, magnitude << shift};
}

}  // namespace

Extended::Extended(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & kDoubleFraction;
    Fields f{negative, 0, 0};
    if (exponent == 0x7FF) {
        f.exponent = kMaxExponent;
        f.significand = kIntegerBit | (fraction == 0 ? 0 : kQuietBit | (fraction << 11));
    } else if (exponent == 0) {
        if (fraction != 0) f = fieldsFromMagnitude(negative, fraction, -1074);
    } else {
        f = fieldsFromMagnitude(negative, fraction | (kDoubleFraction + 1), exponent - 1075);
    }
    bytes_ = bytesOf(f);
}

Extended Extended::fromBytes(const ExtendedBytes& bytes) {
    Extended e;
    e.bytes_ = bytes;
    return e;
}

Extended Extended::fromInt64(std::int64_t value) {
    Extended e;
    if (value == 0) return e;
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    e.bytes_ = bytesOf(fieldsFromMagnitude(negative, magnitude, 0));
    return e;
}

bool Extended::isNaN() const { return isNaNOrInvalid(fieldsOf(bytes_)); }

double Extended::toDouble() const {
    const Fields f = fieldsOf(bytes_);
    const std::uint64_t sign = f.negative ? std::uint64_t{1} << 63 : 0;
    std::uint64_t bits = sign;
    if (isInvalid(f)) {
        bits = kDoubleDefaultNaN;
    } else if (f.exponent == kMaxExponent) {
        bits |= std::uint64_t{0x7FF} << 52;
        if ((f.significand << 1) != 0)
            bits |= kDoubleQuiet | ((f.significand >> 11) & kDoubleFraction);
    } else if (f.significand != 0) {
        const Normalized n = normalized(f);
        // The value lies in [2^scale, 2^(scale + 1)).
        const int scale = n.exponent + 63;
        // Bits dropped from the 64: 11 for a normal double, more for a denormal.
        const int dropped = scale >= -1022 ? 11 : 11 + (-1022 - scale);
        std::uint64_t kept = 0;
        if (dropped <= 64) {
            kept = dropped == 64 ? 0 : n.significand >> dropped;
            const std::uint64_t rest =
                dropped == 64 ? n.significand : n.significand & ((std::uint64_t{1} << dropped) - 1);
            const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
            if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
        }
        if (scale >= -1022) {
            int biased = scale + 1023;
            if (kept >> 53 != 0) {  // rounded up to the next power of two
                kept >>= 1;
                ++biased;
            }
            if (biased >= 0x7FF)
                bits |= std::uint64_t{0x7FF} << 52;
            else
                bits |= (std::uint64_t(biased) << 52) | (kept & kDoubleFraction);
        } else {
            // A denormal; rounding up to 2^52 gives the smallest normal.
            bits |= kept;
        }
    }
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::partial_ordering operator<=>(const Extended& a, const Extended& b) {
    const Fields fa = fieldsOf(a.bytes_), fb = fieldsOf(b.bytes_);
    if (isNaNOrInvalid(fa) || isNaNOrInvalid(fb)) return std::partial_ordering::unordered;
    // Magnitudes as (exponent, significand) pairs, zero lowest, infinity highest.
    const auto magnitude = [](const Fields& f) -> std::pair<int, std::uint64_t> {
        if (f.exponent == kMaxExponent) return {INT_MAX, 0};
        if (f.significand == 0) return {INT_MIN, 0};
        const Normalized n = normalized(f);
        return {n.exponent, n.significand};
    };
    const auto ma = magnitude(fa), mb = magnitude(fb);
    const bool zeroA = ma.first == INT_MIN, zeroB = mb.first == INT_MIN;
    if (zeroA && zeroB) return std::partial_ordering::equivalent;
    if (fa.negative != fb.negative)
        return fa.negative ? std::partial_ordering::less : std::partial_ordering::greater;
    return fa.negative ? mb <=> ma : ma <=> mb;
}

// --- Text ---------------------------------------------------------------------

namespace {

// A non-negative integer of any size, 32 bits a limb, lowest first.
class BigInt {
public:
    explicit BigInt(std::uint64_t value) {
        for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool isZero() const { return limbs_.empty(); }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfTen(int power) {
        for (; power >= 9; power -= 9) multiply(1000000000);
        for (; power > 0; --power) multiply(10);
    }

    void shiftLeft(int bits) {
        if (isZero()) return;
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
        const int rest = bits % 32;
        if (rest == 0) return;
        std::uint32_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint32_t next = limb >> (32 - rest);
            limb = (limb << rest) | carry;
            carry = next;
        }
        if (carry != 0) limbs_.push_back(carry);
    }

    void add(const BigInt& other) {
        limbs_.resize(std::max(limbs_.size(), other.limbs_.size()), 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            carry += limbs_[i];
            if (i < other.limbs_.size()) carry += other.limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    // Requires *this >= other.
    void subtract(const BigInt& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t d = std::int64_t{limbs_[i]} - borrow;
            if (i < other.limbs_.size()) d -= other.limbs_[i];
            borrow = d < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        trim();
    }

    // Divides by divisor and gives the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (auto it = limbs_.rbegin(); it != limbs_.rend(); ++it) {
            const std::uint64_t current = (rest << 32) | *it;
            *it = static_cast<std::uint32_t>(current / divisor);
            rest = current % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(rest);
    }

    friend std::strong_ordering operator<=>(const BigInt& a, const BigInt& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
        }
        return std::strong_ordering::equal;
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

BigInt sum(BigInt a, const BigInt& b) {
    a.add(b);
    return a;
}

// The decimal digits of an integer.
std::string decimalOf(BigInt value) {
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + value.divide(10)));
    } while (!value.isZero());
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// The shortest digits d1..dn with 0.d1..dn * 10^point reading back as
// significand * 2^exponent, the nearest such on a choice, ties to an even last
// digit. lowerGapHalved: the next smaller value is only half as far as the next
// larger one.
std::string shortestDigits(std::uint64_t significand, int exponent, bool lowerGapHalved,
                           int& point) {
    // value = r / s; the values that read back lie within r - mMinus .. r + mPlus
    // (over s), the ends included when the significand is even.
    const int extra = lowerGapHalved ? 2 : 1;
    BigInt r(significand), s(1), mPlus(1), mMinus(1);
    r.shiftLeft(extra);
    s.shiftLeft(extra);
    mPlus.shiftLeft(extra - 1);
    if (exponent >= 0) {
        r.shiftLeft(exponent);
        mPlus.shiftLeft(exponent);
        mMinus.shiftLeft(exponent);
    } else {
        s.shiftLeft(-exponent);
    }
    const bool endsIncluded = significand % 2 == 0;
    const auto aboveHigh = [&](const BigInt& scale) {
        const auto c = sum(r, mPlus) <=> scale;
        return endsIncluded ? c >= 0 : c > 0;
    };
    // An estimate of the decimal exponent that is never too high, then the
    // correction: point is the least with high < 10^point (<= with open ends).
    const int binaryScale = exponent + 63 - std::countl_zero(significand);
    point = static_cast<int>(std::floor(binaryScale * 0.30102999566398120));
    if (point >= 0) {
        s.multiplyByPowerOfTen(point);
    } else {
        r.multiplyByPowerOfTen(-point);
        mPlus.multiplyByPowerOfTen(-point);
        mMinus.multiplyByPowerOfTen(-point);
    }
    while (aboveHigh(s)) {
        s.multiply(10);
        ++point;
    }
    std::string digits;
    for (;;) {
        r.multiply(10);
        mPlus.multiply(10);
        mMinus.multiply(10);
        int digit = 0;
        while (r >= s) {
            r.subtract(s);
            ++digit;
        }
        const auto low = r <=> mMinus;
        const bool lowDone = endsIncluded ? low <= 0 : low < 0;
        const bool highDone = aboveHigh(s);
        if (!lowDone && !highDone) {
            digits.push_back(static_cast<char>('0' + digit));
            continue;
        }
        if (lowDone && highDone) {
            BigInt twice = r;
            twice.shiftLeft(1);
            const auto c = twice <=> s;
            if (c > 0 || (c == 0 && digit % 2 != 0)) ++digit;
        } else if (highDone) {
            ++digit;
        }
        digits.push_back(static_cast<char>('0' + digit));
        return digits;
    }
}

}  // namespace

std::string extendedText(const Extended& value) {
    const Fields f = fieldsOf(value.bytes());
    std::string text = f.negative ? "-" : "";
    if (isNaNOrInvalid(f)) return text + "nan";
    if (f.exponent == kMaxExponent) return text + "inf";
    if (f.significand == 0) return text + "0";

    // The value is significand * 2^exponent; denormals have the step of the
    // smallest normals.
    const int exponent = std::max(f.exponent, 1) - kBias - 63;
    const bool lowerGapHalved = f.significand == kIntegerBit && f.exponent > 1;
    int point = 0;
    const std::string digits = shortestDigits(f.significand, exponent, lowerGapHalved, point);
    const int count = static_cast<int>(digits.size());

    const int scientificExponent = point - 1;
    std::string exponentText = std::to_string(std::abs(scientificExponent));
    if (exponentText.size() < 2) exponentText.insert(0, "0");
    const int scientificLength =
        count + (count > 1 ? 1 : 0) + 2 + static_cast<int>(exponentText.size());
    const int fixedLength = point >= count ? point : point > 0 ? count + 1 : 2 - point + count;

    if (fixedLength > scientificLength) {
        text += digits[0];
        if (count > 1) text.append(".").append(digits, 1);
        text += scientificExponent < 0 ? "e-" : "e+";
        return text + exponentText;
    }
    if (point >= count) {
        // A whole number: its exact digits, as many as the shortest form has.
        BigInt whole(exponent >= 0 ? f.significand : f.significand >> -exponent);
        if (exponent >= 0) whole.shiftLeft(exponent);
        return text + decimalOf(whole);
    }
    if (point > 0) return text + digits.substr(0, point) + "." + digits.substr(point);
    return text + "0." + std::string(-point, '0') + digits;
}
