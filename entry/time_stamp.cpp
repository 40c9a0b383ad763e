#include "entry/time_stamp.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace pf {

std::uint32_t encodeTimeStamp(const std::tm& t) {
    const auto field = [](int value, int bits) {
        return static_cast<std::uint32_t>(value) & ((1u << bits) - 1);
    };
    // The year counts from 2000 for 2000-2127: (years since 1900 + 28) mod 128.
    const int year = ((t.tm_year + 28) % 128 + 128) % 128;
    return field(year, 7) << 25 | field(t.tm_mon + 1, 4) << 21 | field(t.tm_mday, 5) << 16 |
           field(t.tm_hour, 5) << 11 | field(t.tm_min, 6) << 5 | field(t.tm_sec / 2, 5);
}

DecodedTime decodeTimeStamp(std::uint32_t s) {
    DecodedTime d;
    d.year = static_cast<int>(s >> 25);
    d.month = static_cast<int>((s >> 21) & 0x0F);
    d.day = static_cast<int>((s >> 16) & 0x1F);
    d.hour = static_cast<int>((s >> 11) & 0x1F);
    d.minute = static_cast<int>((s >> 5) & 0x3F);
    d.second = static_cast<int>(s & 0x1F) * 2;
    return d;
}

std::tm entryStampTime() {
    std::tm result{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        errno = 0;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (*epoch == '\0' || *end != '\0' || errno != 0 || seconds < 0) {
            throw TimeSourceError(std::string("SOURCE_DATE_EPOCH is not a whole number of seconds: '") +
                                  epoch + "'");
        }
        const std::time_t t = static_cast<std::time_t>(seconds);
        gmtime_r(&t, &result);
        return result;
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &result);
    return result;
}

} // namespace pf
