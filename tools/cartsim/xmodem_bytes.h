#pragma once
// XMODEM as the cartridge speaks it: 128-byte blocks with an 8-bit
// arithmetic checksum, started by the receiver's NAK.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>

namespace cartsim {

inline constexpr std::uint8_t kSoh = 0x01;
inline constexpr std::uint8_t kEot = 0x04;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kCan = 0x18;
inline constexpr std::uint8_t kFiller = 0x1A;
inline constexpr std::size_t kXmodemData = 128;
inline constexpr std::size_t kXmodemPacket = 3 + kXmodemData + 1;

inline std::uint8_t blockChecksum(std::span<const std::uint8_t> data) {
    return static_cast<std::uint8_t>(std::accumulate(data.begin(), data.end(), 0u));
}

// Waits of the cartridge's XMODEM peer. The defaults are the classic
// XMODEM ones; tests shorten them.
struct XmodemTiming {
    std::chrono::milliseconds startInterval{10000}; // receiver: NAK again after this much silence
    unsigned startTries = 10;                       // receiver: NAKs before giving up the start
    std::chrono::milliseconds senderStart{60000};   // sender: wait for the first NAK
    std::chrono::milliseconds byteTimeout{1000};    // inside a block
    std::chrono::milliseconds replyTimeout{10000};  // for a header or a reply
    unsigned retries = 10;                          // bad blocks or replies in a row
    // Quiet time after a transfer before the final reply line, so that a
    // peer which flushes its input when the transfer ends cannot lose it.
    std::chrono::milliseconds settle{200};
    // Least time between a reply and what the sender sends next. Some
    // receivers (lrzsz's rx) empty their input right after writing each
    // ACK or NAK; on a real line the travel time protects the next bytes,
    // on an unpaced pseudo-terminal this gap does. Paced blocks already
    // take longer than this; the EOT always waits it.
    std::chrono::milliseconds turnaround{5};
};

// A fault acted out at one block of every transfer, a number of times.
struct BlockFault {
    unsigned block = 0; // 1 for the first block of a transfer
    unsigned times = 1;
};

// The faults a transfer can be told to show. Block numbers count from 1 at
// the start of each transfer and do not wrap.
struct XmodemFaults {
    std::optional<unsigned> cancelAt;  // CAN CAN in place of block k (sender) or its ACK (receiver)
    std::optional<BlockFault> nak;     // receiver: NAK a good block k n times
    std::optional<BlockFault> corrupt; // sender: a wrong data byte in block k, n sends
    std::optional<unsigned> closeAt;   // close the line at block k
};

enum class TransferEnd { Done, Aborted };

} // namespace cartsim
