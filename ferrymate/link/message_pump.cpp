#include "ferrymate/link/message_pump.h"

#include <utility>

namespace pf {
namespace {

MessagePump& currentPump() {
    static MessagePump pump;
    return pump;
}

} // namespace

void SetMessagePump(MessagePump pump) {
    currentPump() = std::move(pump);
}

void PumpMessages() {
    if (const MessagePump& pump = currentPump())
        pump();
}

} // namespace pf
