// get and put end to end against a scripted shell that runs the XMODEM
// peer inside the command: the file, the log lines, and a cancel recovered
// through "426 TRANSFER ABORTED".

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_set.h"
#include "ferrymate/link/data_module.h"
#include "ferrymate/link/exceptions.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "xmodem_peer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace pf {
namespace {

using test::black;
using test::blue;
using test::LogLine;
using test::PtyPair;
using test::red;
using namespace test::xmodem;
namespace fs = std::filesystem;

class TransferCommand : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override {
        DM.FileXModem.SetProgressCallback({});
        fs::remove_all(m_dir);
    }
    fs::path m_dir = fs::temp_directory_path() / ("pf_link_transfer_" + std::to_string(::getpid()));
    PtyPair m_pty;
    TCommPort m_port{{38400, m_pty.slavePath()}};
};

TEST_F(TransferCommand, PutSendsTheFileInsideTheCommand) {
    const std::string bytes(300, 'p');
    std::ofstream(m_dir / "tmp.vx", std::ios::binary) << bytes;
    test::LogRecorder log;
    std::string command;
    ReceiverLog received;
    std::thread shell([&] {
        command = test::readUntil(m_pty.master(), '\r');
        test::writeAll(m_pty.master(), "125 STARTING\r\n");
        received = runReceiver(m_pty.master(), alwaysAck());
        test::writeAll(m_pty.master(), "200 OK\r\n");
    });
    CmdPut(m_port, "/rom0", m_dir / "tmp.vx");
    shell.join();
    EXPECT_EQ(command, "put /rom0\r");
    ASSERT_EQ(received.blocks.size(), 3u);
    EXPECT_EQ(received.blocks[2], block(3, bytes.substr(256)));
    EXPECT_EQ(log.lines, (std::vector<LogLine>{red("put /rom0"), blue("125 STARTING"), black("(XMODEM SEND)"),
                                               blue("200 OK")}));
}

TEST_F(TransferCommand, GetReceivesIntoThePcFile) {
    const std::string bytes(200, 'g');
    test::LogRecorder log;
    std::thread shell([&] {
        test::readUntil(m_pty.master(), '\r');
        test::writeAll(m_pty.master(), "350 FURTHER INFO\r\n");
        runSender(m_pty.master(), plainSend(bytes), false);
        test::writeAll(m_pty.master(), "200 OK\r\n");
    });
    CmdGet(m_port, "/ram0/save", m_dir / "save.vx");
    shell.join();
    std::ifstream in(m_dir / "save.vx", std::ios::binary);
    std::string got{std::istreambuf_iterator<char>(in), {}};
    std::string expected = bytes;
    expected.resize(256, '\x1A');
    EXPECT_EQ(got, expected);
    EXPECT_EQ(log.lines, (std::vector<LogLine>{red("get \"/ram0/save\""), blue("350 FURTHER INFO"),
                                               black("(XMODEM RECEIVE)"), blue("200 OK")}));
}

TEST_F(TransferCommand, CancelledPutEndsInTheBreakWhenTheShellReportsTheAbort) {
    std::ofstream(m_dir / "tmp.vx", std::ios::binary) << std::string(5 * 128, 'c');
    DM.FileXModem.SetProgressCallback([](TXModem2& engine) {
        if (engine.BlockCount() == 2)
            engine.RequestCancel();
    });
    test::LogRecorder log;
    ReceiverLog received;
    std::thread shell([&] {
        test::readUntil(m_pty.master(), '\r');
        test::writeAll(m_pty.master(), "125 STARTING\r\n");
        received = runReceiver(m_pty.master(), alwaysAck());
        test::writeAll(m_pty.master(), "stray\r\n426 TRANSFER ABORTED\r\n");
    });
    EXPECT_THROW(CmdPut(m_port, "/rom0", m_dir / "tmp.vx"), XUserBreak);
    shell.join();
    EXPECT_EQ(received.afterEnd, seq({CAN, CAN}));
    EXPECT_EQ(log.lines,
              (std::vector<LogLine>{red("put /rom0"), blue("125 STARTING"), black("(XMODEM SEND)"),
                                    black("(CANCELED)"), black("(ABORTED)"), blue("426 TRANSFER ABORTED")}));
}

} // namespace
} // namespace pf
