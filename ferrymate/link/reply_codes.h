#pragma once

// The reply lines of the cartridge's shell that the channel acts on. A line
// is one of them only when it equals the text exactly, with case.

#include <string_view>

namespace pf {

inline constexpr std::string_view kReplyOk = "200 OK";
inline constexpr std::string_view kReplyStarting = "125 STARTING";
inline constexpr std::string_view kReplyFurtherInfo = "350 FURTHER INFO";
inline constexpr std::string_view kReplyNotImplemented = "504 NOT IMPLEMENTED";
inline constexpr std::string_view kReplyNotAvailable = "450 NOT AVAILABLE";
inline constexpr std::string_view kReplyLocalError = "451 LOCAL ERR";
inline constexpr std::string_view kReplyFsFull = "452 FS FULL";
inline constexpr std::string_view kReplySyntaxError = "501 SYNTAX ERR";
inline constexpr std::string_view kReplyTransferAborted = "426 TRANSFER ABORTED";

// True for the seven lines that end a reply.
bool IsFinalReply(std::string_view line);

// True for "125 STARTING" and "350 FURTHER INFO", which start a transfer.
bool IsTransferReply(std::string_view line);

} // namespace pf
