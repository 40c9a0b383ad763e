#pragma once

// A link clock for tests of the long timeouts: time moves only when the link
// waits, by exactly the wait asked for, so 110 s of XMODEM silence take a
// moment. Bytes can be scheduled to arrive from the peer at given virtual
// times.

#include "ferrymate/link/link_clock.h"

#include <string>
#include <vector>

namespace pf::test {

class VirtualClock final : public LinkClock {
  public:
    // Installs itself as the link clock until destroyed.
    VirtualClock();
    ~VirtualClock() override;

    TimePoint now() override { return m_now; }
    void sleepFor(Duration duration) override { advance(duration); }
    short waitReadable(int fd, Duration limit) override;

    // Virtual time since construction.
    Duration elapsed() const;
    // Number of waitReadable calls (read attempts of the port).
    int readAttempts() const { return m_attempts; }

    // Writes `bytes` to `fd` (the peer's end) when virtual time reaches `at`.
    void schedule(Duration at, int fd, std::string bytes);

  private:
    struct Arrival {
        TimePoint at;
        int fd;
        std::string bytes;
    };
    void advance(Duration duration);

    TimePoint m_start;
    TimePoint m_now;
    int m_attempts = 0;
    bool m_expectInput = false;
    std::vector<Arrival> m_arrivals;
};

} // namespace pf::test
