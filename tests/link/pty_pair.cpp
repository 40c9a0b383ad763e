#include "pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace pf::test {
namespace {

using Clock = std::chrono::steady_clock;

// Waits for input on `fd` up to `limit`; true when there is some.
bool waitInput(int fd, std::chrono::milliseconds limit) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(limit.count())) > 0 && (entry.revents & POLLIN);
}

int readSome(int fd, char* into, std::size_t size) {
    const ssize_t count = ::read(fd, into, size);
    return count > 0 ? static_cast<int>(count) : 0;
}

} // namespace

PtyPair::PtyPair() {
    std::array<char, 256> name{};
    if (::openpty(&m_master, &m_slave, name.data(), nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    m_slavePath = name.data();
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

void PtyPair::hangUp() {
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        } else if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd entry{fd, POLLOUT, 0};
            ::poll(&entry, 1, 100);
        } else {
            return;
        }
    }
}

std::string readUntil(int fd, char terminator, std::chrono::milliseconds limit) {
    std::string got;
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (!waitInput(fd, std::chrono::milliseconds(20)))
            continue;
        char byte = 0;
        if (readSome(fd, &byte, 1) == 1) {
            got.push_back(byte);
            if (byte == terminator)
                break;
        }
    }
    return got;
}

std::string readExactly(int fd, std::size_t count, std::chrono::milliseconds limit) {
    std::string got;
    const auto deadline = Clock::now() + limit;
    while (got.size() < count && Clock::now() < deadline) {
        if (!waitInput(fd, std::chrono::milliseconds(20)))
            continue;
        std::array<char, 1024> buffer{};
        const int n = readSome(fd, buffer.data(), std::min(buffer.size(), count - got.size()));
        got.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return got;
}

std::string readQuiet(int fd, std::chrono::milliseconds quiet) {
    std::string got;
    while (waitInput(fd, quiet)) {
        std::array<char, 1024> buffer{};
        const int n = readSome(fd, buffer.data(), buffer.size());
        if (n == 0)
            break;
        got.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return got;
}

} // namespace pf::test
