#pragma once
// The packed 32-bit time stamp of a file entry: year from 2000 in bits
// 31-25, month, day, hour, minute, and seconds in two-second steps.

#include <cstdint>
#include <ctime>
#include <stdexcept>

namespace pf {

struct DecodedTime {
    int year = 0; // years since 2000, 0-127
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0; // always even
};

// Packs a broken-down time; fields outside their bit widths are masked.
std::uint32_t encodeTimeStamp(const std::tm& t);

DecodedTime decodeTimeStamp(std::uint32_t stamp);

// Thrown when SOURCE_DATE_EPOCH is set but is not a whole number of seconds.
class TimeSourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The time with which a writer stamps a new entry: the local time now, or,
// when SOURCE_DATE_EPOCH is set, that instant in UTC, so that the same
// inputs give the same bytes on any machine and in any time zone.
std::tm entryStampTime();

} // namespace pf
