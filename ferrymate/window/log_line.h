#pragma once
// One line of the protocol log: the cartridge's bytes (CP932) and a colour.

#include "ferrymate/link/log_sink.h"

#include <string>
#include <vector>

namespace pf {

struct LogLine {
    std::string bytes;
    LogColour colour;
};

using LogLines = std::vector<LogLine>;

// Plain text: the bytes of each line followed by CR LF.
std::string logAsPlainText(const LogLines& lines);

// An RTF document (code page 932) with a colour table of the colours used,
// each line in its colour, in the fixed-pitch Gothic font.
std::string logAsRtf(const LogLines& lines);

// `name` with the extension of its last path component (from its last ".")
// replaced by `extension` (".txt"); a name without one gets it appended, an
// empty name stays empty.
std::string swapExtension(const std::string& name, const std::string& extension);

} // namespace pf
