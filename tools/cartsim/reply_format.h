#pragma once
// The texts of the cartridge's replies: the lines of "ls -l" and "df", the
// clock line of "date", the greeting, and the reply codes.
//
// A listing line has fixed columns: the name padded to 16 bytes, a blank,
// the mode (8 letters of "xwrmsild", "-" for a clear bit) from byte 17, the
// entry's length in bytes right-aligned in bytes 26-32, its time stamp as
// "yy-mm-dd" (bytes 34-41) and "hh:mm" (bytes 43-47), and the description
// from byte 50.

#include "tools/cartsim/cart_area.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cartsim {

inline constexpr std::string_view kOk = "200 OK";
inline constexpr std::string_view kStarting = "125 STARTING";
inline constexpr std::string_view kNotImplemented = "504 NOT IMPLEMENTED";
inline constexpr std::string_view kNotAvailable = "450 NOT AVAILABLE";
inline constexpr std::string_view kLocalError = "451 LOCAL ERR";
inline constexpr std::string_view kFsFull = "452 FS FULL";
inline constexpr std::string_view kSyntaxError = "501 SYNTAX ERR";
inline constexpr std::string_view kTransferAborted = "426 TRANSFER ABORTED";

inline constexpr std::size_t kDescriptionColumn = 50;

std::string modeText(std::uint16_t mode);
std::string listingHeader();
std::string listingLine(const CartEntry& entry);
std::string listingFooter(const CartArea& area);

std::string dfHeader();
// Six words: area, capacity, used and free bytes, use in percent, mount point.
std::string dfLine(const CartArea& area);

// "yyyy-mm-dd hh:mm:ss" in the host's local time zone.
std::string clockLine(std::time_t when);

// Reads the argument of "date %s", "yyyymmddhhnn.ss", as a local time.
// nullopt unless it has exactly that shape and names a real date and time.
std::optional<std::time_t> parseClockSetting(std::string_view text);

// The information lines of the greeting (between "125 STARTING" and the
// closing line).
std::vector<std::string> greetingLines(std::string_view client, const CartArea& rom0, const CartArea& ram0);
inline constexpr std::string_view kGreetingEnd = "End of information";

} // namespace cartsim
