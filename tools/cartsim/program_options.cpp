#include "tools/cartsim/program_options.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

namespace cartsim {

namespace {

template <typename T> T number(std::string_view option, std::string_view text, T low, T high) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        throw UsageError(std::string(option) + " wants a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + std::string(text) + "\"");
    }
    return value;
}

unsigned blockNumber(std::string_view option, std::string_view text) {
    return number<unsigned>(option, text, 1, 1u << 20);
}

// "K" or "K:N": block K, N times (1 when left out).
BlockFault blockFault(std::string_view option, std::string_view text) {
    const auto colon = text.find(':');
    BlockFault fault{blockNumber(option, text.substr(0, colon)), 1};
    if (colon != std::string_view::npos) {
        fault.times = number<unsigned>(option, text.substr(colon + 1), 1, 1000);
    }
    return fault;
}

std::chrono::milliseconds seconds(std::string_view option, std::string_view text) {
    const std::string copy(text);
    std::size_t used = 0;
    double value = -1;
    try {
        value = std::stod(copy, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != copy.size() || !(value >= 0 && value <= 3600)) {
        throw UsageError(std::string(option) + " wants seconds from 0 to 3600, not \"" + copy + "\"");
    }
    return std::chrono::milliseconds(std::lround(value * 1000));
}

void setMonitor(ProgramOptions& o, MonitorMode mode, std::string_view file) {
    if (o.monitor) {
        throw UsageError("--recv-system and --send-system exclude each other");
    }
    o.monitor = MonitorSettings{mode, std::string(file), kDefaultImageLimit};
}

using Setter = std::function<void(ProgramOptions&, std::string_view)>;

struct OptionRule {
    std::string_view name;
    bool takesValue;
    Setter set;
};

const std::vector<OptionRule>& optionRules() {
    using O = ProgramOptions;
    using V = std::string_view;
    static const std::vector<OptionRule> rules = {
        {"--help", false, [](O& o, V) { o.help = true; }},
        {"--version", false, [](O& o, V) { o.version = true; }},
        {"--link", true, [](O& o, V v) { o.linkPath = v; }},
        {"--device", true, [](O& o, V v) { o.devicePath = v; }},
        {"--baud", true, [](O& o, V v) { o.baud = number<unsigned>("--baud", v, 300, 4000000); }},
        {"--rom0-blocks", true,
         [](O& o, V v) { o.rom0Blocks = number<std::uint32_t>("--rom0-blocks", v, 1, 65535); }},
        {"--ram0-blocks", true,
         [](O& o, V v) { o.ram0Blocks = number<std::uint32_t>("--ram0-blocks", v, 1, 65535); }},
        {"--seed-rom0", true, [](O& o, V v) { o.seedRom0.emplace_back(v); }},
        {"--seed-ram0", true, [](O& o, V v) { o.seedRam0.emplace_back(v); }},
        {"--state", true, [](O& o, V v) { o.statePath = v; }},
        {"--recv-system", true, [](O& o, V v) { setMonitor(o, MonitorMode::RecvSystem, v); }},
        {"--send-system", true, [](O& o, V v) { setMonitor(o, MonitorMode::SendSystem, v); }},
        {"--silent-after", true,
         [](O& o, V v) {
             o.faults.silentAfterByte = number<std::uint64_t>("--silent-after", v, 0, 1ULL << 40);
         }},
        {"--silent-before-final", true, [](O& o, V v) { o.faults.silentBeforeFinal = std::string(v); }},
        {"--cancel-at-block", true,
         [](O& o, V v) { o.faults.xmodem.cancelAt = blockNumber("--cancel-at-block", v); }},
        {"--nak-block", true, [](O& o, V v) { o.faults.xmodem.nak = blockFault("--nak-block", v); }},
        {"--corrupt-block", true,
         [](O& o, V v) { o.faults.xmodem.corrupt = blockFault("--corrupt-block", v); }},
        {"--close-at-block", true,
         [](O& o, V v) { o.faults.xmodem.closeAt = blockNumber("--close-at-block", v); }},
        {"--after-reply", true, [](O& o, V v) { o.faults.bytesAfterReply = unescapeBytes(v); }},
        {"--can-before-reply", false, [](O& o, V) { o.faults.canBeforeReply = true; }},
        {"--cr-in-line", false, [](O& o, V) { o.faults.crInLine = true; }},
        {"--echo-always", false, [](O& o, V) { o.faults.echoAlways = true; }},
        {"--pause", true, [](O& o, V v) { o.faults.pauseBeforeFinal = seconds("--pause", v); }},
    };
    return rules;
}

} // namespace

std::string unescapeBytes(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        const char kind = i + 1 < text.size() ? text[++i] : '\0';
        if (kind == 'r' || kind == 'n' || kind == 't' || kind == '\\') {
            bytes += kind == 'r' ? '\r' : kind == 'n' ? '\n' : kind == 't' ? '\t' : '\\';
        } else if (unsigned value = 0;
                   kind == 'x' && i + 2 < text.size() &&
                   std::from_chars(&text[i + 1], &text[i + 3], value, 16).ptr == &text[i + 3]) {
            bytes += static_cast<char>(value);
            i += 2;
        } else {
            throw UsageError("unknown escape in \"" + std::string(text) + "\" (use \\r \\n \\t \\\\ \\xHH)");
        }
    }
    return bytes;
}

ProgramOptions parseProgramOptions(int argc, const char* const* argv) {
    ProgramOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        bool hasValue = false;
        if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
            hasValue = true;
        }
        const auto& rules = optionRules();
        const auto rule =
            std::find_if(rules.begin(), rules.end(), [&](const OptionRule& s) { return s.name == arg; });
        if (rule == rules.end()) {
            throw UsageError("unknown option \"" + std::string(argv[i]) + "\"");
        }
        if (rule->takesValue && !hasValue) {
            if (i + 1 >= argc) {
                throw UsageError(std::string(arg) + " needs a value");
            }
            value = argv[++i];
        } else if (!rule->takesValue && hasValue) {
            throw UsageError(std::string(arg) + " takes no value");
        }
        rule->set(options, value);
    }
    if (!options.devicePath.empty() && !options.linkPath.empty()) {
        throw UsageError("--link is for the pseudo-terminal; it cannot be used with --device");
    }
    return options;
}

} // namespace cartsim
