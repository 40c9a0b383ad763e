#pragma once
// The cartridge sending a file by XMODEM ("get", "Send System").

#include "tools/cartsim/serial_line.h"
#include "tools/cartsim/xmodem_bytes.h"

#include <cstdint>
#include <optional>
#include <span>

namespace cartsim {

class XmodemSender {
  public:
    XmodemSender(SerialLine& line, const XmodemTiming& timing, const XmodemFaults& faults);

    // Sends `data`, the last block filled up with 0x1A. Aborted when the
    // receiver cancels or never starts, or the retries run out, or a fault
    // cancels it. Throws LineClosed when the line is gone.
    TransferEnd send(std::span<const std::uint8_t> data);

  private:
    enum class Reply { Ack, Nak, Cancel, Silence };

    bool awaitStart();
    bool sendBlock(unsigned index, std::span<const std::uint8_t> data);
    bool finish();
    Reply awaitReply();
    // Sends `bytes` and reads the reply: true for ACK, false for CAN,
    // nullopt when they should be sent again.
    std::optional<bool> exchange(std::span<const std::uint8_t> bytes);
    TransferEnd cancel();

    SerialLine& m_line;
    XmodemTiming m_timing;
    XmodemFaults m_faults;
    unsigned m_corruptionsDone = 0;
};

} // namespace cartsim
