// TXModem2 against Debian's lrzsz (rx -X, sx -X) over a pseudo-terminal:
// files arrive byte for byte, up to the padding of the last block.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/xmodem2.h"

#include "lrzsz_peer.h"
#include "pty_pair.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace pf {
namespace {

namespace fs = std::filesystem;

std::string randomish(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 2463534242u;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// `got` is `sent` followed by no more than the filler of its last block.
::testing::AssertionResult sameUpToPadding(const std::string& sent, const std::string& got) {
    const std::size_t padded = (sent.size() + 127) / 128 * 128;
    if (got.size() < sent.size() || got.size() > padded)
        return ::testing::AssertionFailure()
               << "size " << got.size() << " for " << sent.size() << " bytes sent";
    if (got.compare(0, sent.size(), sent) != 0)
        return ::testing::AssertionFailure() << "contents differ";
    if (got.find_first_not_of('\x1A', sent.size()) != std::string::npos)
        return ::testing::AssertionFailure() << "padding is not 0x1A";
    return ::testing::AssertionSuccess();
}

class LrzszInterop : public ::testing::TestWithParam<std::size_t> {
  protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir = fs::temp_directory_path() / ("pf_link_lrzsz_" + std::to_string(::getpid()));
};

TEST_P(LrzszInterop, SendToRx) {
    const std::string bytes = randomish(GetParam());
    std::ofstream(m_dir / "out.bin", std::ios::binary) << bytes;
    test::PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::LrzszPeer rx(pty.master(), m_dir, {"rx", "-X", "-q", "in.bin"});
    TXModem2 engine;
    engine.send(port, m_dir / "out.bin");
    const int status = rx.finish();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(sameUpToPadding(bytes, readFile(m_dir / "in.bin")));
}

TEST_P(LrzszInterop, ReceiveFromSx) {
    const std::string bytes = randomish(GetParam());
    std::ofstream(m_dir / "out.bin", std::ios::binary) << bytes;
    test::PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::LrzszPeer sx(pty.master(), m_dir, {"sx", "-X", "-q", "out.bin"});
    TXModem2 engine;
    engine.recv(port, m_dir / "in.bin");
    const int status = sx.finish();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(sameUpToPadding(bytes, readFile(m_dir / "in.bin")));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LrzszInterop, ::testing::Values(0, 1, 128, 129, 32 * 1024, 100 * 1024));

} // namespace
} // namespace pf
