#include "tools/cartsim/xmodem_sender.h"

#include <algorithm>
#include <thread>

namespace cartsim {

XmodemSender::XmodemSender(SerialLine& line, const XmodemTiming& timing, const XmodemFaults& faults)
    : m_line(line), m_timing(timing), m_faults(faults) {}

TransferEnd XmodemSender::cancel() {
    m_line.write(std::string_view("\x18\x18"));
    m_line.drainInput(m_timing.byteTimeout);
    return TransferEnd::Aborted;
}

bool XmodemSender::awaitStart() {
    const auto deadline = Clock::now() + m_timing.senderStart;
    while (Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const auto byte = m_line.readByte(std::max(left, std::chrono::milliseconds(1)));
        if (byte == kNak) {
            return true;
        }
        if (byte == kCan) {
            return false;
        }
        // Anything else, a CRC request "C" included, waits for a plain NAK.
    }
    return false;
}

XmodemSender::Reply XmodemSender::awaitReply() {
    const auto deadline = Clock::now() + m_timing.replyTimeout;
    while (Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const auto byte = m_line.readByte(std::max(left, std::chrono::milliseconds(1)));
        if (!byte) {
            break;
        }
        switch (*byte) {
        case kAck:
            return Reply::Ack;
        case kNak:
            return Reply::Nak;
        case kCan:
            return Reply::Cancel;
        default:
            break; // noise between replies
        }
    }
    return Reply::Silence;
}

bool XmodemSender::sendBlock(unsigned index, std::span<const std::uint8_t> data) {
    std::uint8_t packet[kXmodemPacket];
    packet[0] = kSoh;
    packet[1] = static_cast<std::uint8_t>(index);
    packet[2] = static_cast<std::uint8_t>(~packet[1]);
    std::fill(packet + 3, packet + 3 + kXmodemData, kFiller);
    std::copy(data.begin(), data.end(), packet + 3);
    packet[kXmodemPacket - 1] = blockChecksum(std::span<const std::uint8_t>(packet + 3, kXmodemData));
    for (unsigned tries = 0; tries <= m_timing.retries; ++tries) {
        if (m_faults.closeAt == index) {
            throw LineCut("line closed at block " + std::to_string(index));
        }
        if (m_faults.cancelAt == index) {
            return false;
        }
        std::uint8_t wire[kXmodemPacket];
        std::copy(packet, packet + kXmodemPacket, wire);
        if (m_faults.corrupt && m_faults.corrupt->block == index &&
            m_corruptionsDone < m_faults.corrupt->times) {
            ++m_corruptionsDone;
            wire[3 + kXmodemData / 2] ^= 0x5A; // the checksum stays that of the good data
        }
        if (!m_line.paced()) {
            std::this_thread::sleep_for(m_timing.turnaround);
        }
        if (const auto answer = exchange(wire)) {
            return *answer;
        }
    }
    return false;
}

std::optional<bool> XmodemSender::exchange(std::span<const std::uint8_t> bytes) {
    m_line.write(bytes);
    switch (awaitReply()) {
    case Reply::Ack:
        return true;
    case Reply::Cancel:
        return false;
    default:
        return std::nullopt;
    }
}

bool XmodemSender::finish() {
    static constexpr std::uint8_t eot[] = {kEot};
    for (unsigned tries = 0; tries <= m_timing.retries; ++tries) {
        std::this_thread::sleep_for(m_timing.turnaround);
        if (const auto answer = exchange(eot)) {
            return *answer;
        }
    }
    return false;
}

TransferEnd XmodemSender::send(std::span<const std::uint8_t> data) {
    m_corruptionsDone = 0;
    if (!awaitStart()) {
        return cancel();
    }
    unsigned index = 1;
    for (std::size_t at = 0; at < data.size(); at += kXmodemData, ++index) {
        if (!sendBlock(index, data.subspan(at, std::min(kXmodemData, data.size() - at)))) {
            return cancel();
        }
    }
    return finish() ? TransferEnd::Done : cancel();
}

} // namespace cartsim
