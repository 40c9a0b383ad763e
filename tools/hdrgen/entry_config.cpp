#include "tools/hdrgen/entry_config.h"

#include "entry/entry_header.h"
#include "tools/hdrgen/config_number.h"
#include "tools/hdrgen/message.h"

namespace hdrgen {
namespace {

// Longer keys cannot be any known key; only this many letters are kept.
constexpr std::size_t kMaxKeyLetters = 19;

bool isLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isWhiteSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}

char lowerCase(int c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

struct Setting {
    std::string key; // lower case, cut after kMaxKeyLetters letters
    std::string value;
    bool valueTooLong = false;
};

// Reads the key and consumes the separator. False at the end of the
// settings: a key without letters, or the end of the input before a
// separator.
bool readKey(std::istream& in, std::string& key) {
    key.clear();
    std::size_t letters = 0;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (isLetter(c)) {
            if (++letters <= kMaxKeyLetters + 1) {
                key += lowerCase(c);
            }
        } else if (!isWhiteSpace(c)) {
            return letters > 0;
        }
    }
    return false;
}

// Reads the value after the separator: blanks skipped, then up to the line
// end, which is left for the next key's white space.
void readValue(std::istream& in, Setting& setting) {
    while (isBlank(in.peek())) {
        in.get();
    }
    for (int c = in.peek(); c != std::char_traits<char>::eof() && c != '\r' && c != '\n'; c = in.peek()) {
        in.get();
        if (setting.value.size() < kMaxValueBytes) {
            setting.value += static_cast<char>(c);
        } else {
            setting.valueTooLong = true;
        }
    }
}

void addModeLetters(std::uint16_t& mode, std::string_view letters) {
    for (const char c : letters) {
        const auto bit = pf::kModeLetters.find(c);
        if (bit != std::string_view::npos) {
            mode = static_cast<std::uint16_t>(mode | (1u << bit));
        }
    }
}

// Appends the blank-separated paths; false when the list would grow past
// kMaxResourceFiles.
bool appendResources(std::vector<std::string>& list, std::string_view paths) {
    std::size_t at = 0;
    while (at < paths.size()) {
        while (at < paths.size() && isBlank(paths[at])) {
            ++at;
        }
        std::size_t end = at;
        while (end < paths.size() && !isBlank(paths[end])) {
            ++end;
        }
        if (end > at) {
            if (list.size() == kMaxResourceFiles) {
                return false;
            }
            list.emplace_back(paths.substr(at, end - at));
        }
        at = end;
    }
    return true;
}

bool isKnownKey(std::string_view key) {
    return key == "name" || key == "info" || key == "mode" || key == "source" || key == "output" ||
           key == "resource" || key == "appid";
}

// Applies one known setting; an error message when it refuses the config.
std::optional<std::string> apply(EntryConfig& config, const Setting& s, std::string_view configPath) {
    const std::string& v = s.value;
    if (s.key == "name") {
        config.name = v;
    } else if (s.key == "info") {
        config.info = v;
    } else if (s.key == "mode") {
        if (!v.empty() && v[0] >= '0' && v[0] <= '9') {
            config.mode = static_cast<std::uint16_t>(parseConfigNumber(v));
        } else {
            addModeLetters(config.mode, v);
        }
    } else if (s.key == "source") {
        config.source = v;
    } else if (s.key == "output") {
        config.output = v;
    } else if (s.key == "appid") {
        config.appid = parseConfigNumber(v);
    } else if (s.key == "resource" && !appendResources(config.resources, v)) {
        return formatMessage("more than %zu resource files in '%.*s'\r\n", kMaxResourceFiles,
                             static_cast<int>(configPath.size()), configPath.data());
    }
    return std::nullopt;
}

} // namespace

ConfigReading readEntryConfig(std::istream& in, std::string_view configPath) {
    ConfigReading reading;
    Setting setting;
    while (readKey(in, setting.key)) {
        setting.value.clear();
        setting.valueTooLong = false;
        readValue(in, setting);
        if (!isKnownKey(setting.key)) {
            continue;
        }
        if (setting.valueTooLong) {
            reading.error =
                formatMessage("value of '%s' in '%.*s' is longer than %zu bytes\r\n", setting.key.c_str(),
                              static_cast<int>(configPath.size()), configPath.data(), kMaxValueBytes);
            return reading;
        }
        reading.error = apply(reading.config, setting, configPath);
        if (reading.error) {
            return reading;
        }
    }
    return reading;
}

} // namespace hdrgen
