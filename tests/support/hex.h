// Byte images written as hex text ("06 03 61 62 63") for readable tables;
// shared by the tests of every core folder.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace testsupport {

// The hex digit pairs of text back to bytes; everything else (blanks, line
// breaks) is skipped, and a last unpaired digit is dropped.
inline std::string fromHex(std::string_view text) {
    std::string bytes;
    int high = -1;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            continue;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    return bytes;
}

// Bytes as upper-case hex pairs separated by single blanks.
inline std::string toHex(std::string_view bytes) {
    std::string hex;
    char cell[4];
    for (unsigned char b : bytes) {
        std::snprintf(cell, sizeof cell, hex.empty() ? "%02X" : " %02X", b);
        hex += cell;
    }
    return hex;
}

}  // namespace testsupport
