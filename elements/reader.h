// TReader: reads values in the tagged encoding of elements/valuetags.h
// through a buffer from an input stream, with the file errors of a value that
// is not what the caller expects or of data that ends too early.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "elements/extended.h"
#include "elements/valuetags.h"

class InputStream;

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
    // As readStringLent, but a text longer than limit is not read whole: only
    // its first limit + 1 characters are returned and the rest stays unread.
    // For names, whose valid forms are all shorter than limit.
    std::string_view readStringLent(std::size_t limit);
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
    std::string readText(std::uint64_t limit);
    bool fill();

    InputStream& in_;
    std::uint8_t buffer_[kBufferSize];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::string lent_;
};
