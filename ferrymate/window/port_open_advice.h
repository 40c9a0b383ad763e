#pragma once
// What to tell the user when a serial port cannot be opened: which device
// the port name stands for, the system's reason, and what to do about it.

#include <filesystem>
#include <string>

namespace pf {

// Two lines (UTF-8): "<port> = <device>: <reason>" and the advice, for
// example to join the group that owns the device, or to name another device
// for the port in the settings file `settingsFile`.
std::string portOpenAdvice(const std::string& portName, const std::string& device, const std::string& reason,
                           const std::filesystem::path& settingsFile);

} // namespace pf
