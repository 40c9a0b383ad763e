#pragma once

// The clock of the link. Every timeout (the 10 s of a reply line, the 60 s
// and 110 s of XMODEM) and every wait (the port's ~20 ms read attempt, the
// engine's 10 ms pause) goes through the installed LinkClock, so that a test
// can run those timeouts in virtual time instead of waiting for them.

#include <chrono>

namespace pf {

class LinkClock {
  public:
    using Duration = std::chrono::milliseconds;
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~LinkClock() = default;

    virtual TimePoint now() = 0;

    // Pauses for `duration`.
    virtual void sleepFor(Duration duration) = 0;

    // Waits until `fd` is readable, has failed or hung up, or `limit` has
    // passed. Returns the poll(2) revents (0 when the time ran out).
    virtual short waitReadable(int fd, Duration limit) = 0;
};

// The real clock: std::chrono::steady_clock, sleep_for and poll(2).
class SteadyLinkClock final : public LinkClock {
  public:
    TimePoint now() override;
    void sleepFor(Duration duration) override;
    short waitReadable(int fd, Duration limit) override;
};

// The clock in use; the real one unless a test installed another.
LinkClock& CurrentLinkClock();

// Installs `clock` (not owned; it must outlive its use); null restores the
// real clock.
void SetLinkClock(LinkClock* clock);

} // namespace pf
