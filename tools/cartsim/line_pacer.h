#pragma once
// Paces one direction of a serial line at 10 bits per byte (start bit, eight
// data bits, stop bit), so that bytes never move faster than on a real wire.

#include <chrono>
#include <cstddef>

namespace cartsim {

using Clock = std::chrono::steady_clock;

class LinePacer {
  public:
    // A baud rate of 0 means an unpaced line: every byte is due at once.
    explicit LinePacer(unsigned baud = 0) : m_baud(baud) {}

    bool paced() const { return m_baud != 0; }

    // Books `count` bytes that are ready at `ready` and returns the moment
    // the last of them has left the wire. The line is busy until then.
    Clock::time_point book(Clock::time_point ready, std::size_t count);

    // How long `count` bytes take on the wire (zero when unpaced).
    Clock::duration wireTime(std::size_t count) const;

    // Bytes the line carries in about `span` of time, at least one.
    std::size_t bytesPer(std::chrono::microseconds span) const;

  private:
    unsigned m_baud = 0;
    Clock::time_point m_free{};
};

} // namespace cartsim
