#include "ferrymate/link/xmodem_packet.h"

#include <algorithm>
#include <numeric>

namespace pf {

std::uint8_t XModemChecksum(std::span<const std::uint8_t, kXModemDataSize> data) {
    return static_cast<std::uint8_t>(std::accumulate(data.begin(), data.end(), 0u));
}

Packet BuildPacket(std::uint8_t number, std::span<const std::uint8_t> content) {
    Packet packet;
    packet.bytes[0] = kSOH;
    packet.bytes[1] = number;
    packet.bytes[2] = static_cast<std::uint8_t>(255 - number);
    auto data = packet.data();
    std::fill(data.begin(), data.end(), kXModemFiller);
    std::copy_n(content.begin(), std::min(content.size(), kXModemDataSize), data.begin());
    packet.bytes[kXModemPacketSize - 1] = XModemChecksum(data);
    return packet;
}

bool PacketIsValid(const Packet& packet, std::uint8_t expected) {
    return packet.number() == expected && packet.complement() == static_cast<std::uint8_t>(255 - expected) &&
           packet.checksum() == XModemChecksum(packet.data());
}

} // namespace pf
