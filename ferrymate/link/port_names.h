#pragma once

// The mapping of the port names "COM1" to "COM5" onto device paths. The
// defaults put the likeliest cable first; the window replaces entries from
// its settings or for one run.

#include <string>
#include <string_view>

namespace pf {

inline constexpr int kCommPortCount = 5;

// The device path of "COM1" .. "COM5" as shipped:
// /dev/ttyUSB0, /dev/ttyUSB1, /dev/ttyACM0, /dev/ttyS0, /dev/ttyS1.
std::string DefaultPortDevice(int number);

// Maps "COMn" (n = 1..5, as written, upper case) to `device`. Returns false
// and changes nothing for any other name.
bool SetPortDevice(std::string_view portName, std::string device);

// Restores the shipped mapping.
void ResetPortDevices();

// The device path for `portName`: the mapped path for "COM1" .. "COM5",
// the name itself for anything else (a device path given directly).
std::string ResolvePortName(std::string_view portName);

} // namespace pf
