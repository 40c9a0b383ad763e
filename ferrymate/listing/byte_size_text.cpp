#include "ferrymate/listing/byte_size_text.h"

#include <cmath>

namespace pf {
namespace {

constexpr double kKilo = 1024.0;

// `value` rounded half away from zero to `maxDecimals` decimals, printed
// with at least `minDecimals` of them.
std::string fixedText(double value, int minDecimals, int maxDecimals) {
    const double scale = std::pow(10.0, maxDecimals);
    const auto scaled = static_cast<std::uint64_t>(std::llround(value * scale));
    const auto divisor = static_cast<std::uint64_t>(scale);
    std::string text = std::to_string(scaled / divisor);
    if (maxDecimals == 0)
        return text;
    std::string decimals = std::to_string(scaled % divisor);
    decimals.insert(0, static_cast<std::size_t>(maxDecimals) - decimals.size(), '0');
    while (decimals.size() > static_cast<std::size_t>(minDecimals) && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += "." + decimals;
    return text;
}

} // namespace

std::string FormatByteSize(std::uint32_t bytes) {
    // n / 1024 and n / 1048576 are exact in a double, so the rounding of a
    // half is exact too.
    const double k = bytes / kKilo;
    if (k <= 1.0)
        return std::to_string(bytes) + "バイト";
    if (k < 100.0)
        return fixedText(k, 0, 2) + "Kバイト";
    if (k < 1000.0)
        return fixedText(k, 0, 0) + "Kバイト";
    return fixedText(k / kKilo, 1, 2) + "Mバイト";
}

std::string formatGroupedNumber(std::int64_t number) {
    const bool negative = number < 0;
    // Through unsigned arithmetic so that the smallest value negates safely.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    std::string digits = std::to_string(magnitude);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return negative ? "-" + text : text;
}

} // namespace pf
