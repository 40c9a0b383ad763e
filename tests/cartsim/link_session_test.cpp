// The simulator driven by Ferrymate's own link (ferrymate/link) over a
// pseudo-terminal: every command with its reply codes, transfers both ways,
// and what the link reports for each fault flag.

#include "tests/cartsim/cartsim_rig.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_set.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/execute_command.h"
#include "ferrymate/link/link_clock.h"
#include "tools/cartsim/cart_entry.h"

#include <gtest/gtest.h>

#include <poll.h>

namespace cartsim::test {
namespace {

// A link clock that runs `factor` times faster than the real one, so that
// the link's 10-second and 110-second limits pass in a fraction of that.
// The simulator keeps real time: to the link it looks slow, never fast.
class FastLinkClock final : public pf::LinkClock {
  public:
    explicit FastLinkClock(int factor) : m_factor(factor) { pf::SetLinkClock(this); }
    ~FastLinkClock() override { pf::SetLinkClock(nullptr); }

    TimePoint now() override { return m_start + (std::chrono::steady_clock::now() - m_start) * m_factor; }
    void sleepFor(Duration duration) override { std::this_thread::sleep_for(duration / m_factor); }
    short waitReadable(int fd, Duration limit) override {
        pollfd p{fd, POLLIN, 0};
        const auto real = std::max<long>(1, static_cast<long>(limit.count() / m_factor));
        return ::poll(&p, 1, static_cast<int>(real)) > 0 ? p.revents : 0;
    }

  private:
    int m_factor = 1;
    TimePoint m_start = std::chrono::steady_clock::now();
};

Cartridge sampleCart(std::uint32_t ram0Blocks = kDefaultRam0Blocks) {
    Cartridge cart(kDefaultRom0Blocks, ram0Blocks);
    cart.rom0().store(*CartEntry::fromBytes(makeEntry("game", "a game", 3000)));
    cart.rom0().store(*CartEntry::fromBytes(makeEntry("tool", "a tool", 10)));
    return cart;
}

class LinkSession : public ::testing::Test {
  protected:
    void start(SimulatorConfig config = {}, Cartridge cart = sampleCart()) {
        m_rig = std::make_unique<Rig>(std::move(config), std::move(cart));
        pf::CommPortSettings settings;
        settings.portName = m_rig->device();
        m_port = std::make_unique<pf::TCommPort>(settings);
    }

    void connect() {
        pf::CmdSttyEchoOff(port());
        pf::CmdHelo(port());
    }

    pf::TCommPort& port() { return *m_port; }
    std::string pcFile(const std::string& name) const { return m_folder.file(name); }

    static std::vector<std::uint8_t> padded(std::vector<std::uint8_t> bytes) {
        bytes.resize((bytes.size() + 127) / 128 * 128, 0x1A);
        return bytes;
    }

    TempFolder m_folder;
    std::unique_ptr<Rig> m_rig;
    std::unique_ptr<pf::TCommPort> m_port;
};

TEST_F(LinkSession, ConnectGreetsAndListsAsFerrymateReadsIt) {
    start();
    pf::CmdSttyEchoOff(port());
    pf::ReplyList greeting;
    pf::CmdHelo(port(), &greeting);
    ASSERT_GE(greeting.size(), 4u);
    EXPECT_EQ(greeting.front(), "125 STARTING");
    EXPECT_EQ(greeting.back(), "200 OK");
    EXPECT_EQ(greeting[greeting.size() - 3], "Hello, Ferrymate version 1.03 beta");

    pf::ReplyList listing;
    pf::CmdList(port(), "/rom0", &listing);
    ASSERT_EQ(listing.size(), 6u);
    EXPECT_EQ(listing[0], "125 STARTING");
    EXPECT_EQ(listing[2].substr(0, 16), "game            ");
    EXPECT_EQ(listing[2].substr(50), "a game");
    EXPECT_EQ(listing[3].substr(50), "a tool");

    pf::ReplyList df;
    pf::CmdDf(port(), &df);
    ASSERT_EQ(df.size(), 4u);
    EXPECT_TRUE(df[1].starts_with("rom0 ")) << df[1];
    EXPECT_TRUE(df[2].starts_with("ram0 ")) << df[2];

    pf::ReplyList date;
    pf::CmdDate(port(), &date);
    ASSERT_EQ(date.size(), 3u);
    EXPECT_EQ(date[1].size(), 19u) << date[1];
}

TEST_F(LinkSession, PutAndGetCarryTheEntryBothWays) {
    start();
    connect();
    const auto entry = makeEntry("sent", "by the link", 70000);
    writeFile(pcFile("tmp.vx"), entry);
    pf::CmdPut(port(), "/ram0", pcFile("tmp.vx"));
    pf::CmdGet(port(), "/ram0/sent", pcFile("sent.vx"));
    EXPECT_EQ(readFile(pcFile("sent.vx")), padded(entry));
    pf::CmdGet(port(), "/rom0/game", pcFile("game.vx"));
    EXPECT_EQ(readFile(pcFile("game.vx")), padded(makeEntry("game", "a game", 3000)));
}

TEST_F(LinkSession, ReplyCodesReachTheLinkAsItsExceptions) {
    start({}, sampleCart(40));
    connect();
    writeFile(pcFile("game.vx"), makeEntry("game", "", 100));
    writeFile(pcFile("huge.vx"), makeEntry("huge", "", 39 * 128));
    writeFile(pcFile("plain.bin"), std::vector<std::uint8_t>(200, 'x'));

    EXPECT_THROW(pf::CmdPut(port(), "/rom0", pcFile("game.vx")), pf::CmdNotAvailableException);
    pf::CmdPut(port(), "/ram0", pcFile("game.vx")); // the name is free there
    EXPECT_THROW(pf::CmdPut(port(), "/ram0", pcFile("huge.vx")), pf::CmdFileSystemException);
    EXPECT_THROW(pf::CmdPut(port(), "/ram0", pcFile("plain.bin")), pf::CmdLocalErrorException);
    EXPECT_THROW(pf::ExecuteCommand(port(), "format"), pf::CmdNotImplementedException);
    EXPECT_THROW(pf::CmdDelete(port(), "/rom0/none"), pf::CmdNotAvailableException);
    EXPECT_THROW(pf::CmdGet(port(), "/rom0/none", pcFile("none.vx")), pf::CmdNotAvailableException);
    EXPECT_FALSE(std::filesystem::exists(pcFile("none.vx")));
    EXPECT_THROW(pf::CmdRename(port(), "/rom0/tool", "game"), pf::CmdNotAvailableException);
    EXPECT_THROW(pf::CmdRename(port(), "/rom0/tool", "a-name-too-long-x"), pf::CmdLocalErrorException);

    pf::ReplyList syntax;
    pf::ExecuteCommand(port(), "date 2000", &syntax); // 501 passes as success
    EXPECT_EQ(syntax, pf::ReplyList{"501 SYNTAX ERR"});

    pf::CmdDelete(port(), "/rom0/tool");
    pf::CmdRename(port(), "/rom0/game", "renamed");
    pf::CmdSetInfo(port(), "/rom0/renamed", "new words");
    pf::CmdDefrag(port(), "/rom0");
    pf::CmdNewfs(port(), "/ram0");
    pf::CmdSetDate(port(), "200008221530.45");
    pf::ReplyList listing;
    pf::CmdList(port(), "/rom0", &listing);
    ASSERT_EQ(listing.size(), 5u);
    EXPECT_TRUE(listing[2].starts_with("renamed ")) << listing[2];
    EXPECT_EQ(listing[2].substr(50), "new words");
    pf::ReplyList date;
    pf::CmdDate(port(), &date);
    EXPECT_TRUE(date[1].starts_with("2000-08-22 15:3")) << date[1];
}

TEST_F(LinkSession, SilenceAfterAByteTimesOut) {
    SimulatorConfig config;
    config.faults.silentAfterByte = 5; // "stty " of the echo
    start(config);
    FastLinkClock clock(10);
    EXPECT_THROW(pf::CmdSttyEchoOff(port()), pf::CommTimeoutException);
}

TEST_F(LinkSession, SilenceBeforeTheFinalLineTimesOut) {
    SimulatorConfig config;
    config.faults.silentBeforeFinal = "ls";
    start(config);
    connect();
    FastLinkClock clock(10);
    pf::ReplyList listing;
    EXPECT_THROW(pf::CmdList(port(), "/rom0", &listing), pf::CommTimeoutException);
    EXPECT_EQ(listing.size(), 5u) << "every line but the final one arrived";
}

TEST_F(LinkSession, CancelAtABlockEndsWithCanReceived) {
    SimulatorConfig config;
    config.faults.xmodem.cancelAt = 2;
    start(config);
    connect();
    EXPECT_THROW(pf::CmdGet(port(), "/rom0/game", pcFile("game.vx")), pf::XCANReceived);
    writeFile(pcFile("tmp.vx"), makeEntry("new", "", 1000));
    EXPECT_THROW(pf::CmdPut(port(), "/ram0", pcFile("tmp.vx")), pf::XCANReceived);
    pf::ReplyList listing;
    pf::CmdList(port(), "/ram0", &listing);
    EXPECT_EQ(listing.size(), 4u) << "nothing was stored";
}

TEST_F(LinkSession, NaksOfOneBlockAreRetriedUpToTheLinksLimit) {
    SimulatorConfig config;
    config.faults.xmodem.nak = BlockFault{2, 5};
    start(config);
    connect();
    const auto entry = makeEntry("naked", "", 1000);
    writeFile(pcFile("tmp.vx"), entry);
    pf::CmdPut(port(), "/ram0", pcFile("tmp.vx")); // five NAKs are tolerated
    pf::CmdGet(port(), "/ram0/naked", pcFile("back.vx"));
    EXPECT_EQ(readFile(pcFile("back.vx")), padded(entry));
}

TEST_F(LinkSession, SixthNakEndsTheSendWithTheLinksTimeout) {
    SimulatorConfig config;
    config.faults.xmodem.nak = BlockFault{2, 6};
    start(config);
    connect();
    writeFile(pcFile("tmp.vx"), makeEntry("naked", "", 1000));
    EXPECT_THROW(pf::CmdPut(port(), "/ram0", pcFile("tmp.vx")), pf::CommXModemTimeout);
}

TEST_F(LinkSession, CorruptBlocksAreSentAgain) {
    SimulatorConfig config;
    config.faults.xmodem.corrupt = BlockFault{1, 3};
    start(config);
    connect();
    pf::CmdGet(port(), "/rom0/game", pcFile("game.vx")); // three bad copies, the fourth is good
    EXPECT_EQ(readFile(pcFile("game.vx")), padded(makeEntry("game", "a game", 3000)));
}

TEST_F(LinkSession, FourCorruptCopiesMakeTheLinkGiveUp) {
    SimulatorConfig config;
    config.faults.xmodem.corrupt = BlockFault{1, 4};
    start(config);
    connect();
    EXPECT_THROW(pf::CmdGet(port(), "/rom0/game", pcFile("game.vx")), pf::XUserBreak)
        << "the link cancels after four bad copies and takes the CAN that answers it as a break";
    pf::ReplyList df;
    pf::CmdDf(port(), &df); // the shell answers again afterwards
    EXPECT_EQ(df.back(), "200 OK");
}

TEST_F(LinkSession, UnaskedBytesBetweenCommandsAreDiscardedOrReadAsLines) {
    SimulatorConfig config;
    config.faults.bytesAfterReply = std::string("\0garbage\x18\r\n350 FURTHER INFO\r\n", 30);
    start(config);
    connect();
    for (int i = 0; i < 3; ++i) {
        std::this_thread::sleep_for(200ms); // the bytes arrive before the next purge
        pf::ReplyList df;
        pf::CmdDf(port(), &df);
        EXPECT_EQ(df.size(), 4u);
        EXPECT_TRUE(df[0].starts_with("Filesystem")) << df[0];
    }
    // Bytes that come after the purge are reply lines of the next command;
    // the reply still ends well and holds its data lines.
    for (int i = 0; i < 3; ++i) {
        pf::ReplyList df;
        pf::CmdDf(port(), &df);
        EXPECT_EQ(df.back(), "200 OK");
        EXPECT_EQ(
            std::count_if(df.begin(), df.end(), [](const std::string& l) { return l.starts_with("ram0 "); }),
            1);
    }
}

TEST_F(LinkSession, CanBytesBeforeReplyLinesAreStripped) {
    SimulatorConfig config;
    config.faults.canBeforeReply = true;
    start(config);
    connect();
    pf::ReplyList listing;
    pf::CmdList(port(), "/rom0", &listing);
    ASSERT_EQ(listing.size(), 6u);
    EXPECT_EQ(listing[0], "125 STARTING");
    EXPECT_EQ(listing[2].substr(50), "a game");
    EXPECT_THROW(pf::CmdDelete(port(), "/rom0/none"), pf::CmdNotAvailableException);
}

TEST_F(LinkSession, CarriageReturnInALineCutsTheRestOff) {
    SimulatorConfig config;
    config.faults.crInLine = true;
    start(config);
    connect();
    pf::ReplyList listing;
    pf::CmdList(port(), "/rom0", &listing);
    ASSERT_EQ(listing.size(), 6u);
    EXPECT_EQ(listing[0], "125 ST") << "the listing reader finds no \"125 STARTING\"";
    EXPECT_EQ(listing.back(), "200 OK");
}

TEST_F(LinkSession, EchoAfterSttyMinusEchoIsAnOrdinaryReplyLine) {
    SimulatorConfig config;
    config.faults.echoAlways = true;
    start(config);
    connect();
    pf::ReplyList df;
    pf::CmdDf(port(), &df);
    ASSERT_EQ(df.size(), 5u);
    EXPECT_EQ(df[0], "df");
}

TEST_F(LinkSession, PauseShorterThanTheLinksLimitIsWaitedOut) {
    SimulatorConfig config;
    config.faults.pauseBeforeFinal = 1000ms;
    start(config);
    connect();
    pf::ReplyList df;
    pf::CmdDf(port(), &df);
    EXPECT_EQ(df.back(), "200 OK");
    FastLinkClock clock(20); // now the same pause lasts 20 s to the link
    EXPECT_THROW(pf::CmdDf(port(), &df), pf::CommTimeoutException);
}

TEST_F(LinkSession, LineClosedInATransferEndsInTheLinksTimeout) {
    SimulatorConfig config;
    config.faults.xmodem.closeAt = 2;
    start(config);
    connect();
    FastLinkClock clock(20);
    EXPECT_THROW(pf::CmdGet(port(), "/rom0/game", pcFile("game.vx")), pf::CommXModemTimeout);
    m_rig->stop();
    EXPECT_TRUE(m_rig->lineCut());
}

} // namespace
} // namespace cartsim::test
