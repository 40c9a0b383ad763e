#include "tools/cartsim/serial_line.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace cartsim {

namespace {

// How often a wait looks at the stop request.
constexpr std::chrono::milliseconds kStopPoll{50};
// A write that makes no progress this long means nobody reads the line.
constexpr std::chrono::seconds kWriteStall{30};

[[noreturn]] void failDevice(const char* what) {
    throw LineClosed(std::string(what) + " (" + std::strerror(errno) + ")");
}

} // namespace

SerialLine::SerialLine(int fd, unsigned baud, std::stop_token stop)
    : m_fd(fd), m_stop(std::move(stop)), m_sendPacer(baud), m_receivePacer(baud) {}

bool SerialLine::fillInbox(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (m_stop.stop_requested()) {
            throw LineClosed("stopped");
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() < 0) {
            return false;
        }
        pollfd p{m_fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::min(left, kStopPoll).count()));
        if (ready < 0 && errno != EINTR) {
            failDevice("poll of the line failed");
        }
        if (ready <= 0) {
            continue;
        }
        std::uint8_t buffer[4096];
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            m_inbox.assign(buffer, buffer + got);
            m_inboxPos = 0;
            m_inboxReady = Clock::now();
            return true;
        }
        if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
            failDevice("read from the line failed");
        }
    }
}

std::optional<std::uint8_t> SerialLine::readByte(std::chrono::milliseconds timeout) {
    if (m_inboxPos >= m_inbox.size() && !fillInbox(timeout)) {
        return std::nullopt;
    }
    // Each byte becomes visible only when it would have finished arriving.
    const auto due = m_receivePacer.book(m_inboxReady, 1);
    if (m_receivePacer.paced()) {
        std::this_thread::sleep_until(due);
    }
    return m_inbox[m_inboxPos++];
}

void SerialLine::drainInput(std::chrono::milliseconds quiet) {
    m_inbox.clear();
    m_inboxPos = 0;
    while (fillInbox(quiet)) {
        m_inbox.clear();
        m_inboxPos = 0;
    }
}

void SerialLine::write(std::string_view text) {
    write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void SerialLine::write(std::span<const std::uint8_t> bytes) {
    if (m_written >= m_silenceAfter) {
        m_written += bytes.size();
        return;
    }
    const auto allowed =
        static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), m_silenceAfter - m_written));
    auto rest = bytes.first(allowed);
    // Paced output goes out in slices of about two milliseconds, each one
    // no earlier than the moment its last byte would have left the wire.
    // The whole block is booked at once, so that late wake-ups do not add
    // up from slice to slice.
    const auto start = m_sendPacer.book(Clock::now(), rest.size()) - m_sendPacer.wireTime(rest.size());
    const std::size_t slice = m_sendPacer.bytesPer(std::chrono::microseconds(2000));
    std::size_t sent = 0;
    while (!rest.empty()) {
        const auto part = rest.first(std::min(slice, rest.size()));
        sent += part.size();
        if (m_sendPacer.paced()) {
            std::this_thread::sleep_until(start + m_sendPacer.wireTime(sent));
        }
        writeNow(part);
        rest = rest.subspan(part.size());
    }
    m_written += bytes.size();
}

void SerialLine::waitWritable() {
    const auto deadline = Clock::now() + kWriteStall;
    for (;;) {
        if (m_stop.stop_requested()) {
            throw LineClosed("stopped");
        }
        if (Clock::now() > deadline) {
            throw LineClosed("nobody reads the line");
        }
        pollfd p{m_fd, POLLOUT, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(kStopPoll.count()));
        if (ready > 0) {
            return;
        }
        if (ready < 0 && errno != EINTR) {
            failDevice("poll of the line failed");
        }
    }
}

void SerialLine::writeNow(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        waitWritable();
        const ssize_t put = ::write(m_fd, bytes.data(), bytes.size());
        if (put > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(put));
        } else if (put < 0 && errno != EINTR && errno != EAGAIN) {
            failDevice("write to the line failed");
        }
    }
}

} // namespace cartsim
