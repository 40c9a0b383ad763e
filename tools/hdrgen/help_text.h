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
    "Limits: a value of a known key may hold at most 4095 bytes, and a config at\r\n"
    "most 16 resource files; beyond that the config is refused and nothing is\r\n"
    "written. Keys longer than any known key are unknown and ignored, as is a key\r\n"
    "that reaches the end of the file without a separator. An entry may hold at\r\n"
    "most 8388480 data bytes (65535 blocks).\r\n"
    "\r\n"
    "-f: the name and description are the first 16 and 24 bytes of the argument as\r\n"
    "typed, directories included, unconverted: a non-ASCII name given on a Linux\r\n"
    "command line stays UTF-8 (and may be cut inside a character). For a Shift-JIS\r\n"
    "name, use a config file. The entry is written to the argument plus \".vx\".\r\n"
    "\r\n"
    "-i and -r: a resource header with length 0, and data without a resource\r\n"
    "header, count as unknown data up to the entry's size; the walk stops at data\r\n"
    "without a header at or beyond the size. An entry whose resources would start\r\n"
    "outside its data is refused. -r names its files after the entry, replacing\r\n"
    "the extension of the last path component (\"song.vx\" gives song.bin,\r\n"
    "song_MD0.vr for a resource of type MD and id 0, song.vr for unknown data); it\r\n"
    "never overwrites the entry itself or a file it wrote before in the same run:\r\n"
    "a repeated name gets \"-2\", \"-3\"... before its extension. With both -i and\r\n"
    "-r, -r splits. A file shorter than its header says is reported as truncated;\r\n"
    "-r then ends with exit code 1.\r\n"
    "\r\n"
    "Entries are written to a temporary file beside the output and renamed into\r\n"
    "place only when complete. They are stamped with the local time, or, when the\r\n"
    "environment variable SOURCE_DATE_EPOCH is set, with that time in UTC, so that\r\n"
    "the same inputs give the same bytes. Messages go to standard output. The exit\r\n"
    "code is 0 when the job is done and 1 when it failed; inputs of a build that\r\n"
    "cannot be opened, and files -r cannot create, are reported and skipped.\r\n"
    "\r\n"
    "  --help     this text\r\n"
    "  --version  the version line\r\n";

} // namespace hdrgen
