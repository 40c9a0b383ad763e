#pragma once

// TXModem2: basic XMODEM (128-byte blocks, 8-bit checksum, the receiver
// starting with NAK) over an open TCommPort, one PC file per call.
//
// Every byte wait goes through the port's ReadByte (pumping the message
// queue) and the link clock, so a progress dialog's Cancel works and tests can
// run the long timeouts in virtual time. The cancel flag is polled on the
// same thread; a Cancel turns into CAN CAN and XUserBreak.
//
// Errors: XUserBreak, XFileOpenError, XRetryOver, XCANReceived and
// CommXModemTimeout; CommAbortException from the port passes through. An
// error leaves the file closed; a partly received file is kept.

#include "ferrymate/link/xmodem_packet.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>

namespace pf {

class TCommPort;

class TXModem2 {
  public:
    using ProgressCallback = std::function<void(TXModem2&)>;

    // Limits: the sender's wait for each reply; the receiver's wait per NAK
    // and the number of such waits before it gives up; the sixth non-ACK
    // reply of a transfer ends a send; the fourth bad block in a row ends a
    // receive; the eleventh NAK at the end without EOT raises XRetryOver; the
    // sender gives up after EOT has been repeated ten times without ACK.
    static constexpr std::chrono::milliseconds kSendReplyLimit{60000};
    static constexpr std::chrono::milliseconds kRecvByteLimit{10000};
    static constexpr int kRecvSilences = 11;
    static constexpr int kSendErrorLimit = 5;
    static constexpr int kBadBlockLimit = 3;
    static constexpr int kEndNakLimit = 10;
    static constexpr int kEotRepeatLimit = 10;

    // Sends the PC file at `path`: waits up to 60 s for the receiver's NAK
    // (ignoring every other byte, a "C" included), sends the blocks, then EOT
    // until ACK. A reply to EOT other than ACK repeats EOT (the receiver may
    // have lost it), CAN raises XCANReceived, and the eleventh EOT without ACK
    // raises XRetryOver.
    void send(TCommPort& port, const std::filesystem::path& path);

    // Receives into the PC file at `path`, created or truncated once the
    // first block header arrives (no file is made when none comes). An EOT
    // in place of the first block is an empty file: it is acknowledged and
    // the file is left empty. Every
    // accepted block is written whole, so the file keeps the sender's filler.
    void recv(TCommPort& port, const std::filesystem::path& path);

    // Set by a Cancel button; cleared at the start of every transfer (and by
    // ExecuteCommand for DM.FileXModem).
    void RequestCancel() noexcept { m_cancel = true; }
    void ClearCancel() noexcept { m_cancel = false; }
    bool CancelRequested() const noexcept { return m_cancel; }

    // Blocks of the current transfer: the sender counts a block when it
    // builds it, the receiver when it accepts it.
    int BlockCount() const noexcept { return m_blockCount; }
    // Number of the next block to send or expected next.
    std::uint8_t BlockNumber() const noexcept { return m_blockNumber; }

    // Called after every acknowledged (sent) or accepted (received) block.
    void SetProgressCallback(ProgressCallback callback) { m_progress = std::move(callback); }

    // Building blocks of the transfers, usable on their own.
    void sendByte(std::uint8_t byte);
    // Waits up to `limit` for one byte: 0 and the byte in `out`, or -1.
    // Raises XUserBreak (after CAN CAN) when the cancel flag is set while the
    // line is quiet.
    int recvByte(std::uint8_t& out, std::chrono::milliseconds limit);
    // Waits for one byte, sending NAK after each 10 s of silence; the
    // eleventh silence raises CommXModemTimeout.
    void recvData(std::uint8_t& out);
    // Builds the next block from up to 128 bytes of `file`, then advances the
    // block number and the block count.
    void MakePacket(Packet& packet, std::istream& file);
    void SendPacket(const Packet& packet);
    // True when `packet` is the expected block, intact.
    bool IsValidPacket(const Packet& packet) const;

  private:
    void start(TCommPort& port);
    void breakTransfer();
    void checkCancel();
    std::uint8_t awaitReply();
    void awaitStartNak();
    void sendBlocks(std::istream& file, std::uintmax_t blocks);
    void sendEndOfTransfer();
    std::uint8_t awaitFirstHeader();
    std::uint8_t receiveBlocks(std::uint8_t header, std::ostream& file);
    void awaitEndOfTransfer(std::uint8_t header);
    void reportProgress();

    std::uint8_t m_blockNumber = 1;
    TCommPort* m_port = nullptr;
    bool m_cancel = false;
    int m_blockCount = 0;
    ProgressCallback m_progress;
};

} // namespace pf
