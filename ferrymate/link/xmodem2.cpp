#include "ferrymate/link/xmodem2.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/link_clock.h"
#include "ferrymate/link/message_pump.h"

#include <fstream>
#include <system_error>

namespace pf {
namespace {

// The pause after every empty read attempt.
constexpr std::chrono::milliseconds kQuietPause{10};

std::uintmax_t blocksOf(std::uintmax_t size) {
    return (size + kXModemDataSize - 1) / kXModemDataSize;
}

} // namespace

// --- Building blocks ----------------------------------------------------------

void TXModem2::sendByte(std::uint8_t byte) {
    m_port->WriteBytes(&byte, 1);
}

int TXModem2::recvByte(std::uint8_t& out, std::chrono::milliseconds limit) {
    LinkClock& clock = CurrentLinkClock();
    const LinkClock::TimePoint started = clock.now();
    for (;;) {
        const int value = m_port->ReadByte();
        if (value >= 0) {
            out = static_cast<std::uint8_t>(value);
            return 0;
        }
        clock.sleepFor(kQuietPause);
        checkCancel();
        if (clock.now() - started > limit)
            return -1;
    }
}

void TXModem2::recvData(std::uint8_t& out) {
    for (int silences = 1;; ++silences) {
        if (recvByte(out, kRecvByteLimit) == 0)
            return;
        if (silences >= kRecvSilences)
            throw CommXModemTimeout();
        sendByte(kNAK);
    }
}

void TXModem2::MakePacket(Packet& packet, std::istream& file) {
    std::array<char, kXModemDataSize> content{};
    file.read(content.data(), content.size());
    const auto count = static_cast<std::size_t>(file.gcount());
    packet =
        BuildPacket(m_blockNumber, std::span(reinterpret_cast<const std::uint8_t*>(content.data()), count));
    ++m_blockNumber;
    ++m_blockCount;
}

// One write per block: the bytes on the wire are the same as byte by byte.
void TXModem2::SendPacket(const Packet& packet) {
    m_port->WriteBytes(packet.bytes.data(), packet.bytes.size());
}

bool TXModem2::IsValidPacket(const Packet& packet) const {
    return PacketIsValid(packet, m_blockNumber);
}

void TXModem2::start(TCommPort& port) {
    m_cancel = false;
    m_port = &port;
    m_blockCount = 0;
}

void TXModem2::breakTransfer() {
    sendByte(kCAN);
    sendByte(kCAN);
    throw XUserBreak();
}

void TXModem2::checkCancel() {
    if (m_cancel)
        breakTransfer();
}

void TXModem2::reportProgress() {
    if (m_progress)
        m_progress(*this);
}

// --- Sending --------------------------------------------------------------------

std::uint8_t TXModem2::awaitReply() {
    std::uint8_t reply = 0;
    if (recvByte(reply, kSendReplyLimit) < 0)
        throw CommXModemTimeout();
    if (reply == kCAN)
        throw XCANReceived();
    return reply;
}

void TXModem2::awaitStartNak() {
    for (;;) {
        checkCancel();
        if (awaitReply() == kNAK)
            return;
    }
}

void TXModem2::sendBlocks(std::istream& file, std::uintmax_t blocks) {
    m_blockNumber = 1;
    int errors = 0;
    for (std::uintmax_t block = 0; block < blocks; ++block) {
        PumpMessages();
        Packet packet;
        MakePacket(packet, file);
        for (;;) {
            checkCancel();
            SendPacket(packet);
            if (awaitReply() == kACK)
                break;
            if (++errors > kSendErrorLimit)
                throw CommXModemTimeout();
        }
        reportProgress();
    }
}

void TXModem2::sendEndOfTransfer() {
    sendByte(kEOT);
    for (int repeats = 0;; ++repeats) {
        checkCancel();
        if (awaitReply() == kACK)
            return;
        if (repeats >= kEotRepeatLimit)
            throw XRetryOver();
        sendByte(kEOT);
    }
}

void TXModem2::send(TCommPort& port, const std::filesystem::path& path) {
    start(port);
    std::error_code error;
    const bool isFolder = std::filesystem::is_directory(path, error);
    std::ifstream file;
    if (!isFolder)
        file.open(path, std::ios::binary);
    const std::uintmax_t size = file ? std::filesystem::file_size(path, error) : 0;
    if (!file || error) {
        sendByte(kCAN);
        sendByte(kCAN);
        throw XFileOpenError();
    }
    awaitStartNak();
    sendBlocks(file, blocksOf(size));
    sendEndOfTransfer();
}

// --- Receiving ------------------------------------------------------------------

std::uint8_t TXModem2::awaitFirstHeader() {
    for (;;) {
        sendByte(kNAK);
        m_blockNumber = 1;
        std::uint8_t header = 0;
        recvData(header);
        if (m_cancel || header == kCAN)
            breakTransfer();
        // EOT before any block: the sender's file is empty.
        if (header == kSOH || header == kEOT)
            return header;
    }
}

std::uint8_t TXModem2::receiveBlocks(std::uint8_t header, std::ostream& file) {
    int errors = 0;
    while (header == kSOH) {
        Packet packet;
        packet.bytes[0] = header;
        for (std::size_t at = 1; at < packet.bytes.size(); ++at)
            recvData(packet.bytes[at]);
        if (IsValidPacket(packet)) {
            checkCancel();
            sendByte(kACK);
            errors = 0;
            ++m_blockNumber;
            ++m_blockCount;
            reportProgress();
            const auto data = packet.data();
            file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
            if (!file) {
                // Acknowledged but not stored: stop the sender rather than
                // report a transfer that lost data.
                sendByte(kCAN);
                sendByte(kCAN);
                throw XFileOpenError();
            }
        } else {
            if (++errors > kBadBlockLimit) {
                sendByte(kCAN);
                sendByte(kCAN);
                return header;
            }
            sendByte(kNAK);
        }
        recvData(header);
        if (header == kCAN)
            throw XCANReceived();
    }
    return header;
}

void TXModem2::awaitEndOfTransfer(std::uint8_t header) {
    for (int errors = 0; header != kEOT; ++errors) {
        sendByte(kNAK);
        if (errors >= kEndNakLimit)
            throw XRetryOver();
        recvData(header);
        if (m_cancel || header == kCAN)
            breakTransfer();
    }
}

void TXModem2::recv(TCommPort& port, const std::filesystem::path& path) {
    start(port);
    const std::uint8_t first = awaitFirstHeader();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw XFileOpenError();
    const std::uint8_t last = first == kEOT ? first : receiveBlocks(first, file);
    awaitEndOfTransfer(last);
    file.flush();
    if (!file) {
        sendByte(kCAN);
        sendByte(kCAN);
        throw XFileOpenError();
    }
    sendByte(kACK);
}

} // namespace pf
