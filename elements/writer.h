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
    void writeInteger(std::int32_t value);
    // The 32-bit forms when the value fits, else tag 19.
    void writeInt64(std::int64_t value);
    void writeFloat(const Extended& value);
    // ASCII as tag 6 (up to 255 bytes) or 12; any byte >= 128 makes it UTF-8,
    // tag 20.
    void writeString(std::string_view cp1252);
    void writeChar(char c);
    void writeBoolean(bool value);
    // Writes the buffer to the stream; throws "Stream-Schreibfehler".
    void flush();

private:
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
