#pragma once
// Test rig: the simulator running in a thread on a fresh pseudo-terminal,
// and a raw client on the slave side that sends command lines and reads
// reply lines and bytes.

#include "tools/cartsim/pty_endpoint.h"
#include "tools/cartsim/simulator.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace cartsim::test {

using namespace std::chrono_literals;

// XMODEM waits short enough for tests, long enough for a loaded machine.
XmodemTiming quickTiming();

// A file entry named `name` with `dataSize` data bytes of a counting pattern.
std::vector<std::uint8_t> makeEntry(const std::string& name, const std::string& info, std::size_t dataSize,
                                    std::uint16_t mode = 6);

// Reads or writes a whole file; the read is empty when the file is missing.
std::vector<std::uint8_t> readFile(const std::string& path);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A fresh folder under the test temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

// The client end of the line: the slave device opened raw.
class Client {
  public:
    explicit Client(const std::string& device);
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    int fd() const { return m_fd; }
    void write(std::string_view bytes);
    void command(std::string_view line) { write(std::string(line) + "\r"); }

    // One line up to LF, without the LF; nullopt after `timeout` of silence.
    std::optional<std::string> rawLine(std::chrono::milliseconds timeout = 5s);
    // rawLine with the trailing CR removed.
    std::optional<std::string> line(std::chrono::milliseconds timeout = 5s);
    // Lines up to and including a final reply line (CAN bytes ahead of it
    // allowed); stops early on silence.
    std::vector<std::string> reply(std::chrono::milliseconds timeout = 5s);
    // Every byte until the line has been quiet for `quiet`.
    std::string drain(std::chrono::milliseconds quiet = 300ms);
    std::optional<std::uint8_t> byte(std::chrono::milliseconds timeout);

  private:
    int m_fd = -1;
};

bool isFinalLine(const std::string& line);

class Rig {
  public:
    explicit Rig(SimulatorConfig config = {}, Cartridge cart = Cartridge());
    ~Rig();

    const std::string& device() const { return m_pty.slavePath(); }
    Client& client() { return m_client; }

    // Stops the simulator; afterwards the cartridge may be looked at.
    void stop();
    Cartridge& cart() { return m_cart; }
    // Whether the simulator ended by itself, closing the line on purpose.
    bool lineCut() const { return m_cut; }
    bool finished() const { return m_finished; }
    std::vector<std::string> reports() const;

  private:
    PtyEndpoint m_pty;
    Cartridge m_cart;
    Client m_client;
    std::vector<std::string> m_reports;
    mutable std::mutex m_reportLock;
    bool m_cut = false;
    std::atomic<bool> m_finished = false;
    std::jthread m_thread;
};

// Runs a program with the device as its standard input and output and
// returns its exit code (-1 when it had to be killed after `limit`).
// The program runs in `folder` (lrzsz's rx takes only names relative to it).
int runOnDevice(const std::vector<std::string>& argv, int deviceFd, const std::string& folder = ".",
                std::chrono::seconds limit = 60s);

// A started program on the device, for a transfer that runs while the test
// goes on reading; wait() returns its exit code.
class DeviceProcess {
  public:
    DeviceProcess(const std::vector<std::string>& argv, int deviceFd, const std::string& folder = ".");
    ~DeviceProcess();
    int wait(std::chrono::seconds limit = 60s);

  private:
    int m_pid = -1;
};

} // namespace cartsim::test
