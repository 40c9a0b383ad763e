#include "tools/audpak/command_line.h"

#include "tools/audpak/converter.h"

#include <climits>
#include <limits>

namespace audpak {

namespace {

constexpr long long kMaxSoundEffects = INT_MAX;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// -b<n>: missing, zero, negative or not a number counts as 1.
int soundEffectCount(std::string_view text) {
    const long long n = atoiValue(text);
    if (n <= 0) {
        return 1;
    }
    return static_cast<int>(n > kMaxSoundEffects ? kMaxSoundEffects : n);
}

std::int16_t resourceId(std::string_view text) {
    const long long id = atoiValue(text);
    if (id < std::numeric_limits<std::int16_t>::min() || id > std::numeric_limits<std::int16_t>::max()) {
        throw ConvertError("resource id out of range '" + std::string(text) + "'\r\n");
    }
    return static_cast<std::int16_t>(id);
}

// -t<type>: two characters; one character is followed by a zero byte;
// none keeps the default.
std::optional<std::array<char, 2>> resourceType(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    return std::array<char, 2>{text[0], text.size() > 1 ? text[1] : '\0'};
}

void applyOption(CommandLine& line, std::string_view option) {
    const std::string_view value = option.size() > 2 ? option.substr(2) : std::string_view();
    switch (option.size() > 1 ? option[1] : '\0') {
    case 'b':
        line.kind = SourceKind::SoundEffects;
        line.soundEffects = soundEffectCount(value);
        break;
    case 'i':
        line.kind = SourceKind::Instruments;
        break;
    case 'w':
        line.kind = SourceKind::Wave;
        break;
    case 's':
        line.listing = true;
        break;
    case 'e':
        line.entry = true;
        break;
    case 't':
        line.type = resourceType(value);
        break;
    case 'd':
        line.id = resourceId(value);
        break;
    default:
        break; // other letters are ignored
    }
}

} // namespace

long long atoiValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return negative ? -value : value;
}

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine line;
    for (const std::string_view arg : args) {
        if (arg == "--help") {
            line.request = Request::Help;
            return line;
        }
        if (arg == "--version") {
            line.request = Request::Version;
            return line;
        }
    }
    for (const std::string_view arg : args) {
        if (arg.starts_with('-')) {
            applyOption(line, arg);
        } else if (line.request != Request::Convert) {
            line.source = arg;
            line.request = Request::Convert;
        } else if (!line.output) {
            line.output = std::string(arg);
        }
    }
    return line;
}

} // namespace audpak
