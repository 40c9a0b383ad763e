#pragma once
// imgpak's command line: options first, each recognised by its second
// character, then the bitmap and optionally the output name.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace imgpak {

enum class OutputKind { Resource, Entry, CHeader };

struct Options {
    std::uint32_t shadeOverride = 0;          // -p, hexadecimal; 0: none
    std::array<char, 2> type{'B', 'M'};       // -t
    std::int16_t id = 0;                      // -d
    OutputKind output = OutputKind::Resource; // -e, -c (-c wins)
    std::string formatFile = "format";        // -c<name>
    std::string bitmap;
    std::optional<std::string> outputName;
};

enum class Request { Convert, Usage, Help, Version };

struct CommandLine {
    Request request = Request::Usage;
    Options options;
};

// Reads the arguments after the program name. "--help" or "--version" as
// the first argument asks for that text. An option letter other than
// p, t, d, e, c, a missing bitmap or a third file argument asks for the
// usage text.
CommandLine parseCommandLine(std::span<const std::string> args);

// The rest of "-p" as a hexadecimal number: optional "0x", then the leading
// hexadecimal digits, kept modulo 2^32; no digits give 0.
std::uint32_t parseHex(std::string_view text);

// The rest of "-d" by atoi's rules (blanks, sign, leading digits), the
// result kept to its low 16 bits as the signed resource id.
std::int16_t parseId(std::string_view text);

} // namespace imgpak
