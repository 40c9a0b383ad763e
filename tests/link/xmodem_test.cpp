// TXModem2 against scripted XMODEM peers on a pseudo-terminal: block layout,
// numbering, retries, the end of a transfer, cancels, and the long timeouts in
// virtual time.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/xmodem2.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "virtual_clock.h"
#include "xmodem_peer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace pf {
namespace {

using namespace std::chrono_literals;
using test::PtyPair;
using namespace test::xmodem;
namespace fs = std::filesystem;

std::string content(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class TempDir {
  public:
    TempDir() : m_path(fs::temp_directory_path() / ("pf_link_xmodem_" + std::to_string(::getpid()))) {
        fs::create_directories(m_path);
    }
    ~TempDir() { fs::remove_all(m_path); }
    fs::path file(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
        return m_path / name;
    }
    fs::path operator/(const std::string& name) const { return m_path / name; }

  private:
    fs::path m_path;
};

// --- Sending ------------------------------------------------------------------

TEST(XModemSend, FilesOfEverySizeGoOutAsWholeBlocks) {
    const std::size_t sizes[] = {0, 1, 127, 128, 129, 300, 256 * 128 + 1};
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (std::size_t size : sizes) {
        const std::string bytes = content(size);
        const fs::path source = dir.file("send.bin", bytes);
        TXModem2 engine;
        int progress = 0;
        engine.SetProgressCallback([&](TXModem2& e) { EXPECT_EQ(e.BlockCount(), ++progress); });
        ReceiverLog log;
        std::thread peer([&] { log = runReceiver(pty.master(), alwaysAck()); });
        engine.send(port, source);
        peer.join();

        const std::size_t blocks = (size + 127) / 128;
        ASSERT_EQ(log.blocks.size(), blocks) << size;
        for (std::size_t i = 0; i < blocks; ++i)
            ASSERT_EQ(log.blocks[i], block(i + 1, std::string_view(bytes).substr(i * 128, 128)))
                << size << " #" << i;
        EXPECT_EQ(progress, static_cast<int>(blocks));
        EXPECT_EQ(log.eots, 1);
        EXPECT_EQ(log.afterEnd, "");
    }
}

TEST(XModemSend, TheTwoHundredFiftySixthBlockIsNumberedZero) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("wrap.bin", content(257 * 128));
    TXModem2 engine;
    ReceiverLog log;
    std::thread peer([&] { log = runReceiver(pty.master(), alwaysAck()); });
    engine.send(port, source);
    peer.join();
    ASSERT_EQ(log.blocks.size(), 257u);
    EXPECT_EQ(static_cast<unsigned char>(log.blocks[254][1]), 255);
    EXPECT_EQ(static_cast<unsigned char>(log.blocks[255][1]), 0);
    EXPECT_EQ(static_cast<unsigned char>(log.blocks[255][2]), 255);
    EXPECT_EQ(static_cast<unsigned char>(log.blocks[256][1]), 1);
}

TEST(XModemSend, FiveRetriesAreToleratedAndTheSixthEndsTheTransfer) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("retry.bin", content(8 * 128));
    // One NAK on each of the first five blocks: the transfer completes.
    {
        TXModem2 engine;
        ReceiverLog log;
        std::thread peer([&] {
            log = runReceiver(pty.master(),
                              [](std::size_t i, int attempt) { return i < 5 && attempt == 0 ? NAK : ACK; });
        });
        engine.send(port, source);
        peer.join();
        EXPECT_EQ(log.blocks.size(), 13u);
    }
    // A sixth non-ACK reply (any byte) ends it.
    {
        TXModem2 engine;
        std::thread peer([&] {
            runReceiver(pty.master(),
                        [](std::size_t i, int attempt) { return i < 6 && attempt == 0 ? 'x' : ACK; });
        });
        EXPECT_THROW(engine.send(port, source), CommXModemTimeout);
        peer.join();
    }
}

TEST(XModemSend, CanAsAReplyEndsTheTransferSilently) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("can.bin", content(3 * 128));
    TXModem2 engine;
    ReceiverLog log;
    std::thread peer(
        [&] { log = runReceiver(pty.master(), [](std::size_t i, int) { return i == 1 ? CAN : ACK; }); });
    EXPECT_THROW(engine.send(port, source), XCANReceived);
    peer.join();
    EXPECT_EQ(log.blocks.size(), 2u);
    EXPECT_EQ(test::readQuiet(pty.master()), "");
}

TEST(XModemSend, EotIsRepeatedUntilAcknowledgedAndGivenUpAfterTenRepeats) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("eot.bin", content(10));
    {
        TXModem2 engine;
        ReceiverLog log;
        std::thread peer(
            [&] { log = runReceiver(pty.master(), alwaysAck(), [](int n) { return n < 2 ? NAK : ACK; }); });
        engine.send(port, source);
        peer.join();
        EXPECT_EQ(log.eots, 3);
    }
    {
        TXModem2 engine;
        ReceiverLog log;
        std::thread peer(
            [&] { log = runReceiver(pty.master(), alwaysAck(), [](int n) { return n < 11 ? NAK : ACK; }); });
        EXPECT_THROW(engine.send(port, source), XRetryOver);
        peer.join();
        EXPECT_EQ(log.eots, 11);
    }
}

TEST(XModemSend, MissingSourceSendsCanCan) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    TXModem2 engine;
    EXPECT_THROW(engine.send(port, "/nonexistent/pf/file.vx"), XFileOpenError);
    EXPECT_THROW(engine.send(port, fs::temp_directory_path()), XFileOpenError);
    EXPECT_EQ(test::readQuiet(pty.master()), std::string(4, CAN));
}

TEST(XModemSend, CancelWhileQuietAndBetweenBlocksSendsCanCan) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("cancel.bin", content(5 * 128));
    {
        TXModem2 engine;
        int pumps = 0;
        test::PumpScript pump([&] {
            if (++pumps == 10)
                engine.RequestCancel();
        });
        EXPECT_THROW(engine.send(port, source), XUserBreak);
        EXPECT_EQ(test::readQuiet(pty.master()), std::string(2, CAN));
    }
    {
        TXModem2 engine;
        engine.SetProgressCallback([](TXModem2& e) {
            if (e.BlockCount() == 2)
                e.RequestCancel();
        });
        ReceiverLog log;
        std::thread peer([&] { log = runReceiver(pty.master(), alwaysAck()); });
        EXPECT_THROW(engine.send(port, source), XUserBreak);
        peer.join();
        EXPECT_EQ(log.blocks.size(), 2u);
        EXPECT_EQ(log.afterEnd, std::string(2, CAN));
    }
}

TEST(XModemSendTimeout, ReceiverOpeningWithCGetsNothingAndTimesOutAfterSixtySecondsOfSilence) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const fs::path source = dir.file("c.bin", content(200));
    test::VirtualClock clock;
    for (int s = 1; s <= 30; s += 3)
        clock.schedule(std::chrono::seconds(s), pty.master(), "C");
    TXModem2 engine;
    EXPECT_THROW(engine.send(port, source), CommXModemTimeout);
    EXPECT_GT(clock.elapsed(), 28s + 60s);
    EXPECT_LT(clock.elapsed(), 28s + 61s);
    EXPECT_EQ(test::readQuiet(pty.master()), "");
}

// --- Receiving ------------------------------------------------------------------

TEST(XModemRecv, FilesArriveWholeBlocksWithTheSendersFiller) {
    const std::size_t sizes[] = {0, 1, 128, 129, 300, 256 * 128 + 1};
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (std::size_t size : sizes) {
        const std::string bytes = content(size);
        const fs::path target = dir / ("recv" + std::to_string(size) + ".vx");
        TXModem2 engine;
        int progress = 0;
        engine.SetProgressCallback([&](TXModem2& e) { EXPECT_EQ(e.BlockCount(), ++progress); });
        std::thread peer([&] { runSender(pty.master(), plainSend(bytes)); });
        engine.recv(port, target);
        peer.join();
        std::string expected = bytes;
        expected.resize((size + 127) / 128 * 128, '\x1A');
        EXPECT_EQ(readFile(target), expected) << size;
        EXPECT_EQ(progress, static_cast<int>((size + 127) / 128));
    }
}

TEST(XModemRecv, RepeatedBlockIsAnsweredWithNak) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const std::string bytes = content(256);
    std::string answers;
    std::thread peer([&] {
        answers = runSender(pty.master(), {{NAK, block(1, bytes.substr(0, 128))},
                                           {ACK, block(1, bytes.substr(0, 128))},
                                           {NAK, block(2, bytes.substr(128))},
                                           {ACK, std::string(1, EOT)},
                                           {ACK, ""}});
    });
    TXModem2 engine;
    engine.recv(port, dir / "repeat.vx");
    peer.join();
    EXPECT_EQ(answers, seq({NAK, ACK, NAK, ACK, ACK}));
    EXPECT_EQ(readFile(dir / "repeat.vx"), bytes);
}

TEST(XModemRecv, FourBadBlocksInARowSendCanCanThenNaksUntilRetryOver) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    std::string bad = block(1, "data");
    bad.back() = static_cast<char>(bad.back() + 1);
    std::vector<SendStep> steps{{NAK, bad}, {NAK, bad}, {NAK, bad}, {NAK, bad}};
    // After CAN CAN the engine NAKs for an EOT; answer each NAK with noise.
    std::string answers;
    std::thread peer([&] {
        answers = runSender(pty.master(), steps, false);
        answers += test::readExactly(pty.master(), 2, 5s);
        for (int i = 0; i < 11; ++i) {
            const std::string nak = test::readExactly(pty.master(), 1, 5s);
            answers += nak;
            if (i < 10)
                test::writeAll(pty.master(), "?");
        }
    });
    TXModem2 engine;
    EXPECT_THROW(engine.recv(port, dir / "bad.vx"), XRetryOver);
    peer.join();
    EXPECT_EQ(answers, seq({NAK, NAK, NAK, NAK, CAN, CAN}) + std::string(11, NAK));
}

TEST(XModemRecv, CanInPlaceOfABlockHeaderEndsWithCanReceived) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    std::thread peer([&] { runSender(pty.master(), {{NAK, block(1, "x")}, {ACK, std::string(1, CAN)}}); });
    TXModem2 engine;
    EXPECT_THROW(engine.recv(port, dir / "can.vx"), XCANReceived);
    peer.join();
    EXPECT_EQ(readFile(dir / "can.vx").size(), 128u) << "the partly received file is kept";
}

TEST(XModemRecv, CancelWhileQuietBreaksWithCanCanAndMakesNoFile) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    TXModem2 engine;
    int pumps = 0;
    test::PumpScript pump([&] {
        if (++pumps == 10)
            engine.RequestCancel();
    });
    EXPECT_THROW(engine.recv(port, dir / "quiet.vx"), XUserBreak);
    EXPECT_EQ(test::readQuiet(pty.master()), seq({NAK, CAN, CAN}));
    EXPECT_FALSE(fs::exists(dir / "quiet.vx"));
}

TEST(XModemRecv, CancelWhileStreamingTakesEffectAtTheNextValidBlock) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const std::string bytes = content(5 * 128);
    std::string answers;
    std::thread peer([&] { answers = runSender(pty.master(), plainSend(bytes)); });
    TXModem2 engine;
    engine.SetProgressCallback([](TXModem2& e) {
        if (e.BlockCount() == 2)
            e.RequestCancel();
    });
    EXPECT_THROW(engine.recv(port, dir / "stream.vx"), XUserBreak);
    peer.join();
    EXPECT_EQ(answers, seq({NAK, ACK, ACK, CAN, CAN}));
    EXPECT_EQ(readFile(dir / "stream.vx"), bytes.substr(0, 256));
}

TEST(XModemRecv, UnwritableTargetFailsWithoutCan) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    std::string answers;
    std::thread peer([&] { answers = runSender(pty.master(), {{NAK, block(1, "x")}}); });
    TXModem2 engine;
    EXPECT_THROW(engine.recv(port, "/nonexistent/pf/target.vx"), XFileOpenError);
    peer.join();
    EXPECT_EQ(answers, std::string(1, NAK));
}

TEST(XModemRecv, DataThatCannotBeStoredIsNotAcknowledgedAsAWholeFile) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    std::string answers;
    std::thread peer([&] { answers = runSender(pty.master(), plainSend(content(300))); });
    TXModem2 engine;
    EXPECT_THROW(engine.recv(port, "/dev/full"), XFileOpenError);
    peer.join();
    EXPECT_EQ(answers.substr(answers.size() - 2), seq({CAN, CAN}))
        << "the sender is stopped, EOT is not acknowledged";
}

TEST(XModemRecvTimeout, ElevenSilencesOfTenSecondsTimeOutAfterTenNaks) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    TXModem2 engine;
    EXPECT_THROW(engine.recv(port, dir / "silent.vx"), CommXModemTimeout);
    EXPECT_GT(clock.elapsed(), 110s);
    EXPECT_LT(clock.elapsed(), 111s);
    EXPECT_EQ(test::readQuiet(pty.master()), std::string(11, NAK)) << "the opening NAK and ten more";
    EXPECT_FALSE(fs::exists(dir / "silent.vx"));
}

TEST(XModemRecvTimeout, SilenceInsideABlockIsBridgedByNaks) {
    TempDir dir;
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    const std::string whole = block(1, "late");
    clock.schedule(1s, pty.master(), whole.substr(0, 60));
    clock.schedule(95s, pty.master(), whole.substr(60));
    clock.schedule(96s, pty.master(), std::string(1, EOT));
    TXModem2 engine;
    engine.recv(port, dir / "late.vx");
    std::string expected = "late";
    expected.resize(128, '\x1A');
    EXPECT_EQ(readFile(dir / "late.vx"), expected);
    // Opening NAK, nine NAKs over 94 s of silence, the block's ACK and EOT's ACK.
    EXPECT_EQ(test::readQuiet(pty.master()), std::string(10, NAK) + seq({ACK, ACK}));
}

} // namespace
} // namespace pf
