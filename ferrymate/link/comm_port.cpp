#include "ferrymate/link/comm_port.h"

#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/link_clock.h"
#include "ferrymate/link/message_pump.h"
#include "ferrymate/link/port_names.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

namespace pf {
namespace {

using std::chrono::milliseconds;

// One read attempt waits this long at most, and at least this long when no
// byte comes (a failed device must not make the callers spin).
constexpr milliseconds kReadAttempt{20};

std::optional<speed_t> speedFor(std::uint32_t baudRate) {
    struct Rate {
        std::uint32_t bps;
        speed_t code;
    };
    static constexpr Rate kRates[] = {{1200, B1200},     {2400, B2400},     {4800, B4800},
                                      {9600, B9600},     {19200, B19200},   {38400, B38400},
                                      {57600, B57600},   {115200, B115200}, {230400, B230400},
                                      {460800, B460800}, {921600, B921600}};
    for (const Rate& rate : kRates)
        if (rate.bps == baudRate)
            return rate.code;
    return std::nullopt;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

} // namespace

TCommPort::TCommPort(const CommPortSettings& settings)
    : m_settings(settings), m_devicePath(ResolvePortName(settings.portName)) {
    openDevice();
    lockDevice();
    applyLineSettings();
    if (::tcflush(m_fd, TCIOFLUSH) != 0)
        failOpen("purge", errno);
}

TCommPort::~TCommPort() {
    closeDevice();
}

void TCommPort::openDevice() {
    if (m_devicePath.empty())
        failOpen("no device is set for " + m_settings.portName, ENOENT);
    m_fd = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        failOpen("open", errno);
    if (!::isatty(m_fd))
        failOpen("not a terminal", errno);
}

void TCommPort::lockDevice() {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        failOpen(error == EWOULDBLOCK ? "in use by another program" : "lock", error);
    }
    m_locked = true;
    if (::ioctl(m_fd, TIOCEXCL) != 0)
        failOpen("exclusive mode", errno);
    m_exclusive = true;
}

void TCommPort::applyLineSettings() {
    if (::tcgetattr(m_fd, &m_saved) != 0)
        failOpen("read settings", errno);
    m_haveSaved = true;

    const std::optional<speed_t> speed = speedFor(m_settings.baudRate);
    if (!speed)
        failOpen("unsupported baud rate " + std::to_string(m_settings.baudRate), EINVAL);

    termios line = m_saved;
    ::cfmakeraw(&line);
    line.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (::cfsetispeed(&line, *speed) != 0 || ::cfsetospeed(&line, *speed) != 0)
        failOpen("baud rate", errno);
    if (::tcsetattr(m_fd, TCSANOW, &line) != 0)
        failOpen("apply settings", errno);

    // A pseudo-terminal has no modem lines; that is no reason to refuse it.
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)::ioctl(m_fd, TIOCMBIS, &lines);
}

void TCommPort::closeDevice() noexcept {
    if (m_fd < 0)
        return;
    if (m_haveSaved)
        (void)::tcsetattr(m_fd, TCSANOW, &m_saved);
    (void)::tcflush(m_fd, TCIOFLUSH);
    if (m_exclusive)
        (void)::ioctl(m_fd, TIOCNXCL);
    if (m_locked)
        (void)::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

void TCommPort::failOpen(const std::string& what, int error) {
    closeDevice();
    throw CommOpenException(m_devicePath, systemReason(error) + " (" + what + ")");
}

void TCommPort::emptyRing() noexcept {
    m_readPos = 0;
    m_held = 0;
}

void TCommPort::Purge() {
    (void)::tcflush(m_fd, TCIOFLUSH);
    emptyRing();
}

bool TCommPort::fillRing() {
    LinkClock& clock = CurrentLinkClock();
    const LinkClock::TimePoint started = clock.now();
    if (clock.waitReadable(m_fd, kReadAttempt) & POLLIN) {
        const ssize_t count = ::read(m_fd, m_ring.data(), m_ring.size());
        if (count > 0) {
            m_readPos = 0;
            m_held = static_cast<std::size_t>(count);
            return true;
        }
    }
    // Nothing came: the wait ran out, or the device failed or hung up at once.
    // Wait out the rest of the attempt so that a vanished device is polled at
    // the pace of a quiet one.
    const auto spent = std::chrono::duration_cast<milliseconds>(clock.now() - started);
    if (spent < kReadAttempt)
        clock.sleepFor(kReadAttempt - spent);
    return false;
}

bool TCommPort::HasByte() {
    return m_held > 0 || fillRing();
}

int TCommPort::ReadByte() {
    PumpMessages();
    if (m_abortRequested) {
        m_abortRequested = false;
        throw CommAbortException();
    }
    if (m_idle)
        m_idle->Idle();
    if (!HasByte())
        return -1;
    --m_held;
    return m_ring[m_readPos++];
}

int TCommPort::WriteBytes(const void* block, std::size_t length) {
    const auto* next = static_cast<const std::uint8_t*>(block);
    std::size_t written = 0;
    const auto deadline = std::chrono::steady_clock::now() + milliseconds(10 + 10 * length);
    while (written < length) {
        const ssize_t count = ::write(m_fd, next + written, length - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN)
            break;
        const auto left =
            std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd entry{m_fd, POLLOUT, 0};
        (void)::poll(&entry, 1, static_cast<int>(left.count()));
    }
    return static_cast<int>(written);
}

} // namespace pf
