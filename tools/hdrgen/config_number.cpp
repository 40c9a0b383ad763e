#include "tools/hdrgen/config_number.h"

#include "entry/digit_value.h"

#include <limits>

namespace hdrgen {
namespace {

bool isNumberBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

} // namespace

std::int32_t parseConfigNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isNumberBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && text[at] == '0') {
        base = 8;
        const bool hexPrefix = at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X');
        if (hexPrefix && at + 2 < text.size() && pf::hexDigitValue(text[at + 2]) >= 0) {
            base = 16;
            at += 2;
        }
    }
    // The magnitude is kept just past the 32-bit range, which is enough to
    // tell that it must be clamped.
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = pf::digitValue(text[at], base);
        if (digit < 0) {
            break;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > kCap) {
            magnitude = kCap;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace hdrgen
