#pragma once
// The command line of the cartsim program.

#include "tools/cartsim/simulator.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cartsim {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ProgramOptions {
    std::string linkPath;
    std::string devicePath;
    std::optional<unsigned> baud;
    std::uint32_t rom0Blocks = kDefaultRom0Blocks;
    std::uint32_t ram0Blocks = kDefaultRam0Blocks;
    std::vector<std::string> seedRom0;
    std::vector<std::string> seedRam0;
    std::string statePath;
    std::optional<MonitorSettings> monitor;
    FaultPlan faults;
    bool help = false;
    bool version = false;
};

// Throws UsageError with a message that names the offending argument.
ProgramOptions parseProgramOptions(int argc, const char* const* argv);

// Turns C-style escapes (\r \n \t \\ \xHH) into bytes; throws UsageError
// for an unknown or incomplete escape.
std::string unescapeBytes(std::string_view text);

} // namespace cartsim
