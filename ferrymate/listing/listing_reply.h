#pragma once
// The cartridge's replies to "ls -l" and "df", cut into records and the
// free space. Pure functions over the reply lines (each without its line
// end, the final reply line included), so that any reply can be tried.
//
// A file line has fixed columns: the name in bytes 0-15 padded with blanks,
// a separator at 16, from 17 on blank-separated tokens (mode, size, date,
// time, one more), and the description from byte 50 to the end of the line.

#include "ferrymate/listing/file_info.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pf {

inline constexpr std::string_view kStartingLine = "125 STARTING";

// Maximal runs of bytes other than blank, tab, CR and LF.
std::vector<std::string_view> splitTokens(std::string_view text);

// A C-style decimal: leading blanks and tabs skipped, an optional sign,
// digits up to the first other byte; no digits give 0. A value beyond the
// 32-bit range is held at the nearest limit instead of wrapping.
std::int32_t readDecimal(std::string_view text);

// One file line as a record. Never fails: a short or malformed line gives
// empty texts and a size of 0 for what it lacks. Tokens and descriptions are
// taken whole, however long.
FileInfo parseListingLine(std::string_view line);

// The records of an "ls -l" reply: the lines after "125 STARTING" and the
// one after it, up to but not including the last two lines (the closing line
// and the final reply). nullopt when no line is exactly "125 STARTING".
std::optional<std::vector<FileInfo>> parseListingReply(const std::vector<std::string>& replies);

// The free bytes of `directory` ("/rom0") from a "df" reply: the fourth
// token of the first line that begins with the directory's bare name
// ("rom0"); 0 when there is no such line or token. A negative number counts
// as 0.
std::uint32_t parseFreeSpace(const std::vector<std::string>& replies, std::string_view directory);

} // namespace pf
