// Times TXModem2 sending and receiving a 256 KB file against lrzsz (rx -X,
// sx -X) over a pseudo-terminal: wall time, and the CPU time of the thread
// running the engine, per transfer and per 128-byte block.
//   link_xmodem_bench [RUNS]      (default 5)

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/xmodem2.h"

#include "lrzsz_peer.h"
#include "pty_pair.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kFileSize = 256 * 1024;
constexpr double kBlocks = kFileSize / 128.0;

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Sample {
    double wall;
    double cpu;
};

Sample timeOnce(const std::function<void()>& transfer) {
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuSeconds();
    transfer();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count(),
            threadCpuSeconds() - cpuStart};
}

void report(const char* name, std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
    const Sample& median = samples[samples.size() / 2];
    std::printf("%-22s wall %7.3f s (%6.1f us/block, %7.1f KB/s)   cpu %6.3f s (%5.1f us/block)   [%zu runs, "
                "median]\n",
                name, median.wall, median.wall / kBlocks * 1e6, kFileSize / 1024.0 / median.wall, median.cpu,
                median.cpu / kBlocks * 1e6, samples.size());
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::temp_directory_path() / ("pf_link_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::string bytes(kFileSize, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
        std::ofstream(dir / "out.bin", std::ios::binary) << bytes;
    }
    std::vector<Sample> sends, receives;
    for (int run = 0; run < runs; ++run) {
        {
            pf::test::PtyPair pty;
            pf::TCommPort port({38400, pty.slavePath()});
            pf::test::LrzszPeer rx(pty.master(), dir, {"rx", "-X", "-q", "in.bin"});
            pf::TXModem2 engine;
            sends.push_back(timeOnce([&] { engine.send(port, dir / "out.bin"); }));
            rx.finish();
            fs::remove(dir / "in.bin");
        }
        {
            pf::test::PtyPair pty;
            pf::TCommPort port({38400, pty.slavePath()});
            pf::test::LrzszPeer sx(pty.master(), dir, {"sx", "-X", "-q", "out.bin"});
            pf::TXModem2 engine;
            receives.push_back(timeOnce([&] { engine.recv(port, dir / "in.bin"); }));
            sx.finish();
        }
    }
    fs::remove_all(dir);
    std::printf("256 KB (%g blocks) over a pseudo-terminal against lrzsz:\n", kBlocks);
    report("send to rx -X", sends);
    report("receive from sx -X", receives);
    return 0;
}
