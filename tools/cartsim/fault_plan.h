#pragma once
// The faults the simulator shows on request, so that the PC side's handling
// of a misbehaving cartridge can be tried.

#include "tools/cartsim/xmodem_bytes.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace cartsim {

struct FaultPlan {
    std::optional<std::uint64_t> silentAfterByte;  // send nothing after this many bytes in all
    std::optional<std::string> silentBeforeFinal;  // leave out the final line of this command ("*": all)
    XmodemFaults xmodem;                           // faults inside transfers
    std::string bytesAfterReply;                   // unasked bytes right after every final line
    bool canBeforeReply = false;                   // CAN CAN ahead of every reply line
    bool crInLine = false;                         // a CR in the middle of every non-final reply line
    bool echoAlways = false;                       // keep echoing after "stty -echo"
    std::chrono::milliseconds pauseBeforeFinal{0}; // silence before every final line
};

} // namespace cartsim
