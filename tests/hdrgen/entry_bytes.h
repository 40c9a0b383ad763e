#pragma once
// Entries and resources built byte by byte at their documented offsets, to
// compare hdrgen's output with and to feed its readers.

#include <cstdint>
#include <string>
#include <vector>

namespace hdrgen::test {

using Bytes = std::vector<std::uint8_t>;

// 2023-11-14 22:13:20 UTC, and its packed stamp.
inline constexpr const char* kEpoch = "1700000000";
inline constexpr std::uint32_t kEpochStamp =
    (23u << 25) | (11u << 21) | (14u << 16) | (22u << 11) | (13u << 5) | (20u / 2);

struct HeaderFields {
    std::string name;
    std::string info;
    std::uint32_t size = 0;
    std::uint16_t mode = 0;
    std::uint32_t date = kEpochStamp;
    std::int32_t appid = 0;
    std::int32_t resourceOffset = -1;
};

inline void put(Bytes& b, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline Bytes entryHeader(const HeaderFields& f) {
    Bytes b(128, 0);
    const std::string magic = "#!ws";
    std::copy(magic.begin(), magic.end(), b.begin());
    std::fill(b.begin() + 4, b.begin() + 64, 0xFF);
    std::copy(f.name.begin(), f.name.begin() + static_cast<long>(std::min<std::size_t>(f.name.size(), 16)),
              b.begin() + 64);
    std::copy(f.info.begin(), f.info.begin() + static_cast<long>(std::min<std::size_t>(f.info.size(), 24)),
              b.begin() + 80);
    put(b, 108, f.size, 4);
    put(b, 112, (f.size + 127) / 128, 2);
    put(b, 114, f.mode, 2);
    put(b, 116, f.date, 4);
    put(b, 120, static_cast<std::uint32_t>(f.appid), 4);
    put(b, 124, static_cast<std::uint32_t>(f.resourceOffset), 4);
    return b;
}

// A resource of `total` bytes: header "VR"+type, length field, id, then
// filler bytes `fill`.
inline Bytes resource(const std::string& type, std::size_t total, std::int16_t id, std::uint8_t fill = 0xA5,
                      std::uint16_t lengthField = 0xFFFF) {
    Bytes b(total, fill);
    b[0] = 'V';
    b[1] = 'R';
    b[2] = static_cast<std::uint8_t>(type[0]);
    b[3] = static_cast<std::uint8_t>(type[1]);
    put(b, 4, lengthField == 0xFFFF ? (total + 15) / 16 : lengthField, 2);
    put(b, 6, static_cast<std::uint16_t>(id), 2);
    return b;
}

inline Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The first `n` bytes.
inline Bytes prefix(const Bytes& b, std::size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<long>(n));
}

inline Bytes zeros(std::size_t n) {
    return Bytes(n, 0);
}

} // namespace hdrgen::test
