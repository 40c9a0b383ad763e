#pragma once
// The audpak program: parses the command line, reads the source, runs the
// converter of its kind, writes the resource (or entry) and the listing,
// and reports. Every message goes to `out`; the result is the exit code.

#include <ostream>
#include <span>
#include <string_view>

namespace audpak {

int runAudpak(std::span<const std::string_view> args, std::ostream& out);

} // namespace audpak
