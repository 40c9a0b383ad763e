// XMODEM goodput against the cartridge simulator on a pseudo-terminal paced
// at 38400 baud: an entry put and got through ferrymate/link, and the same
// image sent to the monitor mode ("Recv System") by ferrymate/link and by
// lrzsz's sx -X. Prints each transfer's time, its goodput as a share of the
// line's limit (128/132 of 3840 bytes a second), and the ratio of the
// link's monitor-mode time to sx's.
//   cartsim_xmodem_bench [KILOBYTES]     (default 256)

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_set.h"
#include "ferrymate/link/data_module.h"
#include "tools/cartsim/pty_endpoint.h"
#include "tools/cartsim/simulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace cartsim;
using Seconds = std::chrono::duration<double>;

constexpr unsigned kBaud = 38400;
constexpr double kLineLimit = 3840.0 * 128 / 132;

class PacedCartridge {
  public:
    explicit PacedCartridge(std::optional<MonitorSettings> monitor) : m_cart(4096, 4096) {
        SimulatorConfig config;
        config.baud = kBaud;
        config.monitor = std::move(monitor);
        m_thread = std::jthread([this, config](std::stop_token stop) {
            Simulator(m_pty.masterFd(), m_cart, config).run(stop);
        });
    }
    const std::string& device() const { return m_pty.slavePath(); }

  private:
    PtyEndpoint m_pty;
    Cartridge m_cart;
    std::jthread m_thread;
};

template <typename F> double timed(F&& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return Seconds(std::chrono::steady_clock::now() - start).count();
}

void report(const char* what, std::size_t bytes, double seconds) {
    std::printf("%-34s %8.2f s  %7.1f B/s  %.3f of the line limit\n", what, seconds, bytes / seconds,
                bytes / seconds / kLineLimit);
}

double sendWithSx(const std::string& device, const std::string& file) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fd, 0);
    posix_spawn_file_actions_adddup2(&actions, fd, 1);
    std::string a0 = "sx", a1 = "-X", a2 = "-q", a3 = file;
    char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
    pid_t pid = -1;
    int status = 0;
    const double seconds = timed([&] {
        ::posix_spawnp(&pid, "sx", &actions, nullptr, argv, environ);
        ::waitpid(pid, &status, 0);
    });
    posix_spawn_file_actions_destroy(&actions);
    ::close(fd);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("sx failed\n");
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t bytes = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256) * 1024;
    const auto folder = std::filesystem::temp_directory_path() / "cartsim-bench";
    std::filesystem::create_directories(folder);
    const std::string entryPath = folder / "bench.vx";
    const std::string imagePath = folder / "velda.bin";
    {
        // An entry of `bytes` in all: a 128-byte header and the data.
        std::vector<std::uint8_t> entry(bytes, 0);
        const std::uint32_t size = static_cast<std::uint32_t>(bytes - 128);
        const char header[] = "#!ws";
        std::copy(header, header + 4, entry.begin());
        std::fill(entry.begin() + 4, entry.begin() + 64, 0xFF);
        std::copy_n("bench", 5, entry.begin() + 64);
        for (int i = 0; i < 4; ++i) {
            entry[108 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        }
        std::fill(entry.begin() + 124, entry.begin() + 128, 0xFF);
        for (std::size_t i = 128; i < bytes; ++i) {
            entry[i] = static_cast<std::uint8_t>(i * 31);
        }
        std::ofstream(entryPath, std::ios::binary).write(reinterpret_cast<char*>(entry.data()), bytes);
        std::ofstream(imagePath, std::ios::binary).write(reinterpret_cast<char*>(entry.data()), bytes);
    }
    std::printf("%zu bytes at %u baud, paced at 10 bits per byte; line limit %.1f B/s\n", bytes, kBaud, kLineLimit);
    {
        PacedCartridge cart(std::nullopt);
        pf::CommPortSettings settings;
        settings.portName = cart.device();
        pf::TCommPort port(settings);
        pf::CmdSttyEchoOff(port);
        report("put through ferrymate/link", bytes, timed([&] { pf::CmdPut(port, "/rom0", entryPath); }));
        report("get through ferrymate/link", bytes,
               timed([&] { pf::CmdGet(port, "/rom0/bench", (folder / "back.vx").string()); }));
    }
    double linkSeconds = 0;
    {
        PacedCartridge cart(MonitorSettings{MonitorMode::RecvSystem, folder / "os-link.bin", kDefaultImageLimit});
        pf::CommPortSettings settings;
        settings.portName = cart.device();
        pf::TCommPort port(settings);
        linkSeconds = timed([&] { pf::DM.OSXModem.send(port, imagePath); });
        report("Recv System from ferrymate/link", bytes, linkSeconds);
    }
    double sxSeconds = 0;
    {
        PacedCartridge cart(MonitorSettings{MonitorMode::RecvSystem, folder / "os-sx.bin", kDefaultImageLimit});
        sxSeconds = sendWithSx(cart.device(), imagePath);
        report("Recv System from sx -X", bytes, sxSeconds);
    }
    std::printf("link time / sx time: %.3f\n", linkSeconds / sxSeconds);
    std::filesystem::remove_all(folder);
    return 0;
}
