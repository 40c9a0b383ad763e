#include "ferrymate/link/command_line.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/link_clock.h"
#include "ferrymate/link/message_pump.h"

#include <algorithm>

namespace pf {
namespace {

constexpr int kLF = 0x0A;
constexpr int kCR = 0x0D;
constexpr int kCANByte = 0x18;

} // namespace

int SendCommandLine(TCommPort& port, std::string_view text) {
    if (text.size() > kCommandLineMax)
        throw CmdArgumentException("コマンド行が長すぎます（510バイトまで）。");
    std::string line(text);
    line.push_back('\r');
    return port.WriteBytes(line.data(), line.size());
}

void ReadReplyLine(TCommPort& port, std::string& line) {
    line.clear();
    LinkClock& clock = CurrentLinkClock();
    LinkClock::TimePoint lastByte = clock.now();
    bool cut = false; // a CR ends the kept text; the rest of the line is read and dropped
    for (;;) {
        const int value = port.ReadByte();
        if (value == kLF) {
            StripLine(line);
            return;
        }
        PumpMessages();
        if (value > 0) {
            lastByte = clock.now();
            if (value == kCR)
                cut = true;
            else if (!cut && value != kCANByte && line.size() < kReplyLineMax)
                line.push_back(static_cast<char>(value));
        }
        if (clock.now() - lastByte > kReplySilenceLimit)
            throw CommTimeoutException();
    }
}

void StripLine(std::string& line) {
    std::erase_if(line, [](char c) { return c == kCR || c == kLF || c == kCANByte; });
}

} // namespace pf
