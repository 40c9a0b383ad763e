#pragma once

// Scripted XMODEM peers for the engine's tests, working on the master side
// of a pseudo-terminal. Blocks are built here independently of the engine.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pf::test::xmodem {

inline constexpr char SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18;

inline std::string seq(std::initializer_list<char> bytes) {
    return std::string(bytes);
}

// Block `number` (taken modulo 256) carrying `content`, padded with 0x1A.
std::string block(unsigned number, std::string_view content);

// The peer's side of a receive: what it got.
struct ReceiverLog {
    std::vector<std::string> blocks; // every block as it arrived, repeats included
    int eots = 0;
    std::string afterEnd; // what came after the end, or in place of a block
};
// What the peer answers to each block (index from 0, attempt from 0) and to
// each EOT.
using BlockAnswer = std::function<char(std::size_t blockIndex, int attempt)>;
using EotAnswer = std::function<char(int eotIndex)>;

// Starts with NAK and receives until EOT is acknowledged or the line stays
// quiet for 1.5 s.
ReceiverLog runReceiver(int fd, const BlockAnswer& answer, const EotAnswer& eotAnswer = {});
BlockAnswer alwaysAck();

// The peer's side of a send: wait for `expect` (0: nothing), then write `then`.
struct SendStep {
    char expect;
    std::string then;
};

// Runs the script; returns every byte the engine sent. Stops at the first
// unexpected byte. Unless `drain` is false, what the engine sends afterwards
// is read and returned too.
std::string runSender(int fd, const std::vector<SendStep>& steps, bool drain = true);

// The script of a clean send of `bytes`.
std::vector<SendStep> plainSend(const std::string& bytes);

} // namespace pf::test::xmodem
