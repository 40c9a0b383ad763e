#pragma once
// Size texts of the file views (UTF-8, for the window to show).

#include <cstdint>
#include <string>

namespace pf {

// "1024バイト", "1.5Kバイト", "100Kバイト", "0.98Mバイト": bytes up to 1024,
// then kilobytes with up to two decimals below 100 K, whole kilobytes below
// 1000 K, and megabytes with one or two decimals. Rounding is half away from
// zero at the last shown digit; the decimal point is ".".
std::string FormatByteSize(std::uint32_t bytes);

// The size column's text: thousands separated by commas, a minus sign for
// negative numbers ("1,234,567", "0", "-5").
std::string formatGroupedNumber(std::int64_t number);

} // namespace pf
