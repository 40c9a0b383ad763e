#pragma once

// What a TCommPort is opened with.

#include <cstdint>
#include <string>

namespace pf {

struct CommPortSettings {
    // Bits per second; the settings dialog offers 38400 and 9600.
    std::uint32_t baudRate = 38400;
    // "COM1" to "COM5" (resolved through the port-name mapping) or a device
    // path such as "/dev/ttyUSB0" or a pseudo-terminal's slave.
    std::string portName = "COM1";
};

} // namespace pf
