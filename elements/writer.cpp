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

// The buffer has no room for the largest form: the bytes go through put.
void TWriter::writeIntegerAcrossBuffers(std::int32_t value) {
    std::uint8_t bytes[5];
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
    put(bytes, size);
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

void TWriter::writeLongOrWideString(std::string_view text) {
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
