#pragma once
// audpak's command line: options first by convention, each recognised by
// the character after its "-"; the first other argument is the source, the
// second the output name, further ones are ignored.

#include "tools/audpak/source_kind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace audpak {

enum class Request { Convert, Usage, Help, Version };

struct CommandLine {
    Request request = Request::Usage;
    SourceKind kind = SourceKind::Music;
    int soundEffects = 0;                    // -b<n>; at least 1 for sound effects
    bool listing = false;                    // -s
    bool entry = false;                      // -e
    std::optional<std::array<char, 2>> type; // -t<type>; a single character is followed by a zero byte
    std::int16_t id = 0;                     // -d<id>
    std::string source;
    std::optional<std::string> output;
};

// The value of a decimal text by the rules of C's atoi: leading blanks, an
// optional sign, digits; anything else ends it, no digits give 0. Values
// beyond the range of long long saturate instead of overflowing.
long long atoiValue(std::string_view text);

// Parses the arguments after the program name. Throws ConvertError for an
// id outside the 16-bit range.
CommandLine parseCommandLine(std::span<const std::string_view> args);

} // namespace audpak
