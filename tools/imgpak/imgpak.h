#pragma once
// imgpak as a whole: the command line in, the output file written, the
// messages out. main() only gathers its arguments and calls runImgpak().

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace imgpak {

// The usage text that a wrong command line prints.
extern const std::string_view kUsageText;

// Runs imgpak on `args` (the arguments after the program name) and returns
// its exit code: 0 on success, 1 on any failure. Every message goes to
// `out`. `programPath` is the imgpak executable, in whose folder a format
// file that cannot be opened under its own name is looked for.
int runImgpak(std::span<const std::string> args, const std::string& programPath, std::ostream& out);

} // namespace imgpak
