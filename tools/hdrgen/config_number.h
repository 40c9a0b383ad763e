#pragma once
// Numbers in the config file's mode and appid values.

#include <cstdint>
#include <string_view>

namespace hdrgen {

// Leading blanks skipped, an optional sign, then 0x/0X hexadecimal, a
// leading 0 octal, else decimal digits, up to the first byte that is not a
// digit of that base. Beyond the signed 32-bit range the value sticks at the
// largest or smallest 32-bit value; no digits gives 0.
std::int32_t parseConfigNumber(std::string_view text);

} // namespace hdrgen
