#include "tools/imgpak/command_line.h"

#include "entry/digit_value.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace imgpak {
namespace {

std::array<char, 2> parseType(std::string_view text) {
    std::array<char, 2> type{};
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), type.size()), type.begin());
    return type;
}

// Applies one option; false for a letter imgpak does not know.
bool applyOption(std::string_view arg, Options& options) {
    const std::string_view rest = arg.substr(std::min<std::size_t>(arg.size(), 2));
    switch (arg.size() > 1 ? arg[1] : '\0') {
    case 'p':
        options.shadeOverride = parseHex(rest);
        return true;
    case 't':
        options.type = parseType(rest);
        return true;
    case 'd':
        options.id = parseId(rest);
        return true;
    case 'e':
        if (options.output != OutputKind::CHeader) {
            options.output = OutputKind::Entry;
        }
        return true;
    case 'c':
        options.output = OutputKind::CHeader;
        options.formatFile = rest.empty() ? "format" : std::string(rest);
        return true;
    default:
        return false;
    }
}

} // namespace

std::uint32_t parseHex(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        pf::hexDigitValue(text[2]) >= 0) {
        text.remove_prefix(2);
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = pf::hexDigitValue(c);
        if (digit < 0) {
            break;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::int16_t parseId(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    // Saturated to the range of int, as a number that atoi can return.
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(value * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    const long long signedValue = negative ? -value : std::min<long long>(value, INT_MAX);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(signedValue & 0xFFFF));
}

CommandLine parseCommandLine(std::span<const std::string> args) {
    CommandLine line;
    if (!args.empty() && (args[0] == "--help" || args[0] == "--version")) {
        line.request = args[0] == "--help" ? Request::Help : Request::Version;
        return line;
    }
    std::size_t at = 0;
    for (; at < args.size() && !args[at].empty() && args[at][0] == '-'; ++at) {
        if (!applyOption(args[at], line.options)) {
            return line;
        }
    }
    const std::size_t files = args.size() - at;
    if (files == 0 || files > 2) {
        return line;
    }
    line.options.bitmap = args[at];
    if (files == 2) {
        line.options.outputName = args[at + 1];
    }
    line.request = Request::Convert;
    return line;
}

} // namespace imgpak
