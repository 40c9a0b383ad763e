// get, put and the monitor mode with Debian's lrzsz (sx -X, rx -X) as the
// independent XMODEM peer on the other end of the pseudo-terminal.

#include "tests/cartsim/cartsim_rig.h"

#include "tests/cartsim/scripted_xmodem.h"
#include "tools/cartsim/cart_entry.h"

#include <gtest/gtest.h>

namespace cartsim::test {
namespace {

// What a receiver keeps of `bytes`: whole blocks, the last one filled up
// with 0x1A.
std::vector<std::uint8_t> padded(std::vector<std::uint8_t> bytes) {
    bytes.resize((bytes.size() + 127) / 128 * 128, 0x1A);
    return bytes;
}

SimulatorConfig lrzszConfig() {
    SimulatorConfig config;
    config.timing = quickTiming();
    config.timing.retries = 3;
    return config;
}

// After its last ACK rx empties both queues of its terminal; on a
// pseudo-terminal that takes back the ACK itself whenever the simulator has
// not read it yet (a UART would already have sent it). rx therefore runs
// behind socat, which passes every byte on and has no queue to empty.
std::vector<std::string> rxCommand(const std::string& name) {
    return {"socat", "-t", "0", "STDIO", "EXEC:rx -X -q -y " + name};
}

class Transfer : public ::testing::Test {
  protected:
    void openShell(Rig& rig) {
        rig.client().command("stty -echo");
        ASSERT_EQ(rig.client().reply().back(), "200 OK");
    }

    // "put AREA" answered by sx sending `file`; returns the reply lines
    // after "125 STARTING" and sx's exit code.
    std::pair<std::vector<std::string>, int> put(Rig& rig, const std::string& area, const std::string& file) {
        Client& c = rig.client();
        c.command("put " + area);
        EXPECT_EQ(c.line(), "125 STARTING");
        const int code = runOnDevice({"sx", "-X", "-q", file}, c.fd());
        return {c.reply(), code};
    }

    std::pair<std::vector<std::string>, int> get(Rig& rig, const std::string& path, const std::string& file) {
        Client& c = rig.client();
        c.command("get \"" + path + "\"");
        EXPECT_EQ(c.line(), "125 STARTING");
        const int code = receiveWithRx(c.fd(), file);
        return {c.reply(), code};
    }

    // rx -X receiving into `name` in the test's folder; its exit code.
    int receiveWithRx(int deviceFd, const std::string& name) {
        return runOnDevice(rxCommand(name), deviceFd, m_folder.path());
    }

    TempFolder m_folder;
};

TEST_F(Transfer, PutTakesTheNameFromTheHeaderAndGetSendsTheEntryBack) {
    Rig rig(lrzszConfig());
    openShell(rig);
    const auto entry = makeEntry("sixteen-bytes-ab", "sent by sx", 1000);
    writeFile(m_folder.file("any-name.vx"), entry);
    const auto [putReply, sxCode] = put(rig, "/ram0", m_folder.file("any-name.vx"));
    EXPECT_EQ(sxCode, 0);
    EXPECT_EQ(putReply, std::vector<std::string>{"200 OK"});

    const auto [getReply, rxCode] = get(rig, "/ram0/sixteen-bytes-ab", "back.vx");
    EXPECT_EQ(rxCode, 0);
    EXPECT_EQ(getReply, std::vector<std::string>{"200 OK"});
    EXPECT_EQ(readFile(m_folder.file("back.vx")), padded(entry));

    rig.stop();
    ASSERT_EQ(rig.cart().ram0().entries().size(), 1u);
    EXPECT_EQ(rig.cart().ram0().entries()[0].bytes(), entry) << "the XMODEM filler is cut off";
}

TEST_F(Transfer, GetEndsWithOkAfterTheLastAck) {
    Cartridge cart;
    const auto entry = makeEntry("three", "", 300);
    cart.ram0().store(*CartEntry::fromBytes(entry));
    Rig rig({}, std::move(cart));
    openShell(rig);
    rig.client().command("get \"/ram0/three\"");
    EXPECT_EQ(rig.client().line(), "125 STARTING");
    const ReceivedFile file = receiveFile(rig.client());
    EXPECT_TRUE(file.endedWithEot);
    EXPECT_EQ(file.data, padded(entry));
    EXPECT_EQ(file.blockGood, std::vector<bool>(4, true));
    EXPECT_EQ(rig.client().reply(), std::vector<std::string>{"200 OK"});
}

TEST_F(Transfer, ManyBlocksWrapTheBlockNumber) {
    Rig rig(lrzszConfig());
    openShell(rig);
    const auto entry = makeEntry("long", "", 257 * 128 + 5);
    writeFile(m_folder.file("long.vx"), entry);
    EXPECT_EQ(put(rig, "rom0", m_folder.file("long.vx")).first.back(), "200 OK");
    EXPECT_EQ(get(rig, "/rom0/long", "back.vx").first.back(), "200 OK");
    EXPECT_EQ(readFile(m_folder.file("back.vx")), padded(entry));
}

TEST_F(Transfer, PutAnswersTakenNameFullAreaAndNonEntry) {
    Rig rig(lrzszConfig(), Cartridge(kDefaultRom0Blocks, 8));
    openShell(rig);
    writeFile(m_folder.file("a.vx"), makeEntry("a", "", 100));
    writeFile(m_folder.file("big.vx"), makeEntry("big", "", 7 * 128));
    writeFile(m_folder.file("plain.bin"), std::vector<std::uint8_t>(300, 'p'));
    EXPECT_EQ(put(rig, "/ram0", m_folder.file("a.vx")).first.back(), "200 OK");
    EXPECT_EQ(put(rig, "/ram0", m_folder.file("a.vx")).first.back(), "450 NOT AVAILABLE");
    EXPECT_EQ(put(rig, "/ram0", m_folder.file("big.vx")).first.back(), "452 FS FULL");
    EXPECT_EQ(put(rig, "/ram0", m_folder.file("plain.bin")).first.back(), "451 LOCAL ERR");
    rig.client().command("delete \"/ram0/a\"");
    EXPECT_EQ(rig.client().reply().back(), "200 OK");
    EXPECT_EQ(put(rig, "/ram0", m_folder.file("big.vx")).first.back(), "200 OK");
}

TEST_F(Transfer, FileLongerThanTheAreaIsCancelled) {
    Rig rig(lrzszConfig(), Cartridge(kDefaultRom0Blocks, 4));
    openShell(rig);
    writeFile(m_folder.file("huge.vx"), makeEntry("huge", "", 20 * 128));
    const auto [reply, code] = put(rig, "/ram0", m_folder.file("huge.vx"));
    EXPECT_NE(code, 0);
    EXPECT_EQ(reply.back(), "426 TRANSFER ABORTED");
}

TEST_F(Transfer, EmptyEntryNeedsOneBlock) {
    Rig rig(lrzszConfig());
    openShell(rig);
    writeFile(m_folder.file("e.vx"), makeEntry("empty", "", 0));
    EXPECT_EQ(put(rig, "/rom0", m_folder.file("e.vx")).first.back(), "200 OK");
    EXPECT_EQ(get(rig, "/rom0/empty", "back.vx").first.back(), "200 OK");
    EXPECT_EQ(readFile(m_folder.file("back.vx")), makeEntry("empty", "", 0));
}

TEST_F(Transfer, RecvSystemWritesTheImage) {
    SimulatorConfig config = lrzszConfig();
    config.monitor = MonitorSettings{MonitorMode::RecvSystem, m_folder.file("os.bin"), kDefaultImageLimit};
    Rig rig(config);
    std::vector<std::uint8_t> image(5000);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13);
    }
    writeFile(m_folder.file("velda.bin"), image);
    EXPECT_EQ(runOnDevice({"sx", "-X", "-q", m_folder.file("velda.bin")}, rig.client().fd()), 0);
    // The file is written right after the final ACK; give the thread a moment.
    for (int i = 0; i < 100 && readFile(m_folder.file("os.bin")).empty(); ++i) {
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_EQ(readFile(m_folder.file("os.bin")), padded(image));
}

TEST_F(Transfer, SendSystemSendsTheImageToEachReceiver) {
    std::vector<std::uint8_t> image(1000, 0x42);
    writeFile(m_folder.file("velda.bin"), image);
    SimulatorConfig config = lrzszConfig();
    config.monitor = MonitorSettings{MonitorMode::SendSystem, m_folder.file("velda.bin"), kDefaultImageLimit};
    Rig rig(config);
    for (const char* name : {"backup1.bin", "backup2.bin"}) {
        EXPECT_EQ(receiveWithRx(rig.client().fd(), name), 0);
        EXPECT_EQ(readFile(m_folder.file(name)), padded(image));
    }
}

} // namespace
} // namespace cartsim::test
