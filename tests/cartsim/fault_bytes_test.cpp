// The faults and the receiver's recovery, byte by byte, against the tests'
// own scripted XMODEM peer.

#include "tests/cartsim/cartsim_rig.h"
#include "tests/cartsim/scripted_xmodem.h"

#include "tools/cartsim/cart_entry.h"

#include <gtest/gtest.h>

namespace cartsim::test {
namespace {

std::vector<std::uint8_t> blockOf(const std::vector<std::uint8_t>& bytes, std::size_t index) {
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(index * 128);
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), (index + 1) * 128));
    return {begin, end};
}

class FaultBytes : public ::testing::Test {
  protected:
    void start(SimulatorConfig config = {}) {
        Cartridge cart;
        cart.rom0().store(*CartEntry::fromBytes(m_entry));
        m_rig = std::make_unique<Rig>(std::move(config), std::move(cart));
        client().command("stty -echo");
        client().reply();
    }

    Client& client() { return m_rig->client(); }

    // Starts a put and waits for the receiver's first NAK.
    void beginPut() {
        client().command("put /ram0");
        ASSERT_EQ(client().line(), "125 STARTING");
        ASSERT_EQ(client().byte(2s), 0x15);
    }

    const std::vector<std::uint8_t> m_entry = makeEntry("two", "blocks", 200); // 328 bytes
    std::unique_ptr<Rig> m_rig;
};

TEST_F(FaultBytes, ReceiverNaksABadBlockAndTakesARepeatedOneOnce) {
    start();
    beginPut();
    EXPECT_EQ(sendPacket(client(), packet(1, blockOf(m_entry, 0), true)), 0x15);
    EXPECT_EQ(sendPacket(client(), packet(1, blockOf(m_entry, 0))), 0x06);
    EXPECT_EQ(sendPacket(client(), packet(1, blockOf(m_entry, 0))), 0x06) << "our ACK was lost";
    EXPECT_EQ(sendPacket(client(), packet(2, blockOf(m_entry, 1))), 0x06);
    EXPECT_EQ(sendPacket(client(), packet(3, blockOf(m_entry, 2))), 0x06);
    EXPECT_EQ(sendPacket(client(), {0x04}), 0x06);
    EXPECT_EQ(client().reply(), std::vector<std::string>{"200 OK"});
    m_rig->stop();
    ASSERT_EQ(m_rig->cart().ram0().entries().size(), 1u);
    EXPECT_EQ(m_rig->cart().ram0().entries()[0].bytes(), m_entry);
}

TEST_F(FaultBytes, NakFaultTurnsAGoodBlockAwayNTimes) {
    SimulatorConfig config;
    config.faults.xmodem.nak = BlockFault{2, 2};
    start(config);
    beginPut();
    EXPECT_EQ(sendPacket(client(), packet(1, blockOf(m_entry, 0))), 0x06);
    EXPECT_EQ(sendPacket(client(), packet(2, blockOf(m_entry, 1))), 0x15);
    EXPECT_EQ(sendPacket(client(), packet(2, blockOf(m_entry, 1))), 0x15);
    EXPECT_EQ(sendPacket(client(), packet(2, blockOf(m_entry, 1))), 0x06);
    EXPECT_EQ(sendPacket(client(), packet(3, blockOf(m_entry, 2))), 0x06);
    EXPECT_EQ(sendPacket(client(), {0x04}), 0x06);
    EXPECT_EQ(client().reply(), std::vector<std::string>{"200 OK"});
}

TEST_F(FaultBytes, OutOfSequenceBlockCancels) {
    start();
    beginPut();
    EXPECT_EQ(sendPacket(client(), packet(2, blockOf(m_entry, 1))), 0x18);
    EXPECT_EQ(client().reply(), std::vector<std::string>{"\x18"
                                                         "426 TRANSFER ABORTED"});
}

TEST_F(FaultBytes, CorruptFaultSpoilsTheFirstCopiesOfABlock) {
    SimulatorConfig config;
    config.faults.xmodem.corrupt = BlockFault{1, 2};
    start(config);
    client().command("get \"/rom0/two\"");
    ASSERT_EQ(client().line(), "125 STARTING");
    const ReceivedFile file = receiveFile(client());
    EXPECT_EQ(file.blockGood, (std::vector<bool>{false, false, true, true, true}));
    auto expected = m_entry;
    expected.resize(384, 0x1A);
    EXPECT_EQ(file.data, expected);
    EXPECT_EQ(client().reply(), std::vector<std::string>{"200 OK"});
}

TEST_F(FaultBytes, CancelFaultSendsCanInPlaceOfTheBlock) {
    SimulatorConfig config;
    config.faults.xmodem.cancelAt = 2;
    start(config);
    client().command("get \"/rom0/two\"");
    ASSERT_EQ(client().line(), "125 STARTING");
    const ReceivedFile file = receiveFile(client());
    EXPECT_TRUE(file.cancelled);
    EXPECT_EQ(file.blockGood, std::vector<bool>{true});
    EXPECT_EQ(client().reply(), std::vector<std::string>{"\x18"
                                                         "426 TRANSFER ABORTED"});
}

TEST_F(FaultBytes, ReplyLineFaultsOnTheWire) {
    SimulatorConfig config;
    config.faults.canBeforeReply = true;
    config.faults.crInLine = true;
    config.faults.bytesAfterReply = "\x01junk";
    start(config);
    client().drain();
    client().command("date");
    EXPECT_EQ(client().rawLine(), "\x18\x18"
                                  "125 ST\rARTING\r");
    client().rawLine();
    EXPECT_EQ(client().rawLine(), "\x18\x18"
                                  "200 OK\r");
    EXPECT_EQ(client().drain(), "\x01junk");
}

} // namespace
} // namespace cartsim::test
