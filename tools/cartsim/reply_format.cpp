#include "tools/cartsim/reply_format.h"

#include "entry/entry_header.h"
#include "entry/time_stamp.h"

#include <cstdio>

namespace cartsim {

namespace {

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer, static_cast<std::size_t>(std::min<int>(length, sizeof buffer - 1)));
}

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

int numberAt(std::string_view text, std::size_t at, std::size_t length) {
    int value = 0;
    for (char c : text.substr(at, length)) {
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string modeText(std::uint16_t mode) {
    std::string text(pf::kModeLetters.size(), '-');
    for (std::size_t bit = 0; bit < text.size(); ++bit) {
        if (mode & (1u << bit)) {
            text[bit] = pf::kModeLetters[bit];
        }
    }
    return text;
}

std::string listingHeader() {
    return padded("Name", 17) + padded("Mode", 9) + "   Size " + padded("Date", 9) + padded("Time", 7) +
           "Description";
}

std::string listingLine(const CartEntry& entry) {
    const pf::EntryRecord record = entry.record();
    const pf::DecodedTime t = pf::decodeTimeStamp(record.date);
    std::string line = padded(entry.name(), 16) + ' ' + modeText(record.mode) + ' ' +
                       format("%7u %02d-%02d-%02d %02d:%02d", static_cast<unsigned>(entry.bytes().size()),
                              t.year % 100, t.month, t.day, t.hour, t.minute);
    return padded(std::move(line), kDescriptionColumn) + entry.info();
}

std::string listingFooter(const CartArea& area) {
    return format("%u files, %u blocks used, %u blocks free", static_cast<unsigned>(area.entries().size()),
                  area.usedBlocks(), area.freeBlocks());
}

std::string dfHeader() {
    return "Filesystem      Bytes       Used  Available Use% Mounted on";
}

std::string dfLine(const CartArea& area) {
    const unsigned long total = area.capacityBlocks() * 128UL;
    const unsigned long used = area.usedBlocks() * 128UL;
    const unsigned long percent = total == 0 ? 100 : (used * 100 + total - 1) / total;
    return format("%-6s %10lu %10lu %10lu %3lu%% /%s", area.word().c_str(), total, used,
                  area.freeBlocks() * 128UL, percent, area.word().c_str());
}

std::string clockLine(std::time_t when) {
    std::tm t{};
    ::localtime_r(&when, &t);
    return format("%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
}

std::optional<std::time_t> parseClockSetting(std::string_view text) {
    if (text.size() != 15 || text[12] != '.' || !allDigits(text.substr(0, 12)) ||
        !allDigits(text.substr(13))) {
        return std::nullopt;
    }
    std::tm t{};
    t.tm_year = numberAt(text, 0, 4) - 1900;
    t.tm_mon = numberAt(text, 4, 2) - 1;
    t.tm_mday = numberAt(text, 6, 2);
    t.tm_hour = numberAt(text, 8, 2);
    t.tm_min = numberAt(text, 10, 2);
    t.tm_sec = numberAt(text, 13, 2);
    t.tm_isdst = -1;
    const std::tm asked = t;
    const std::time_t when = std::mktime(&t);
    // mktime moves an impossible date (31 April, 25 o'clock) to another
    // one; only a date that stays as written is taken.
    if (when == -1 || t.tm_year != asked.tm_year || t.tm_mon != asked.tm_mon || t.tm_mday != asked.tm_mday ||
        t.tm_hour != asked.tm_hour || t.tm_min != asked.tm_min || t.tm_sec != asked.tm_sec) {
        return std::nullopt;
    }
    return when;
}

std::vector<std::string> greetingLines(std::string_view client, const CartArea& rom0, const CartArea& ram0) {
    return {"VeldaOS 1.00 (cartsim " CARTSIM_VERSION ")", "Pocketforge cartridge simulator",
            format("rom0: %u of %u blocks free", rom0.freeBlocks(), rom0.capacityBlocks()),
            format("ram0: %u of %u blocks free", ram0.freeBlocks(), ram0.capacityBlocks()),
            "Hello, " + std::string(client)};
}

} // namespace cartsim
