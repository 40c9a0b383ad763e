// The cartridge listing read from the cartridge simulator over a real
// pseudo-terminal, as the window's refresh reads it.

#include "entry/entry_header.h"
#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_set.h"
#include "ferrymate/listing/remote_file_list_vector.h"
#include "ferrymate/platform/text_codec.h"
#include "tools/cartsim/pty_endpoint.h"
#include "tools/cartsim/simulator.h"

#include <gtest/gtest.h>

#include <thread>

namespace pf {
namespace {

// An entry of `dataSize` bytes stamped 2024-05-06 07:08:10.
cartsim::CartEntry makeEntry(std::string_view name, std::string_view info, std::size_t dataSize,
                             std::uint16_t mode) {
    constexpr std::uint32_t kStamp = (24u << 25) | (5u << 21) | (6u << 16) | (7u << 11) | (8u << 5) | 5u;
    const auto header = encodeEntryHeader(
        makeEntryRecord(name, info, mode, 0, static_cast<std::uint32_t>(dataSize), kNoResources, kStamp));
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(bytes.size() + dataSize, 0x5A);
    return cartsim::CartEntry::fromBytes(bytes).value();
}

// The simulator on its own thread, for the length of one test.
class Cartridge : public testing::Test {
  protected:
    void start(cartsim::SimulatorConfig config = {}) {
        m_thread = std::jthread([this, config](std::stop_token stop) {
            cartsim::Simulator(m_pty.masterFd(), m_cart, config).run(stop);
        });
    }
    void TearDown() override {
        m_thread.request_stop();
        if (m_thread.joinable())
            m_thread.join();
    }

    cartsim::PtyEndpoint m_pty;
    cartsim::Cartridge m_cart;
    std::jthread m_thread;
};

const std::string kJapaneseName = utf8ToCp932("ゲーム").value();
const std::string kJapaneseInfo = utf8ToCp932("すごい ゲーム").value();

TEST_F(Cartridge, ListsBothAreasWithTheirFreeSpace) {
    ASSERT_EQ(m_cart.rom0().store(makeEntry("zeta", "last one", 300, kDefaultEntryMode)),
              cartsim::StoreResult::Stored);
    ASSERT_EQ(m_cart.rom0().store(makeEntry(kJapaneseName, kJapaneseInfo, 1000, 0x07)),
              cartsim::StoreResult::Stored);
    ASSERT_EQ(m_cart.rom0().store(makeEntry("ABCDEFGHIJKLMNOP", "", 0, 0x01)), cartsim::StoreResult::Stored);
    start();

    TCommPort port(CommPortSettings{38400, m_pty.slavePath()});
    RemoteFileListVector listing;
    listing.SetPort(&port);

    // The shell still echoes the commands: the echo lines come before
    // "125 STARTING" and are not records.
    listing.Read("/rom0");
    ASSERT_EQ(listing.size(), 3u);
    EXPECT_EQ(listing[0], (FileInfo{"24-05-06 07:08", 428, "zeta", "-wr-----", "last one", 0}));
    EXPECT_EQ(listing[1], (FileInfo{"24-05-06 07:08", 1128, kJapaneseName, "xwr-----", kJapaneseInfo, 0}));
    EXPECT_EQ(listing[2], (FileInfo{"24-05-06 07:08", 128, "ABCDEFGHIJKLMNOP", "x-------", "", 0}));
    EXPECT_EQ(listing.FreeSpace(), m_cart.rom0().freeBlocks() * 128u);

    listing.SortByName();
    EXPECT_EQ(listing[0].name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(listing[2].name, kJapaneseName);
    listing.SortBySize();
    EXPECT_EQ(listing[0].name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(listing[2].name, kJapaneseName);

    CmdSttyEchoOff(port);
    listing.Read("/ram0");
    EXPECT_TRUE(listing.empty());
    EXPECT_EQ(listing.FreeSpace(), 131072u);
}

TEST_F(Cartridge, CancelBytesBeforeReplyLinesAreDropped) {
    ASSERT_EQ(m_cart.ram0().store(makeEntry("save", "slot 1", 10, kDefaultEntryMode)),
              cartsim::StoreResult::Stored);
    cartsim::SimulatorConfig config;
    config.faults.canBeforeReply = true;
    start(config);

    TCommPort port(CommPortSettings{38400, m_pty.slavePath()});
    RemoteFileListVector listing;
    listing.SetPort(&port);
    listing.Read("/ram0");
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(listing[0].name, "save");
    EXPECT_EQ(listing[0].description, "slot 1");
    EXPECT_EQ(listing.FreeSpace(), m_cart.ram0().freeBlocks() * 128u);
}

TEST_F(Cartridge, UnknownAreaIsRefused) {
    start();
    TCommPort port(CommPortSettings{38400, m_pty.slavePath()});
    RemoteFileListVector listing;
    listing.SetPort(&port);
    EXPECT_THROW(listing.Read("/xyz0"), CmdNotAvailableException);
    EXPECT_TRUE(listing.empty());
}

} // namespace
} // namespace pf
