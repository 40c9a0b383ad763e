#pragma once
// The cartridge's end of the serial line: byte reads with a time limit,
// block writes, optional pacing at the line's baud rate in both directions,
// and the "fall silent after byte n" fault.

#include "tools/cartsim/line_pacer.h"

#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <stop_token>
#include <string_view>
#include <vector>

namespace cartsim {

// The line cannot be used any more: a stop was requested, the device failed,
// or the simulator closed it on purpose.
class LineClosed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The simulator closed the line on purpose (the "close the line in the
// middle of a transfer" fault).
class LineCut : public LineClosed {
  public:
    using LineClosed::LineClosed;
};

class SerialLine {
  public:
    // `fd` stays owned by the caller. `baud` 0 leaves the line unpaced.
    SerialLine(int fd, unsigned baud, std::stop_token stop);

    // One byte, or nullopt when none came within `timeout`.
    // Throws LineClosed when a stop is requested or the device fails.
    std::optional<std::uint8_t> readByte(std::chrono::milliseconds timeout);

    // Writes every byte (paced when a baud rate is set). Bytes past the
    // silence limit are dropped. Throws LineClosed as readByte does.
    void write(std::span<const std::uint8_t> bytes);
    void write(std::string_view text);

    // Throws away input until the line has been quiet for `quiet`.
    void drainInput(std::chrono::milliseconds quiet);

    // After `count` bytes written in all, the cartridge sends nothing more.
    void silenceAfter(std::uint64_t count) { m_silenceAfter = count; }

    std::uint64_t bytesWritten() const { return m_written; }
    bool paced() const { return m_sendPacer.paced(); }
    bool stopRequested() const { return m_stop.stop_requested(); }

  private:
    bool fillInbox(std::chrono::milliseconds timeout);
    void writeNow(std::span<const std::uint8_t> bytes);
    void waitWritable();

    int m_fd = -1;
    std::stop_token m_stop;
    LinePacer m_sendPacer;
    LinePacer m_receivePacer;
    std::vector<std::uint8_t> m_inbox;
    std::size_t m_inboxPos = 0;
    Clock::time_point m_inboxReady{};
    std::uint64_t m_written = 0;
    std::uint64_t m_silenceAfter = std::numeric_limits<std::uint64_t>::max();
};

} // namespace cartsim
