// Fuzzes the command channel's reading of replies: the input is what the
// shell answers to one command, sent over a real pseudo-terminal (a final
// "200 OK" line is appended so every run ends). Checks that every listed line
// is bounded and clean, whatever the bytes.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_line.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/execute_command.h"
#include "ferrymate/link/starting_process.h"

#include "pty_pair.h"
#include "virtual_clock.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

struct Counting final : pf::StartingProcess {
    void Execute() override { ++calls; }
    int calls = 0;
};

struct Line {
    pf::test::PtyPair pty;
    pf::TCommPort port{{38400, pty.slavePath()}};
    pf::test::VirtualClock clock;
};

// The pseudo-terminal's input queue holds about 4 KB; the reply must fit.
constexpr std::size_t kMaxReply = 3000;

void drain(int fd) {
    std::array<char, 4096> buffer{};
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxReply)
        return 0;
    static Line line;
    Counting starting;
    pf::ReplyList replies;
    std::string reply(reinterpret_cast<const char*>(data), size);
    reply += "\n200 OK\n";
    try {
        // The command's purge runs first; the reply is queued by the first read.
        line.clock.schedule(line.clock.elapsed() + std::chrono::milliseconds(1), line.pty.master(), reply);
        pf::ExecuteCommand(line.port, "x", &replies, &starting);
    } catch (const pf::CmdException&) {
    }
    drain(line.pty.master());
    for (const std::string& text : replies)
        if (text.size() > pf::kReplyLineMax ||
            text.find_first_of(std::string_view("\r\n\x18\0", 4)) != std::string::npos)
            std::abort();
    if (replies.empty())
        std::abort();
    return 0;
}
