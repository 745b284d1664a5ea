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
    std::int32_t readInteger() {
        // The usual case: the whole value lies in the buffer.
        if (end_ - pos_ >= 5) {
            const std::uint8_t* at = buffer_ + pos_;
            switch (at[0]) {
                case tag::int8:
                    pos_ += 2;
                    return static_cast<std::int8_t>(at[1]);
                case tag::int16:
                    pos_ += 3;
                    return static_cast<std::int16_t>(at[1] | at[2] << 8);
                case tag::int32:
                    pos_ += 5;
                    return static_cast<std::int32_t>(static_cast<std::uint32_t>(at[1]) |
                                                     static_cast<std::uint32_t>(at[2]) << 8 |
                                                     static_cast<std::uint32_t>(at[3]) << 16 |
                                                     static_cast<std::uint32_t>(at[4]) << 24);
                default:
                    break;
            }
        }
        return readIntegerAcrossBuffers();
    }
    // Tag 19, else as readInteger.
    std::int64_t readInt64();
    // Tag 5; any other tag is given back and read as a 64-bit integer.
    Extended readFloat();
    // Tags 6, 12, 20, 18; texts are returned in Windows-1252.
    std::string readString();
    // As readString, into text (whose memory is reused).
    void readString(std::string& text) {
        // A short text that lies whole in the buffer is copied from there.
        if (const std::size_t size = shortTextInBuffer(SIZE_MAX); size != kNoShortText) {
            const auto* from = reinterpret_cast<const char*>(buffer_ + pos_ - size);
            // Cleared and appended: cheaper than assign, which allows for
            // the text lying inside the target.
            text.clear();
            if (size < kWordCopy && end_ - (pos_ - size) >= kWordCopy - 1) {
                // The usual short text, with the bytes after it in the
                // buffer, is appended as a block of fixed size and cut back:
                // a few word moves, where the compiler's own copy of a short
                // variable length starts a string instruction that costs more
                // than the whole copy.
                text.append(from, kWordCopy - 1);
                text.resize(size);
            } else {
                text.append(from, size);
            }
            return;
        }
        text = readText(UINT64_MAX);
    }
    // As readString, but the text is only lent: it stays valid until the next
    // read. Spares a copy where the text is looked at once (class names).
    std::string_view readStringLent();
    // As readStringLent, but a text longer than limit is not read whole: only
    // its first limit + 1 characters are returned and the rest stays unread.
    // For names, whose valid forms are all shorter than limit.
    std::string_view readStringLent(std::size_t limit) {
        // A short text that lies whole in the buffer is lent from there.
        if (const std::size_t size = shortTextInBuffer(limit); size != kNoShortText) {
            return {reinterpret_cast<const char*>(buffer_ + pos_ - size), size};
        }
        lent_ = readText(limit);
        return lent_;
    }
    // A text of exactly one character.
    char readChar();
    // Consumes one tag byte: true exactly for 9, no payload, never fails
    // except at the end of the data.
    bool readBoolean();
    // True when every byte has been consumed.
    bool atEnd();

private:
    static constexpr std::size_t kNoShortText = SIZE_MAX;

    // When a short text (tag 6) of at most limit characters lies whole in the
    // buffer: consumes it and returns its length, its bytes then end at pos_.
    // Else kNoShortText, and nothing is consumed.
    std::size_t shortTextInBuffer(std::size_t limit) {
        if (end_ - pos_ < 2 || buffer_[pos_] != tag::shortText) return kNoShortText;
        const std::size_t size = buffer_[pos_ + 1];
        if (size > end_ - pos_ - 2 || size > limit) return kNoShortText;
        pos_ += size + 2;
        return size;
    }
    // Texts shorter than this fit in every string without allocating (15
    // characters, the inline room of std::string).
    static constexpr std::size_t kWordCopy = 16;
    std::int32_t readIntegerAcrossBuffers();
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
