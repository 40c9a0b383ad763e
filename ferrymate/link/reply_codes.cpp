#include "ferrymate/link/reply_codes.h"

#include <algorithm>
#include <array>

namespace pf {

bool IsFinalReply(std::string_view line) {
    static constexpr std::array kFinal{
        kReplyOk,     kReplyNotImplemented, kReplyNotAvailable,   kReplyLocalError,
        kReplyFsFull, kReplySyntaxError,    kReplyTransferAborted};
    return std::find(kFinal.begin(), kFinal.end(), line) != kFinal.end();
}

bool IsTransferReply(std::string_view line) {
    return line == kReplyStarting || line == kReplyFurtherInfo;
}

} // namespace pf
