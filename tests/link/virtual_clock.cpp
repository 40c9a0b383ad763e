#include "virtual_clock.h"

#include "pty_pair.h"

#include <poll.h>

#include <algorithm>

namespace pf::test {

VirtualClock::VirtualClock() : m_start(std::chrono::steady_clock::now()), m_now(m_start) {
    SetLinkClock(this);
}

VirtualClock::~VirtualClock() {
    SetLinkClock(nullptr);
}

LinkClock::Duration VirtualClock::elapsed() const {
    return std::chrono::duration_cast<Duration>(m_now - m_start);
}

void VirtualClock::schedule(Duration at, int fd, std::string bytes) {
    m_arrivals.push_back({m_start + at, fd, std::move(bytes)});
}

void VirtualClock::advance(Duration duration) {
    m_now += duration;
    // Deliver what is due, in order of arrival time.
    std::stable_sort(m_arrivals.begin(), m_arrivals.end(),
                     [](const Arrival& a, const Arrival& b) { return a.at < b.at; });
    while (!m_arrivals.empty() && m_arrivals.front().at <= m_now) {
        writeAll(m_arrivals.front().fd, m_arrivals.front().bytes);
        m_arrivals.erase(m_arrivals.begin());
        m_expectInput = true;
    }
}

short VirtualClock::waitReadable(int fd, Duration limit) {
    ++m_attempts;
    // Bytes just delivered take a moment to cross the pseudo-terminal: wait
    // for them in real time (returning as soon as they are there).
    pollfd entry{fd, POLLIN, 0};
    const int realWait = m_expectInput ? 2000 : 0;
    if (::poll(&entry, 1, realWait) > 0) {
        m_expectInput = false;
        return entry.revents;
    }
    m_expectInput = false;
    advance(limit);
    return 0;
}

} // namespace pf::test
