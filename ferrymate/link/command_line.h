#pragma once

// The line discipline of the cartridge's shell: a command is one line ended
// by CR; a reply line ends at LF. These work on an open TCommPort.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace pf {

class TCommPort;

// The longest command line, without its CR, that fits the 512-byte buffer.
inline constexpr std::size_t kCommandLineMax = 510;
// The longest reply line kept; the rest of a longer line, up to its LF, is
// read and dropped (the line is cut, not split).
inline constexpr std::size_t kReplyLineMax = 511;
// Silence that ends a reply line with CommTimeoutException.
inline constexpr std::chrono::milliseconds kReplySilenceLimit{10000};

// Writes `text` followed by one CR with a single write; returns the count
// written. Raises CmdArgumentException, writing nothing, when `text` is longer
// than kCommandLineMax bytes.
int SendCommandLine(TCommPort& port, std::string_view text);

// Reads one reply line into `line` (replacing its contents). The line ends at
// LF; a CR ends the kept text (the rest up to LF is cut off); NUL and CAN
// bytes are dropped; at most kReplyLineMax bytes are kept. Raises
// CommTimeoutException after 10 s without a byte other than NUL, and
// CommAbortException when the port's abort flag is set; the partial line is
// then dropped.
void ReadReplyLine(TCommPort& port, std::string& line);

// Removes every CR, LF and CAN byte from `line`.
void StripLine(std::string& line);

} // namespace pf
