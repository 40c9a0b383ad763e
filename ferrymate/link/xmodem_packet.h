#pragma once

// One XMODEM block on the wire: SOH, block number, its ones' complement, 128
// data bytes and their 8-bit arithmetic checksum.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pf {

inline constexpr std::uint8_t kSOH = 0x01;
inline constexpr std::uint8_t kEOT = 0x04;
inline constexpr std::uint8_t kACK = 0x06;
inline constexpr std::uint8_t kNAK = 0x15;
inline constexpr std::uint8_t kCAN = 0x18;
// Filler of the last block beyond the end of the file.
inline constexpr std::uint8_t kXModemFiller = 0x1A;

inline constexpr std::size_t kXModemDataSize = 128;
inline constexpr std::size_t kXModemPacketSize = 132;

struct Packet {
    std::array<std::uint8_t, kXModemPacketSize> bytes{};

    std::uint8_t header() const { return bytes[0]; }
    std::uint8_t number() const { return bytes[1]; }
    std::uint8_t complement() const { return bytes[2]; }
    std::span<std::uint8_t, kXModemDataSize> data() { return std::span(bytes).subspan<3, kXModemDataSize>(); }
    std::span<const std::uint8_t, kXModemDataSize> data() const {
        return std::span(bytes).subspan<3, kXModemDataSize>();
    }
    std::uint8_t checksum() const { return bytes[kXModemPacketSize - 1]; }
};

// The sum of the data bytes modulo 256.
std::uint8_t XModemChecksum(std::span<const std::uint8_t, kXModemDataSize> data);

// Builds block `number` from `content` (at most 128 bytes; the rest of the
// data part is filler).
Packet BuildPacket(std::uint8_t number, std::span<const std::uint8_t> content);

// True when the packet carries block `expected` with a correct complement
// and checksum.
bool PacketIsValid(const Packet& packet, std::uint8_t expected);

} // namespace pf
