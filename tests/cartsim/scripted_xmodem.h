#pragma once
// A scripted XMODEM peer for the tests, written apart from the simulator's,
// that records what it saw byte by byte so that tests can check the
// simulator's answers exactly.

#include "tests/cartsim/cartsim_rig.h"

#include <cstdint>
#include <vector>

namespace cartsim::test {

// One 132-byte packet: SOH, number, complement, 128 bytes, checksum.
std::vector<std::uint8_t> packet(std::uint8_t number, std::vector<std::uint8_t> data, bool spoil = false);

struct ReceivedFile {
    std::vector<std::uint8_t> data; // accepted blocks, whole
    std::vector<bool> blockGood;    // every packet that arrived, good or bad
    bool endedWithEot = false;
    bool cancelled = false; // CAN arrived where a header belongs
};

// Receives as a PC does: NAK to start, ACK good blocks, NAK bad ones.
ReceivedFile receiveFile(Client& client, std::chrono::milliseconds timeout = 5s);

// Sends packets; returns the answer byte to each packet (0 for none).
std::uint8_t sendPacket(Client& client, const std::vector<std::uint8_t>& bytes,
                        std::chrono::milliseconds timeout = 5s);

} // namespace cartsim::test
