// TWriter: writes values in the tagged encoding of elements/valuetags.h
// through a buffer onto an output stream.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "elements/extended.h"
#include "elements/valuetags.h"

class OutputStream;

class TWriter {
public:
    static constexpr std::size_t kBufferSize = 4000;

    // The stream is lent and must outlive the writer.
    explicit TWriter(OutputStream& out);
    // Flushes what is still buffered; errors there are lost, so callers that
    // care call flush() first.
    ~TWriter();
    TWriter(const TWriter&) = delete;
    TWriter& operator=(const TWriter&) = delete;

    // Always the smallest of the 8-, 16- and 32-bit forms.
    void writeInteger(std::int32_t value) {
        // The usual case: the largest form fits in the buffer, and the value
        // is written straight into it.
        if (kBufferSize - used_ >= 5) {
            std::uint8_t* bytes = buffer_ + used_;
            const auto bits = static_cast<std::uint32_t>(value);
            bytes[1] = static_cast<std::uint8_t>(bits);
            if (value >= -128 && value <= 127) {
                bytes[0] = tag::int8;
                used_ += 2;
                return;
            }
            bytes[2] = static_cast<std::uint8_t>(bits >> 8);
            if (value >= -32768 && value <= 32767) {
                bytes[0] = tag::int16;
                used_ += 3;
                return;
            }
            bytes[0] = tag::int32;
            bytes[3] = static_cast<std::uint8_t>(bits >> 16);
            bytes[4] = static_cast<std::uint8_t>(bits >> 24);
            used_ += 5;
            return;
        }
        writeIntegerAcrossBuffers(value);
    }
    // The 32-bit forms when the value fits, else tag 19.
    void writeInt64(std::int64_t value);
    void writeFloat(const Extended& value);
    // ASCII as tag 6 (up to 255 bytes) or 12; any byte >= 128 makes it UTF-8,
    // tag 20.
    void writeString(std::string_view cp1252) {
        if (!putShortAscii(cp1252)) writeLongOrWideString(cp1252);
    }
    void writeChar(char c);
    void writeBoolean(bool value);
    // Writes the buffer to the stream; throws "Stream-Schreibfehler".
    void flush();

private:
    // True when no byte has its high bit set. Texts of four bytes and more are
    // read in words, the last word overlapping the one before.
    static bool isAscii(std::string_view text) {
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
    // Writes a short ASCII text (tag 6) that fits in the buffer and returns
    // true; else writes nothing and returns false. The usual names and values
    // of 4 to 16 bytes are copied and checked as two overlapping words each,
    // without a call.
    bool putShortAscii(std::string_view text) {
        const char* data = text.data();
        const std::size_t size = text.size();
        std::uint8_t* out = buffer_ + used_;
        if (size >= 8 && size <= 16 && kBufferSize - used_ >= 18) {
            std::uint64_t first;
            std::uint64_t last;
            std::memcpy(&first, data, 8);
            std::memcpy(&last, data + size - 8, 8);
            if (((first | last) & 0x8080808080808080u) != 0) return false;
            std::memcpy(out + 2, &first, 8);
            std::memcpy(out + 2 + size - 8, &last, 8);
        } else if (size >= 4 && size < 8 && kBufferSize - used_ >= 10) {
            std::uint32_t first;
            std::uint32_t last;
            std::memcpy(&first, data, 4);
            std::memcpy(&last, data + size - 4, 4);
            if (((first | last) & 0x80808080u) != 0) return false;
            std::memcpy(out + 2, &first, 4);
            std::memcpy(out + 2 + size - 4, &last, 4);
        } else if (size <= 255 && size + 2 <= kBufferSize - used_) {
            // Copied whole first, then checked a word at a time.
            std::memcpy(out + 2, data, size);
            if (!isAscii(text)) return false;
        } else {
            return false;
        }
        out[0] = tag::shortText;
        out[1] = static_cast<std::uint8_t>(size);
        used_ += size + 2;
        return true;
    }
    void writeIntegerAcrossBuffers(std::int32_t value);
    // writeString for a text that is not short ASCII or does not fit in the
    // buffer.
    void writeLongOrWideString(std::string_view cp1252);

    // Most values fit in what is left of the buffer: copy them directly.
    void put(const void* data, std::size_t size) {
        if (size <= kBufferSize - used_) {
            std::memcpy(buffer_ + used_, data, size);
            used_ += size;
        } else {
            putAcrossBuffers(data, size);
        }
    }
    void putAcrossBuffers(const void* data, std::size_t size);
    void putByte(std::uint8_t byte) { put(&byte, 1); }

    OutputStream& out_;
    std::uint8_t buffer_[kBufferSize];
    std::size_t used_ = 0;
};
