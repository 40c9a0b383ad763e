#pragma once
// The value of one character as a digit of a number written in a given
// base (2 to 36): '0'-'9', then 'a'-'z' or 'A'-'Z' for 10 to 35.

namespace pf {

// The value of `c` as a digit of `base`, or -1 when it is not one.
constexpr int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'z') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'Z') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// The value of `c` as a hexadecimal digit, or -1.
constexpr int hexDigitValue(char c) {
    return digitValue(c, 16);
}

} // namespace pf
