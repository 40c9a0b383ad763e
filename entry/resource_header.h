#pragma once
// The 8-byte header that starts every resource: "VR", a two-character
// type, the length in 16-byte units (rounded up) and a signed id.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pf {

inline constexpr std::size_t kResourceHeaderSize = 8;
inline constexpr std::size_t kResourceUnit = 16;

struct ResourceHeader {
    std::array<char, 2> type{};
    std::uint16_t length = 0; // in 16-byte units
    std::int16_t id = 0;

    bool operator==(const ResourceHeader&) const = default;
};

// Length field for a resource of the given byte length (header included).
std::uint16_t resourceLengthUnits(std::size_t bytes);

// The header for a resource of `bytes` bytes; the length field keeps the
// low 16 bits of the rounded-up unit count.
ResourceHeader makeResourceHeader(std::array<char, 2> type, std::size_t bytes, std::int16_t id);

std::array<std::uint8_t, kResourceHeaderSize> encodeResourceHeader(const ResourceHeader& header);

// Writes the header into the first 8 bytes of `out`, which must hold them.
void writeResourceHeader(std::span<std::uint8_t> out, const ResourceHeader& header);

// Reads a header from the first 8 bytes; nullopt when fewer than 8 bytes
// are given or they do not begin with "VR".
std::optional<ResourceHeader> decodeResourceHeader(std::span<const std::uint8_t> bytes);

// Rounds a byte count up to the next multiple of 16.
std::size_t padToUnit(std::size_t bytes);

} // namespace pf
