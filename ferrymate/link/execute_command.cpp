#include "ferrymate/link/execute_command.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/command_line.h"
#include "ferrymate/link/data_module.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/log_sink.h"
#include "ferrymate/link/message_pump.h"
#include "ferrymate/link/reply_codes.h"
#include "ferrymate/link/starting_process.h"

#include <exception>

namespace pf {
namespace {

void logRefused(std::string_view line) {
    AppendLog("(CANCELED)", clLogMarker);
    AppendLog("(ABORTED)", clLogMarker);
    AppendLog(line, clLogReply);
}

// Reads the reply up to its final line, logging and listing the others and
// running the transfer callback on every line that announces a transfer.
std::string readReply(TCommPort& port, ReplyList* replies, StartingProcess* starting) {
    std::string line;
    for (;;) {
        ReadReplyLine(port, line);
        if (IsFinalReply(line))
            return line;
        PumpMessages();
        AppendLog(line, clLogReply);
        if (replies)
            replies->push_back(line);
        if (starting && IsTransferReply(line))
            starting->Execute();
    }
}

// After a failed transfer: the rest of the reply, neither logged nor listed.
std::string drainReply(TCommPort& port) {
    std::string line;
    do {
        ReadReplyLine(port, line);
    } while (!IsFinalReply(line));
    return line;
}

void finishReply(const std::string& line) {
    if (line == kReplyNotImplemented)
        throw CmdNotImplementedException();
    if (line == kReplyLocalError)
        throw CmdLocalErrorException();
    if (line == kReplyNotAvailable) {
        logRefused(line);
        throw CmdNotAvailableException();
    }
    if (line == kReplyFsFull) {
        logRefused(line);
        throw CmdFileSystemException();
    }
    AppendLog(line, clLogReply);
}

} // namespace

void ExecuteCommand(TCommPort& port, std::string_view command, ReplyList* replies,
                    StartingProcess* starting) {
    DM.FileXModem.ClearCancel();
    port.Purge();
    SendCommandLine(port, command);
    AppendLog(command, clLogCommand);

    std::string finalLine;
    try {
        finalLine = readReply(port, replies, starting);
    } catch (const CommXModemException&) {
        const std::exception_ptr transferError = std::current_exception();
        finalLine = drainReply(port);
        if (finalLine == kReplyTransferAborted) {
            if (replies)
                replies->push_back(finalLine);
            logRefused(finalLine);
            std::rethrow_exception(transferError);
        }
    }
    if (replies)
        replies->push_back(finalLine);
    finishReply(finalLine);
}

} // namespace pf
