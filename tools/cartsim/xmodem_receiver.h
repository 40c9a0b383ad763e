#pragma once
// The cartridge receiving a file by XMODEM ("put", "Recv System").

#include "tools/cartsim/serial_line.h"
#include "tools/cartsim/xmodem_bytes.h"

#include <cstdint>
#include <vector>

namespace cartsim {

class XmodemReceiver {
  public:
    // At most `limit` bytes are taken; a longer file is cancelled.
    XmodemReceiver(SerialLine& line, const XmodemTiming& timing, const XmodemFaults& faults,
                   std::size_t limit);

    // Receives into `out` (every accepted block whole, filler included).
    // Aborted when the sender cancels, the retries run out, the file is too
    // long or a fault cancels it; the sender has then been sent CAN CAN
    // where the cartridge gave up. Throws LineClosed when the line is gone.
    TransferEnd receive(std::vector<std::uint8_t>& out);

  private:
    enum class Block { Accepted, Repeated, Bad, Cancelled };

    bool start(std::uint8_t& header);
    Block takeBlock(std::vector<std::uint8_t>& out);
    bool readBlockBytes(std::uint8_t (&packet)[kXmodemPacket]);
    bool faultNaks();
    TransferEnd cancel();

    SerialLine& m_line;
    XmodemTiming m_timing;
    XmodemFaults m_faults;
    std::size_t m_limit = 0;
    unsigned m_index = 1; // transfer-wide number of the expected block
    unsigned m_naksGiven = 0;
};

} // namespace cartsim
