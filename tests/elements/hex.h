// Byte images written as hex text ("06 03 61 62 63") for readable tables.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline std::string fromHex(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    return bytes;
}

inline std::string toHex(std::string_view bytes) {
    std::string hex;
    char cell[4];
    for (unsigned char b : bytes) {
        std::snprintf(cell, sizeof cell, hex.empty() ? "%02X" : " %02X", b);
        hex += cell;
    }
    return hex;
}
