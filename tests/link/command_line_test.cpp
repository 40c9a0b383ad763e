// The line discipline over a pseudo-terminal: what a reply line reads as,
// what a command line puts on the wire, and the 10-second silence rule in
// virtual time.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_line.h"
#include "ferrymate/link/exceptions.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "virtual_clock.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using namespace std::chrono_literals;
using test::PtyPair;

struct LineCase {
    const char* name;
    std::string wire;
    std::string line;
};

TEST(ReplyLine, BytesReadAsLines) {
    const LineCase cases[] = {
        {"CR LF ends", "200 OK\r\n", "200 OK"},
        {"LF alone ends", "abc\n", "abc"},
        {"CR cuts the rest", "abc\rdef\n", "abc"},
        {"CAN dropped",
         "\x18\x18"
         "426 TRANSFER ABORTED\r\n",
         "426 TRANSFER ABORTED"},
        {"NUL dropped", std::string("a\0b\n", 4), "ab"},
        {"empty line", "\n", ""},
        {"CP932 bytes kept", "\x83\x65\x83\x58\x83\x67\n", "\x83\x65\x83\x58\x83\x67"},
        {"cut at 511 bytes", std::string(600, 'x') + "\n", std::string(511, 'x')},
        {"exactly 511 bytes", std::string(511, 'y') + "\n", std::string(511, 'y')},
    };
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (const LineCase& c : cases) {
        test::writeAll(pty.master(), c.wire + "next\n");
        std::string line;
        ReadReplyLine(port, line);
        EXPECT_EQ(line, c.line) << c.name;
        ReadReplyLine(port, line);
        EXPECT_EQ(line, "next") << c.name << ": the following line must start cleanly";
    }
}

TEST(ReplyLine, StripLineRemovesCrLfAndCan) {
    std::string line = "\x18"
                       "a\rb\nc\x18";
    StripLine(line);
    EXPECT_EQ(line, "abc");
}

TEST(CommandLine, GoesOnTheWireWithOneCr) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    EXPECT_EQ(SendCommandLine(port, "ls -l /rom0"), 12);
    EXPECT_EQ(test::readQuiet(pty.master()), "ls -l /rom0\r");
}

TEST(CommandLine, LongestLineIsSentAndALongerOneRefusedUnsent) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const std::string longest(kCommandLineMax, 'a');
    EXPECT_EQ(SendCommandLine(port, longest), 511);
    EXPECT_EQ(test::readQuiet(pty.master()), longest + "\r");
    EXPECT_THROW(SendCommandLine(port, longest + "a"), CmdArgumentException);
    EXPECT_EQ(test::readQuiet(pty.master()), "");
}

TEST(ReplyLineTimeout, ByteEveryNineSecondsNeverTimesOut) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    const std::string text = "200 OK\n";
    for (std::size_t i = 0; i < text.size(); ++i)
        clock.schedule(9s * static_cast<int>(i + 1), pty.master(), text.substr(i, 1));
    std::string line;
    ReadReplyLine(port, line);
    EXPECT_EQ(line, "200 OK");
    EXPECT_GE(clock.elapsed(), 63s);
}

TEST(ReplyLineTimeout, SilenceOverTenSecondsMidLineTimesOut) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    clock.schedule(1s, pty.master(), "200");
    std::string line;
    EXPECT_THROW(ReadReplyLine(port, line), CommTimeoutException);
    EXPECT_GT(clock.elapsed(), 11s);
    EXPECT_LT(clock.elapsed(), 11s + 100ms);
}

TEST(ReplyLineTimeout, NulBytesDoNotRestartTheLimit) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    for (int second = 2; second <= 20; second += 2)
        clock.schedule(std::chrono::seconds(second), pty.master(), std::string(1, '\0'));
    std::string line;
    EXPECT_THROW(ReadReplyLine(port, line), CommTimeoutException);
    EXPECT_LT(clock.elapsed(), 10s + 100ms);
}

TEST(ReplyLineAbort, AbortDuringALineRaisesWithinOneAttemptAndTheNextReadWorks) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::writeAll(pty.master(), "partial");
    int pumps = 0;
    {
        test::PumpScript pump([&] {
            if (++pumps == 20)
                port.RequestAbort();
        });
        std::string line;
        EXPECT_THROW(ReadReplyLine(port, line), CommAbortException);
    }
    test::writeAll(pty.master(), "200 OK\r\n");
    std::string line;
    ReadReplyLine(port, line);
    EXPECT_EQ(line, "200 OK") << "the partly read line is dropped";
}

} // namespace
} // namespace pf
