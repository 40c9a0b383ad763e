#pragma once
// Little-endian reads and writes, byte by byte, so that the layout of the
// kit's files never depends on the compiler's structure packing or the
// machine's byte order.

#include <cstdint>

namespace pf {

inline void putLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void putLe32(std::uint8_t* p, std::uint32_t v) {
    putLe16(p, static_cast<std::uint16_t>(v));
    putLe16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

inline std::uint16_t getLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t getLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(getLe16(p)) | (static_cast<std::uint32_t>(getLe16(p + 2)) << 16);
}

} // namespace pf
