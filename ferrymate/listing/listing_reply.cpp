#include "ferrymate/listing/listing_reply.h"

#include <algorithm>
#include <limits>

namespace pf {
namespace {

constexpr std::size_t kNameWidth = 16;
constexpr std::size_t kTokenStart = 17;
constexpr std::size_t kDescriptionStart = 50;
constexpr std::size_t kFreeSpaceToken = 3;

bool isSeparator(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Blanks and control characters; bytes of double-byte characters are all
// above 0x40, so no part of a name's character is lost.
bool isTrimmed(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value <= 0x20 || value == 0x7F;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view tokenAt(const std::vector<std::string_view>& tokens, std::size_t index) {
    return index < tokens.size() ? tokens[index] : std::string_view{};
}

// The digits of a C-style decimal as a 64-bit value, held at a bound that
// lies beyond every 32-bit number so that long digit runs cannot overflow.
std::int64_t readWideDecimal(std::string_view text) {
    constexpr std::int64_t kBound = std::int64_t{1} << 40;
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min(kBound, value * 10 + (text[pos] - '0'));
    return negative ? -value : value;
}

} // namespace

std::vector<std::string_view> splitTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isSeparator(text[pos]))
            ++pos;
        if (pos > start)
            tokens.push_back(text.substr(start, pos - start));
    }
    return tokens;
}

std::int32_t readDecimal(std::string_view text) {
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(readWideDecimal(text), Limits::min(), Limits::max()));
}

FileInfo parseListingLine(std::string_view line) {
    FileInfo record;
    record.name = trimmed(line.substr(0, kNameWidth));
    const auto tokens =
        splitTokens(line.size() > kTokenStart ? line.substr(kTokenStart) : std::string_view{});
    record.attribute = tokenAt(tokens, 0);
    record.size = readDecimal(tokenAt(tokens, 1));
    record.date = std::string(tokenAt(tokens, 2)) + " " + std::string(tokenAt(tokens, 3));
    if (line.size() > kDescriptionStart)
        record.description = line.substr(kDescriptionStart);
    return record;
}

std::optional<std::vector<FileInfo>> parseListingReply(const std::vector<std::string>& replies) {
    const auto starting = std::find(replies.begin(), replies.end(), kStartingLine);
    if (starting == replies.end())
        return std::nullopt;
    // File lines run from two after "125 STARTING" to three before the end.
    const auto first = static_cast<std::size_t>(starting - replies.begin()) + 2;
    const std::size_t end = replies.size() >= 2 ? replies.size() - 2 : 0;
    std::vector<FileInfo> records;
    for (std::size_t i = first; i < end; ++i)
        records.push_back(parseListingLine(replies[i]));
    return records;
}

std::uint32_t parseFreeSpace(const std::vector<std::string>& replies, std::string_view directory) {
    const std::string_view key = directory.empty() ? directory : directory.substr(1);
    const auto line = std::find_if(replies.begin(), replies.end(),
                                   [&](const std::string& candidate) { return candidate.starts_with(key); });
    if (line == replies.end())
        return 0;
    const auto tokens = splitTokens(*line);
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(
        readWideDecimal(tokenAt(tokens, kFreeSpaceToken)), 0, std::numeric_limits<std::uint32_t>::max()));
}

} // namespace pf
