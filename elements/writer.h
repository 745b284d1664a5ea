// TWriter and TReader: the tagged value encoding shared by all structure
// files. A value is one tag byte and a payload, little-endian:
//   2/3/4 integer in 8/16/32 bits, 19 integer in 64 bits, 5 extended float,
//   6 short text (1-byte length), 12 long text (4-byte length),
//   20 UTF-8 text, 18 UTF-16 text (read only), 8 false, 9 true.
// There is no header and no end mark; readers know from the data how much to
// read. Texts are Windows-1252 bytes in memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "elements/extended.h"

class OutputStream;
class InputStream;

namespace tag {
inline constexpr std::uint8_t int8 = 2;
inline constexpr std::uint8_t int16 = 3;
inline constexpr std::uint8_t int32 = 4;
inline constexpr std::uint8_t extended = 5;
inline constexpr std::uint8_t shortText = 6;
inline constexpr std::uint8_t falseValue = 8;
inline constexpr std::uint8_t trueValue = 9;
inline constexpr std::uint8_t longText = 12;
inline constexpr std::uint8_t utf16Text = 18;
inline constexpr std::uint8_t int64 = 19;
inline constexpr std::uint8_t utf8Text = 20;
}  // namespace tag

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
    void writeFloat(Extended value);
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

class TReader {
public:
    static constexpr std::size_t kBufferSize = 4000;

    // The stream is lent and must outlive the reader.
    explicit TReader(InputStream& in);
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    // Tags 2, 3, 4, sign-extended; other tags: "Ungültiger Eigenschaftswert".
    std::int32_t readInteger();
    // Tag 19, else as readInteger.
    std::int64_t readInt64();
    // Tag 5; any other tag is given back and read as a 64-bit integer.
    Extended readFloat();
    // Tags 6, 12, 20, 18; texts are returned in Windows-1252.
    std::string readString();
    // As readString, but the text is only lent: it stays valid until the next
    // read. Spares a copy where the text is looked at once (class names).
    std::string_view readStringLent();
    // A text of exactly one character.
    char readChar();
    // Consumes one tag byte: true exactly for 9, no payload, never fails
    // except at the end of the data.
    bool readBoolean();
    // True when every byte has been consumed.
    bool atEnd();

private:
    std::uint8_t takeByte() { return pos_ < end_ ? buffer_[pos_++] : takeByteAfterFill(); }
    std::uint8_t takeByteAfterFill();
    void take(void* data, std::size_t size);
    std::string takeText(std::uint64_t size);
    bool fill();

    InputStream& in_;
    std::uint8_t buffer_[kBufferSize];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::string lent_;
};
