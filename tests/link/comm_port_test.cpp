// TCommPort on real pseudo-terminals: opening, exclusive use, line settings
// and their restoration, purge, abort flag, idle hook, and a vanished device.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_line.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/port_names.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "virtual_clock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace pf {
namespace {

using namespace std::chrono_literals;
using test::PtyPair;

CommPortSettings on(const PtyPair& pty, std::uint32_t baud = 38400) {
    return {baud, pty.slavePath()};
}

TEST(CommPortNames, ComNamesMapToDevicesAndPathsPassThrough) {
    ResetPortDevices();
    EXPECT_EQ(ResolvePortName("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortName("COM3"), "/dev/ttyACM0");
    EXPECT_EQ(ResolvePortName("COM5"), "/dev/ttyS1");
    EXPECT_EQ(ResolvePortName("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(ResolvePortName("COM6"), "COM6");
    EXPECT_TRUE(SetPortDevice("COM2", "/dev/ttyUSB9"));
    EXPECT_EQ(ResolvePortName("COM2"), "/dev/ttyUSB9");
    EXPECT_FALSE(SetPortDevice("com2", "/dev/x"));
    EXPECT_FALSE(SetPortDevice("COM0", "/dev/x"));
    ResetPortDevices();
    EXPECT_EQ(ResolvePortName("COM2"), "/dev/ttyUSB1");
    EXPECT_EQ(DefaultPortDevice(4), "/dev/ttyS0");
}

TEST(CommPortOpen, ComNameOpensTheMappedDevice) {
    PtyPair pty;
    ASSERT_TRUE(SetPortDevice("COM2", pty.slavePath()));
    TCommPort port({9600, "COM2"});
    EXPECT_EQ(port.DevicePath(), pty.slavePath());
    ResetPortDevices();
}

TEST(CommPortOpen, FailuresCarryTheMessageDeviceAndReason) {
    struct Case {
        std::string device;
        std::uint32_t baud;
        std::string reasonPart;
    };
    PtyPair pty;
    const Case cases[] = {
        {"/nonexistent/ttyUSB0", 38400, std::strerror(ENOENT)},
        {"/dev/null", 38400, "not a terminal"},
        {pty.slavePath(), 12345, "unsupported baud rate 12345"},
    };
    for (const Case& c : cases) {
        try {
            TCommPort port({c.baud, c.device});
            ADD_FAILURE() << c.device << " opened";
        } catch (const CommOpenException& error) {
            EXPECT_STREQ(error.what(), "can not open comm port!");
            EXPECT_EQ(error.Device(), c.device);
            EXPECT_NE(error.Reason().find(c.reasonPart), std::string::npos) << error.Reason();
        }
    }
}

TEST(CommPortOpen, SecondPortOnTheSameDeviceIsRefusedUntilTheFirstCloses) {
    PtyPair pty;
    {
        TCommPort first(on(pty));
        try {
            TCommPort second(on(pty));
            ADD_FAILURE() << "a second port shared the line";
        } catch (const CommOpenException& error) {
            EXPECT_NE(error.Reason().find("in use by another program"), std::string::npos) << error.Reason();
        }
    }
    EXPECT_NO_THROW(TCommPort again(on(pty)));
}

TEST(CommPortOpen, AnotherProgramCannotOpenThePortInUse) {
    PtyPair pty;
    TCommPort first(on(pty));
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            TCommPort second(on(pty));
        } catch (const CommOpenException&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other program got the line";
}

TEST(CommPortOpen, LineIsRawEightNOneWhileOpenAndRestoredOnClose) {
    PtyPair pty;
    termios before{};
    ASSERT_EQ(::tcgetattr(pty.slave(), &before), 0);
    {
        TCommPort port(on(pty, 9600));
        termios during{};
        ASSERT_EQ(::tcgetattr(pty.slave(), &during), 0);
        EXPECT_EQ(during.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(during.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
        EXPECT_EQ(during.c_iflag & (IXON | IXOFF | ICRNL), 0u);
        EXPECT_EQ(during.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(during.c_oflag & OPOST, 0u);
        EXPECT_EQ(::cfgetospeed(&during), static_cast<speed_t>(B9600));
    }
    termios after{};
    ASSERT_EQ(::tcgetattr(pty.slave(), &after), 0);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_oflag, before.c_oflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(std::memcmp(after.c_cc, before.c_cc, sizeof before.c_cc), 0);
}

TEST(CommPortRead, BytesArriveInOrderAndPurgeDiscardsTheUnread) {
    PtyPair pty;
    TCommPort port(on(pty));
    test::writeAll(pty.master(), "AB");
    std::string got;
    for (int tries = 0; tries < 200 && got.size() < 2; ++tries)
        if (const int value = port.ReadByte(); value >= 0)
            got.push_back(static_cast<char>(value));
    EXPECT_EQ(got, "AB");

    test::writeAll(pty.master(), "stale");
    ASSERT_TRUE(port.HasByte()); // one byte taken into the port, the rest queued
    port.Purge();
    EXPECT_EQ(port.ReadByte(), -1);
}

TEST(CommPortRead, WriteReachesThePeer) {
    PtyPair pty;
    TCommPort port(on(pty));
    EXPECT_EQ(port.WriteBytes("\x01\x00\xff", 3), 3);
    EXPECT_EQ(test::readExactly(pty.master(), 3), std::string("\x01\x00\xff", 3));
}

TEST(CommPortRead, AbortRaisesOnceAndTheNextReadProceeds) {
    PtyPair pty;
    TCommPort port(on(pty));
    test::writeAll(pty.master(), "x");
    port.RequestAbort();
    EXPECT_THROW(port.ReadByte(), CommAbortException);
    int value = -1;
    for (int tries = 0; tries < 200 && value < 0; ++tries)
        value = port.ReadByte();
    EXPECT_EQ(value, 'x');
}

TEST(CommPortRead, EveryReadPumpsThenCallsTheIdleHook) {
    struct Counter final : CommIdle {
        void Idle() override { order += 'i'; }
        std::string order;
    } idle;
    PtyPair pty;
    TCommPort port(on(pty));
    test::PumpScript pump([&] { idle.order += 'p'; });
    port.SetIdle(&idle);
    (void)port.ReadByte();
    (void)port.ReadByte();
    EXPECT_EQ(idle.order, "pipi");
    port.SetIdle(nullptr);
    (void)port.ReadByte();
    EXPECT_EQ(idle.order, "pipip");
}

TEST(CommPortRead, CancelPressedDuringTheWaitIsSeenAtTheNextRead) {
    PtyPair pty;
    TCommPort port(on(pty));
    test::PumpScript pump([&] { port.RequestAbort(); });
    EXPECT_THROW(port.ReadByte(), CommAbortException);
}

// A device that vanished fails every read at once; each attempt must still
// account for its full wait, or callers would spin until their timeout.
TEST(CommPortFault, HungUpDeviceWaitsTheFullAttemptEachRead) {
    PtyPair pty;
    TCommPort port(on(pty));
    pty.hangUp();
    {
        test::VirtualClock clock;
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(port.ReadByte(), -1);
        EXPECT_EQ(clock.readAttempts(), 50);
        EXPECT_GE(clock.elapsed(), 50 * 20ms);
    }
    // With the real clock: five attempts take at least their five waits.
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(port.ReadByte(), -1);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 5 * 19ms);
}

TEST(CommPortFault, ReplyOnAHungUpDeviceEndsInTheTimeoutAtTheQuietPace) {
    PtyPair pty;
    TCommPort port(on(pty));
    pty.hangUp();
    test::VirtualClock clock;
    std::string line;
    EXPECT_THROW(ReadReplyLine(port, line), CommTimeoutException);
    // 10 s in attempts of 20 ms: about 500, not the millions of a spin.
    EXPECT_GE(clock.readAttempts(), 500);
    EXPECT_LE(clock.readAttempts(), 502);
    EXPECT_EQ(port.WriteBytes("x", 1), 0) << "a write to the vanished device fails at once";
}

} // namespace
} // namespace pf
