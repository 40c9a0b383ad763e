#include "ferrymate/link/link_clock.h"

#include <poll.h>

#include <cerrno>
#include <thread>

namespace pf {

LinkClock::TimePoint SteadyLinkClock::now() {
    return std::chrono::steady_clock::now();
}

void SteadyLinkClock::sleepFor(Duration duration) {
    std::this_thread::sleep_for(duration);
}

short SteadyLinkClock::waitReadable(int fd, Duration limit) {
    pollfd entry{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&entry, 1, static_cast<int>(limit.count()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0 ? entry.revents : 0;
}

namespace {

SteadyLinkClock& steadyClock() {
    static SteadyLinkClock clock;
    return clock;
}

LinkClock*& installedClock() {
    static LinkClock* clock = nullptr;
    return clock;
}

} // namespace

LinkClock& CurrentLinkClock() {
    LinkClock* clock = installedClock();
    return clock ? *clock : steadyClock();
}

void SetLinkClock(LinkClock* clock) {
    installedClock() = clock;
}

} // namespace pf
