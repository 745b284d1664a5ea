#include "elements/writer.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "elements/cp1252.h"
#include "elements/stream.h"

namespace {
// Little-endian bytes of an integer.
template <typename T>
void toLittleEndian(T value, std::uint8_t* out) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::uint8_t>(bits & 0xFF);
        bits = static_cast<decltype(bits)>(bits >> 8);
    }
}

// True when no byte has its high bit set. Texts of four bytes and more are
// read in words, the last word overlapping the one before.
bool isAscii(std::string_view text) {
    const char* data = text.data();
    const std::size_t size = text.size();
    if (size >= 8) {
        std::uint64_t high = 0;
        std::uint64_t word;
        for (std::size_t i = 0; i + 8 <= size; i += 8) {
            std::memcpy(&word, data + i, 8);
            high |= word;
        }
        std::memcpy(&word, data + size - 8, 8);
        return ((high | word) & 0x8080808080808080u) == 0;
    }
    if (size >= 4) {
        std::uint32_t first;
        std::uint32_t last;
        std::memcpy(&first, data, 4);
        std::memcpy(&last, data + size - 4, 4);
        return ((first | last) & 0x80808080u) == 0;
    }
    unsigned char high = 0;
    for (std::size_t i = 0; i < size; ++i) high |= static_cast<unsigned char>(data[i]);
    return high < 0x80;
}
}  // namespace

TWriter::TWriter(OutputStream& out) : out_(out) {}

TWriter::~TWriter() {
    try {
        flush();
    } catch (...) {
        // Callers that need to know call flush() themselves.
    }
}

void TWriter::putAcrossBuffers(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        if (used_ == kBufferSize) flush();
        const std::size_t chunk = std::min(size, kBufferSize - used_);
        std::memcpy(buffer_ + used_, bytes, chunk);
        used_ += chunk;
        bytes += chunk;
        size -= chunk;
    }
}

void TWriter::flush() {
    if (used_ == 0) return;
    const std::size_t size = used_;
    used_ = 0;
    out_.write(buffer_, size);
}

void TWriter::writeInteger(std::int32_t value) {
    // Written straight into the buffer when the largest form fits there.
    std::uint8_t spare[5];
    std::uint8_t* bytes = kBufferSize - used_ >= sizeof spare ? buffer_ + used_ : spare;
    std::size_t size;
    if (value >= -128 && value <= 127) {
        bytes[0] = tag::int8;
        toLittleEndian(static_cast<std::int8_t>(value), bytes + 1);
        size = 2;
    } else if (value >= -32768 && value <= 32767) {
        bytes[0] = tag::int16;
        toLittleEndian(static_cast<std::int16_t>(value), bytes + 1);
        size = 3;
    } else {
        bytes[0] = tag::int32;
        toLittleEndian(value, bytes + 1);
        size = 5;
    }
    if (bytes == spare) {
        put(bytes, size);
    } else {
        used_ += size;
    }
}

void TWriter::writeInt64(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        writeInteger(static_cast<std::int32_t>(value));
        return;
    }
    std::uint8_t bytes[9];
    bytes[0] = tag::int64;
    toLittleEndian(value, bytes + 1);
    put(bytes, sizeof bytes);
}

void TWriter::writeFloat(const Extended& value) {
    std::uint8_t bytes[11];
    bytes[0] = tag::extended;
    const ExtendedBytes& payload = value.bytes();
    std::memcpy(bytes + 1, payload.data(), payload.size());
    put(bytes, sizeof bytes);
}

void TWriter::writeString(std::string_view text) {
    // Short ASCII texts, the usual case, are copied whole into the buffer and
    // then checked eight bytes at a time.
    if (text.size() <= 255 && text.size() + 2 <= kBufferSize - used_) {
        std::uint8_t* out = buffer_ + used_;
        std::memcpy(out + 2, text.data(), text.size());
        if (isAscii(text)) {
            out[0] = tag::shortText;
            out[1] = static_cast<std::uint8_t>(text.size());
            used_ += text.size() + 2;
            return;
        }
    }
    std::uint8_t head[5];
    if (!isAscii(text)) {
        const std::string utf8 = cp1252::toUtf8(text);
        head[0] = tag::utf8Text;
        toLittleEndian(static_cast<std::uint32_t>(utf8.size()), head + 1);
        put(head, 5);
        put(utf8.data(), utf8.size());
    } else if (text.size() <= 255) {
        head[0] = tag::shortText;
        head[1] = static_cast<std::uint8_t>(text.size());
        put(head, 2);
        put(text.data(), text.size());
    } else {
        head[0] = tag::longText;
        toLittleEndian(static_cast<std::uint32_t>(text.size()), head + 1);
        put(head, 5);
        put(text.data(), text.size());
    }
}

void TWriter::writeChar(char c) { writeString(std::string_view(&c, 1)); }

void TWriter::writeBoolean(bool value) { putByte(value ? tag::trueValue : tag::falseValue); }
