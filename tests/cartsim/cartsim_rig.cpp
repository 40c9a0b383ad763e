#include "tests/cartsim/cartsim_rig.h"

#include "entry/entry_header.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace cartsim::test {

XmodemTiming quickTiming() {
    XmodemTiming t;
    t.startInterval = 1000ms;
    t.startTries = 10;
    t.senderStart = 20000ms;
    t.byteTimeout = 1000ms;
    t.replyTimeout = 3000ms;
    t.retries = 10;
    return t;
}

std::vector<std::uint8_t> makeEntry(const std::string& name, const std::string& info, std::size_t dataSize,
                                    std::uint16_t mode) {
    const auto record = pf::makeEntryRecord(name, info, mode, 0, static_cast<std::uint32_t>(dataSize), -1,
                                            0x5AB6'7A2Bu); // 2045-05-22 15:17:22
    const auto header = pf::encodeEntryHeader(record);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (std::size_t i = 0; i < dataSize; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    }
    return bytes;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cartsim-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

Client::Client(const std::string& device) {
    m_fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        throw std::runtime_error("cannot open " + device);
    }
    termios t{};
    ::tcgetattr(m_fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(m_fd, TCSANOW, &t);
}

Client::~Client() {
    ::close(m_fd);
}

void Client::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(m_fd, bytes.data(), bytes.size());
        if (put < 0 && errno != EINTR) {
            throw std::runtime_error("write to the simulator failed");
        }
        bytes.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(put, 0)));
    }
}

std::optional<std::uint8_t> Client::byte(std::chrono::milliseconds timeout) {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) {
        return std::nullopt;
    }
    std::uint8_t b = 0;
    if (::read(m_fd, &b, 1) != 1) {
        return std::nullopt;
    }
    return b;
}

std::optional<std::string> Client::rawLine(std::chrono::milliseconds timeout) {
    std::string text;
    while (const auto b = byte(timeout)) {
        if (*b == '\n') {
            return text;
        }
        text += static_cast<char>(*b);
    }
    return std::nullopt;
}

std::optional<std::string> Client::line(std::chrono::milliseconds timeout) {
    auto text = rawLine(timeout);
    if (text && !text->empty() && text->back() == '\r') {
        text->pop_back();
    }
    return text;
}

bool isFinalLine(const std::string& line) {
    static const char* const finals[] = {
        "200 OK",      "504 NOT IMPLEMENTED", "450 NOT AVAILABLE",   "451 LOCAL ERR",
        "452 FS FULL", "501 SYNTAX ERR",      "426 TRANSFER ABORTED"};
    return std::find(std::begin(finals), std::end(finals), line) != std::end(finals);
}

std::vector<std::string> Client::reply(std::chrono::milliseconds timeout) {
    std::vector<std::string> lines;
    while (auto text = line(timeout)) {
        lines.push_back(*text);
        if (isFinalLine(text->substr(std::min(text->find_first_not_of('\x18'), text->size())))) {
            break;
        }
    }
    return lines;
}

std::string Client::drain(std::chrono::milliseconds quiet) {
    std::string bytes;
    while (const auto b = byte(quiet)) {
        bytes += static_cast<char>(*b);
    }
    return bytes;
}

Rig::Rig(SimulatorConfig config, Cartridge cart) : m_cart(std::move(cart)), m_client(m_pty.slavePath()) {
    if (config.timing.replyTimeout == XmodemTiming{}.replyTimeout) {
        config.timing = quickTiming();
    }
    config.report = [this](const std::string& text) {
        std::lock_guard lock(m_reportLock);
        m_reports.push_back(text);
    };
    m_thread = std::jthread([this, config](std::stop_token stop) {
        Simulator simulator(m_pty.masterFd(), m_cart, config);
        m_cut = simulator.run(stop);
        m_finished = true;
    });
}

Rig::~Rig() {
    stop();
}

void Rig::stop() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

std::vector<std::string> Rig::reports() const {
    std::lock_guard lock(m_reportLock);
    return m_reports;
}

namespace {

int spawnOnDevice(const std::vector<std::string>& argv, int deviceFd, const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, deviceFd, 0);
    posix_spawn_file_actions_adddup2(&actions, deviceFd, 1);
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    return pid;
}

int waitFor(int pid, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(20ms);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int runOnDevice(const std::vector<std::string>& argv, int deviceFd, const std::string& folder,
                std::chrono::seconds limit) {
    return waitFor(spawnOnDevice(argv, deviceFd, folder), limit);
}

DeviceProcess::DeviceProcess(const std::vector<std::string>& argv, int deviceFd, const std::string& folder)
    : m_pid(spawnOnDevice(argv, deviceFd, folder)) {}

DeviceProcess::~DeviceProcess() {
    if (m_pid > 0) {
        waitFor(m_pid, 1s);
    }
}

int DeviceProcess::wait(std::chrono::seconds limit) {
    const int code = waitFor(m_pid, limit);
    m_pid = -1;
    return code;
}

} // namespace cartsim::test
