#include "elements/reader.h"

#include <algorithm>
#include <cstring>

#include "elements/cp1252.h"
#include "elements/errors.h"
#include "elements/stream.h"

namespace {
template <typename T>
T fromLittleEndian(const std::uint8_t* in) {
    std::make_unsigned_t<T> bits = 0;
    for (std::size_t i = sizeof(T); i-- > 0;) {
        bits = static_cast<decltype(bits)>((bits << 8) | in[i]);
    }
    return static_cast<T>(bits);
}

[[noreturn]] void invalidValue() { throw FileError(errtext::invalidValue); }
}  // namespace

TReader::TReader(InputStream& in) : in_(in) {}

bool TReader::fill() {
    pos_ = 0;
    end_ = in_.read(buffer_, kBufferSize);
    return end_ > 0;
}

bool TReader::atEnd() { return pos_ == end_ && !fill(); }

std::uint8_t TReader::takeByteAfterFill() {
    if (!fill()) throw FileError(errtext::readError);
    return buffer_[pos_++];
}

void TReader::take(void* data, std::size_t size) {
    auto* out = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (pos_ == end_ && !fill()) throw FileError(errtext::readError);
        const std::size_t chunk = std::min(size, end_ - pos_);
        std::memcpy(out, buffer_ + pos_, chunk);
        pos_ += chunk;
        out += chunk;
        size -= chunk;
    }
}

// The text grows with what actually arrives, so a length field that claims
// more than the data holds fails at the end of the data instead of reserving
// the claimed size.
std::string TReader::takeText(std::uint64_t size) {
    if (size <= end_ - pos_) {
        // The usual case: the whole text lies in the buffer.
        std::string text(reinterpret_cast<const char*>(buffer_ + pos_), size);
        pos_ += size;
        return text;
    }
    std::string text;
    while (size > 0) {
        if (pos_ == end_ && !fill()) throw FileError(errtext::readError);
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, end_ - pos_));
        text.append(reinterpret_cast<const char*>(buffer_ + pos_), chunk);
        pos_ += chunk;
        size -= chunk;
    }
    return text;
}

// The value does not lie whole in the buffer, or its tag is wrong.
std::int32_t TReader::readIntegerAcrossBuffers() {
    std::uint8_t payload[4];
    switch (takeByte()) {
        case tag::int8:
            take(payload, 1);
            return fromLittleEndian<std::int8_t>(payload);
        case tag::int16:
            take(payload, 2);
            return fromLittleEndian<std::int16_t>(payload);
        case tag::int32:
            take(payload, 4);
            return fromLittleEndian<std::int32_t>(payload);
        default:
            invalidValue();
    }
}

std::int64_t TReader::readInt64() {
    if (pos_ == end_ && !fill()) throw FileError(errtext::readError);
    if (buffer_[pos_] == tag::int64) {
        ++pos_;
        std::uint8_t payload[8];
        take(payload, 8);
        return fromLittleEndian<std::int64_t>(payload);
    }
    return readInteger();
}

Extended TReader::readFloat() {
    if (pos_ == end_ && !fill()) throw FileError(errtext::readError);
    if (buffer_[pos_] == tag::extended) {
        ++pos_;
        ExtendedBytes payload;
        take(payload.data(), payload.size());
        return Extended::fromBytes(payload);
    }
    // Any other tag stays in place and is read as an integer.
    return Extended::fromInt64(readInt64());
}

std::string TReader::readString() {
    std::string text;
    readString(text);
    return text;
}

// A text of at most limit + 1 characters (units for UTF-16); anything beyond
// stays unread.
std::string TReader::readText(std::uint64_t limit) {
    const auto cut = [limit](std::uint64_t size) { return size <= limit ? size : limit + 1; };
    std::uint8_t length[4];
    switch (takeByte()) {
        case tag::shortText:
            return takeText(cut(takeByte()));
        case tag::longText:
            take(length, 4);
            return takeText(cut(fromLittleEndian<std::uint32_t>(length)));
        case tag::utf8Text:
            take(length, 4);
            return cp1252::fromUtf8(takeText(cut(fromLittleEndian<std::uint32_t>(length))));
        case tag::utf16Text: {
            take(length, 4);
            const std::string raw = takeText(cut(fromLittleEndian<std::uint32_t>(length)) * 2);
            std::u16string units(raw.size() / 2, u'\0');
            for (std::size_t i = 0; i < units.size(); ++i) {
                units[i] = fromLittleEndian<std::uint16_t>(
                    reinterpret_cast<const std::uint8_t*>(raw.data()) + 2 * i);
            }
            return cp1252::fromUtf16(units);
        }
        default:
            invalidValue();
    }
}

std::string_view TReader::readStringLent() { return readStringLent(SIZE_MAX); }

char TReader::readChar() {
    const std::string text = readString();
    if (text.size() != 1) invalidValue();
    return text[0];
}

bool TReader::readBoolean() { return takeByte() == tag::trueValue; }
