#pragma once
// The usage text, the --version line and the --help text.

#include <string_view>

namespace hdrgen {

inline constexpr std::string_view kUsageText = "hdrgen Version 1.02"
                                               "\r\nusage: hdrgen <config file>\r\n"
                                               "       hdrgen -f <file>\r\n"
                                               "       hdrgen -r|-i <.vx file>\r\n";

inline constexpr std::string_view kVersionText = "hdrgen Version 1.02\r\n";

inline constexpr std::string_view kHelpText =
    "\r\n"
    "Builds a Pocketforge file entry (.vx) from a config file, wraps one plain file\r\n"
    "into an entry (-f), lists an entry's header and resources (-i) or splits an\r\n"
    "entry into its code file (.bin) and one file per resource (-r).\r\n"
    "\r\n"
    "Config file: one setting per line, a key, a separator such as ':' or '=' and a\r\n"
    "value. Keys (any case): name, info, mode (a number, or letters of \"xwrmsild\"),\r\n"
    "source (code file), output (entry to write, required), resource (files, separated\r\n"
    "by blanks; several lines append), appid (a number). A line that begins with\r\n"
    "another character, such as ';', ends the reading. Values pass as bytes: write\r\n"
    "names and descriptions in Shift-JIS to see them right on the cartridge.\r\n"
    "\r\n"
    "Limits: a value may hold at most 4095 bytes and a config at most 16 resource\r\n"
    "files; beyond that the config is refused and nothing is written. Keys longer\r\n"
    "than any known key are unknown and ignored, as is a key that reaches the end\r\n"
    "of the file without a separator. An entry may hold at most 8388480 data bytes\r\n"
    "(65535 blocks).\r\n"
    "\r\n"
    "-f: the name and description are the first 16 and 24 bytes of the argument as\r\n"
    "typed, directories included, unconverted: a non-ASCII name given on a Linux\r\n"
    "command line stays UTF-8 (and may be cut inside a character). For a Shift-JIS\r\n"
    "name, use a config file. The entry is written to the argument plus \".vx\".\r\n"
    "\r\n"
    "-i and -r: a resource header with length 0, and data without a resource\r\n"
    "header, count as unknown data up to the entry's size; the walk stops at data\r\n"
    "without a header at or beyond the size. -r never overwrites the entry itself or\r\n"
    "a file it wrote before in the same run: a repeated name gets \"-2\", \"-3\"...\r\n"
    "before its extension. A file shorter than its header says is reported as\r\n"
    "truncated; -r then ends with exit code 1.\r\n"
    "\r\n"
    "Entries are written to a temporary file beside the output and renamed into\r\n"
    "place only when complete. They are stamped with the local time, or, when the\r\n"
    "environment variable SOURCE_DATE_EPOCH is set, with that time in UTC, so that\r\n"
    "the same inputs give the same bytes. Messages go to standard output; the exit\r\n"
    "code is 0 on success and 1 on any failure.\r\n"
    "\r\n"
    "  --help     this text\r\n"
    "  --version  the version line\r\n";

} // namespace hdrgen
