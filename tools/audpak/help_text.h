#pragma once
// The usage text, and the longer help of --help.

#include <string_view>

namespace audpak {

inline constexpr std::string_view kVersionLine = "Velda Sound resource converter Version 1.03\r\n";

inline constexpr std::string_view kUsageText =
    "Velda Sound resource converter Version 1.03\r\n"
    "usage: audpak [options] <MML file(.mml)> [resource file(.vr)]\r\n"
    "       audpak -i [options] <instrument file(.prg)> [resource file(.vr)]\r\n"
    "       audpak -w [options] <wave file(.wav)> [resource file(.vr)]\r\n"
    "options:\r\n"
    "\t-b<n>    sound effect\r\n"
    "\t-s       assembly output\r\n"
    "\t-e       VBFF entry\r\n"
    "\t-t<type> resource type symbol\r\n"
    "\t-d<id>   resource id number\r\n";

inline constexpr std::string_view kHelpDetails =
    "\n"
    "Arguments that begin with \"-\" are options wherever they stand; the first\n"
    "other argument is the source, the second the output name.\n"
    "\n"
    "Names: a source without \".\" gets .mml, .prg or .wav; the output is the\n"
    "source cut at its last \".\" (or the name given) with .vr, or .vx with -e,\n"
    "added when it has no \".\"; the listing of -s is that base with .asm. When\n"
    "the listing would get the output's name (my.song.mml gives my.song for\n"
    "both), the listing gets .asm appended (my.song.asm). Neither may be the\n"
    "source itself. Paths are limited to 255 bytes; names are taken as bytes.\n"
    "Output and listing replace existing files only after a complete run.\n"
    "\n"
    "-d takes -32768 to 32767. -b with a missing, zero or negative count is 1.\n"
    "With -e the report shows the size of the entry file: the resource plus\n"
    "its 128-byte header. SOURCE_DATE_EPOCH, when set, gives the entry's time.\n"
    "\n"
    "Instrument files (-i): the text ends at its first zero byte. Numbers are\n"
    "kept to 16 bits, and to their low 8 bits where a byte is stored. A\n"
    "section line that holds only blanks or a comment takes its items from\n"
    "the next line. A \"]\" before any \"[\" is an error, as is a set larger\n"
    "than 65534 bytes.\n"
    "\n"
    "Wave files (-w): 8-bit mono PCM; a \"fmt \" chunk of at least 14 bytes\n"
    "must come before the \"data\" chunk, which must lie whole in the file and\n"
    "hold at most 65518 samples. The chunk walk stops at the end of the RIFF\n"
    "size or of the file, whichever comes first. With -w, -s writes an empty\n"
    "listing.\n";

} // namespace audpak
