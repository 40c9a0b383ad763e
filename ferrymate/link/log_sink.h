#pragma once

// The protocol log seam. AppendLog writes one line to the installed sink:
// the window installs its protocol log view, a test its recorder. Lines are
// the cartridge's bytes (CP932) as they were sent or read, without a line end.

#include <cstdint>
#include <functional>
#include <string_view>

namespace pf {

struct LogColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const LogColour&, const LogColour&) = default;
};

// Command lines.
inline constexpr LogColour clLogCommand{255, 0, 0};
// Reply lines.
inline constexpr LogColour clLogReply{0, 0, 255};
// Markers such as "(ABORTED)".
inline constexpr LogColour clLogMarker{0, 0, 0};

using LogSink = std::function<void(std::string_view line, LogColour colour)>;

// Points the log at `sink`; an empty function discards the lines.
void SetLogSink(LogSink sink);

// Appends one line in `colour` to the current log target.
void AppendLog(std::string_view text, LogColour colour);

} // namespace pf
