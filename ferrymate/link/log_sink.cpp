#include "ferrymate/link/log_sink.h"

#include <utility>

namespace pf {
namespace {

LogSink& currentSink() {
    static LogSink sink;
    return sink;
}

} // namespace

void SetLogSink(LogSink sink) {
    currentSink() = std::move(sink);
}

void AppendLog(std::string_view text, LogColour colour) {
    if (const LogSink& sink = currentSink())
        sink(text, colour);
}

} // namespace pf
