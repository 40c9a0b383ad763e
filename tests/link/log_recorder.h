#pragma once

// Records the protocol log while it lives, and makes the message pump run a
// test's function (Cancel presses at exact moments).

#include "ferrymate/link/log_sink.h"
#include "ferrymate/link/message_pump.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace pf::test {

struct LogLine {
    std::string text;
    LogColour colour;
    friend bool operator==(const LogLine&, const LogLine&) = default;
};

class LogRecorder {
  public:
    LogRecorder() {
        SetLogSink([this](std::string_view text, LogColour colour) {
            lines.push_back({std::string(text), colour});
        });
    }
    ~LogRecorder() { SetLogSink({}); }
    std::vector<LogLine> lines;
};

class PumpScript {
  public:
    explicit PumpScript(MessagePump pump) { SetMessagePump(std::move(pump)); }
    ~PumpScript() { SetMessagePump({}); }
};

inline void PrintTo(const LogLine& line, std::ostream* out) {
    *out << "\"" << line.text << "\" rgb(" << int(line.colour.red) << "," << int(line.colour.green) << ","
         << int(line.colour.blue) << ")";
}

inline LogLine red(std::string text) {
    return {std::move(text), clLogCommand};
}
inline LogLine blue(std::string text) {
    return {std::move(text), clLogReply};
}
inline LogLine black(std::string text) {
    return {std::move(text), clLogMarker};
}

} // namespace pf::test
