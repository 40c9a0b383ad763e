#pragma once

// TCommPort: the one open serial line to the cartridge, on a POSIX terminal
// device (a USB serial adapter, a built-in port or a pseudo-terminal).
//
// Opening takes the device for exclusive use (an advisory lock plus the
// terminal's exclusive mode), puts it in raw 8N1 without flow control, raises
// DTR and RTS where the device has modem lines, and purges it; closing
// restores the settings the device had, purges and releases it. Reads wait at
// most about 20 ms per attempt and pump the window's message queue, so a
// Cancel button stays live; the abort flag turns the next read into
// CommAbortException.

#include "ferrymate/link/comm_idle.h"
#include "ferrymate/link/comm_port_settings.h"

#include <termios.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {

class TCommPort {
  public:
    // Opens and configures the device named by `settings.portName` (see
    // ResolvePortName). Raises CommOpenException carrying the device path and
    // the system's reason when the device cannot be opened, is not a
    // terminal, is in use by another program or port object, or refuses the
    // line settings (an unsupported baud rate included).
    explicit TCommPort(const CommPortSettings& settings);
    // Restores the device's settings, purges and closes it.
    ~TCommPort();

    TCommPort(const TCommPort&) = delete;
    TCommPort& operator=(const TCommPort&) = delete;

    const CommPortSettings& Settings() const noexcept { return m_settings; }
    // The device path actually opened.
    const std::string& DevicePath() const noexcept { return m_devicePath; }

    // Discards everything unread and unsent.
    void Purge();

    // True when a byte is waiting; may wait up to about 20 ms for one.
    bool HasByte();

    // Pumps the message queue, honours the abort flag (clears it and raises
    // CommAbortException), calls the idle hook, then returns the next byte
    // (0..255) or -1 when none arrived within about 20 ms. A device that has
    // failed or hung up reads as "no byte" after the same wait, so callers
    // end in their timeout instead of spinning.
    int ReadByte();

    // Writes `length` bytes; returns how many the device took (a failure or a
    // write that stays blocked past 10 + 10 * length ms ends it short).
    int WriteBytes(const void* block, std::size_t length);

    // Makes the next ReadByte raise CommAbortException.
    void RequestAbort() noexcept { m_abortRequested = true; }

    // Installs the idle hook (not owned); null removes it.
    void SetIdle(CommIdle* idle) noexcept { m_idle = idle; }

  private:
    void openDevice();
    void lockDevice();
    void applyLineSettings();
    void closeDevice() noexcept;
    [[noreturn]] void failOpen(const std::string& what, int error);
    bool fillRing();
    void emptyRing() noexcept;

    static constexpr std::size_t kRingSize = 4096;

    std::array<std::uint8_t, kRingSize> m_ring{};
    std::size_t m_readPos = 0;
    std::size_t m_held = 0;
    CommPortSettings m_settings;
    std::string m_devicePath;
    int m_fd = -1;
    bool m_locked = false;
    bool m_exclusive = false;
    bool m_haveSaved = false;
    termios m_saved{};
    bool m_abortRequested = false;
    CommIdle* m_idle = nullptr;
};

} // namespace pf
