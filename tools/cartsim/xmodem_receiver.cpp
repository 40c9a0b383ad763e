#include "tools/cartsim/xmodem_receiver.h"

namespace cartsim {

XmodemReceiver::XmodemReceiver(SerialLine& line, const XmodemTiming& timing, const XmodemFaults& faults,
                               std::size_t limit)
    : m_line(line), m_timing(timing), m_faults(faults), m_limit(limit) {}

TransferEnd XmodemReceiver::cancel() {
    m_line.write(std::string_view("\x18\x18"));
    m_line.drainInput(m_timing.byteTimeout);
    return TransferEnd::Aborted;
}

bool XmodemReceiver::start(std::uint8_t& header) {
    for (unsigned tries = 0; tries < m_timing.startTries; ++tries) {
        m_line.write(std::string_view("\x15"));
        const auto byte = m_line.readByte(m_timing.startInterval);
        if (byte && (*byte == kSoh || *byte == kEot || *byte == kCan)) {
            header = *byte;
            return true;
        }
    }
    return false;
}

bool XmodemReceiver::readBlockBytes(std::uint8_t (&packet)[kXmodemPacket]) {
    packet[0] = kSoh;
    for (std::size_t i = 1; i < kXmodemPacket; ++i) {
        const auto byte = m_line.readByte(m_timing.byteTimeout);
        if (!byte) {
            return false;
        }
        packet[i] = *byte;
    }
    return true;
}

// A good block that the "NAK block k n times" fault turns away.
bool XmodemReceiver::faultNaks() {
    if (!m_faults.nak || m_faults.nak->block != m_index || m_naksGiven >= m_faults.nak->times) {
        return false;
    }
    ++m_naksGiven;
    return true;
}

XmodemReceiver::Block XmodemReceiver::takeBlock(std::vector<std::uint8_t>& out) {
    std::uint8_t packet[kXmodemPacket];
    if (!readBlockBytes(packet)) {
        m_line.drainInput(m_timing.byteTimeout);
        return Block::Bad;
    }
    const std::span<const std::uint8_t> data(packet + 3, kXmodemData);
    if (packet[1] != static_cast<std::uint8_t>(~packet[2]) ||
        packet[kXmodemPacket - 1] != blockChecksum(data)) {
        return Block::Bad;
    }
    const auto number = static_cast<std::uint8_t>(m_index);
    if (packet[1] == static_cast<std::uint8_t>(number - 1) && m_index > 1) {
        return Block::Repeated; // our ACK was lost; the sender tries again
    }
    if (packet[1] != number) {
        return Block::Cancelled; // blocks were lost: the file cannot be trusted
    }
    if (m_faults.closeAt == m_index) {
        throw LineCut("line closed at block " + std::to_string(m_index));
    }
    if (m_faults.cancelAt == m_index || out.size() + kXmodemData > m_limit) {
        return Block::Cancelled;
    }
    if (faultNaks()) {
        return Block::Bad;
    }
    out.insert(out.end(), data.begin(), data.end());
    ++m_index;
    return Block::Accepted;
}

TransferEnd XmodemReceiver::receive(std::vector<std::uint8_t>& out) {
    out.clear();
    m_index = 1;
    m_naksGiven = 0;
    std::uint8_t header = 0;
    if (!start(header)) {
        return cancel();
    }
    unsigned errors = 0;
    for (;;) {
        if (header == kEot) {
            m_line.write(std::string_view("\x06"));
            return TransferEnd::Done;
        }
        if (header == kCan) {
            m_line.drainInput(m_timing.byteTimeout);
            return TransferEnd::Aborted;
        }
        bool good = false;
        if (header == kSoh) {
            const Block block = takeBlock(out);
            if (block == Block::Cancelled) {
                return cancel();
            }
            good = block != Block::Bad;
        } else {
            m_line.drainInput(m_timing.byteTimeout); // noise where a header belongs
        }
        errors = good ? 0 : errors + 1;
        if (errors > m_timing.retries) {
            return cancel();
        }
        m_line.write(std::string_view(good ? "\x06" : "\x15"));
        std::optional<std::uint8_t> next;
        while (!(next = m_line.readByte(m_timing.replyTimeout))) {
            if (++errors > m_timing.retries) {
                return cancel();
            }
            m_line.write(std::string_view("\x15"));
        }
        header = *next;
    }
}

} // namespace cartsim
