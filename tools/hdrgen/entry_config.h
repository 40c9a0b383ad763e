#pragma once
// The config file from which hdrgen builds an entry, and its reader.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hdrgen {

// The longest value the reader accepts for a known key: the longest path
// Linux opens.
inline constexpr std::size_t kMaxValueBytes = 4095;
inline constexpr std::size_t kMaxResourceFiles = 16;

struct EntryConfig {
    std::string name; // bytes as written; the entry keeps the first 16
    std::string info; // the entry keeps the first 24
    std::uint16_t mode = 0;
    std::int32_t appid = 0;
    std::string source; // empty: no code part
    std::string output;
    std::vector<std::string> resources;

    bool operator==(const EntryConfig&) const = default;
};

struct ConfigReading {
    EntryConfig config;
    // Set when the config is refused; the text is the message to print.
    std::optional<std::string> error;
};

// Reads settings (key, separator, value) until a setting without key
// letters or the end of the input. A value longer than kMaxValueBytes or
// more than kMaxResourceFiles resource files refuse the config; `configPath`
// names it in the message. Reads at most one value's worth of bytes ahead,
// so its memory stays bounded whatever the input.
ConfigReading readEntryConfig(std::istream& in, std::string_view configPath);

} // namespace hdrgen
