#pragma once
// The texts of --help (printed after the usage text) and --version.

#include <string_view>

namespace imgpak {

inline constexpr std::string_view kVersionText = "Velda Image resource converter Version 1.11\r\n";

inline constexpr std::string_view kHelpText =
    "\r\n"
    "Converts a monochrome (1-bit) or 256-colour (8-bit) BMP picture into 8 x 8 tiles:\r\n"
    "an image resource (.vr), a file entry holding it (-e, .vx) or a C header (-c, .h).\r\n"
    "\r\n"
    "  -p<pal>     shade bytes from the hexadecimal value: digit k (lowest first), modulo 8,\r\n"
    "              times 32 becomes shade byte k; 0 keeps the converter's shades\r\n"
    "  -t<type>    resource type, two characters (default BM)\r\n"
    "  -d<id>      resource id, decimal; kept to its low 16 bits\r\n"
    "  -e          write a file entry named after the bitmap, extension included\r\n"
    "  -c[file]    write a C header framed by the format file (default \"format\"); a file\r\n"
    "              not found under its name is looked for beside the imgpak program\r\n"
    "  --help, --version\r\n"
    "\r\n"
    "Pictures: width and height multiples of 8, at most 2040 pixels (255 tiles) a side;\r\n"
    "Windows 3 BMP (40-byte info header), uncompressed, rows stored bottom-up, as\r\n"
    "ImageMagick writes with -compress none BMP3:out.bmp. Other BMP variants are\r\n"
    "refused with advice. Every pixel's colour must be in the palette the file carries.\r\n"
    "A 1-bit picture may list black or white first: a set bit in the tiles is black.\r\n"
    "\r\n"
    "Format file: printed as it stands, except for up to six placeholders, in this\r\n"
    "order: %s symbol, %d width in tiles, %s symbol, %d height in tiles,\r\n"
    "%s element type (char or short), %s symbol. Flags '-' (all), '0', '+', ' ' (numbers),\r\n"
    "a field width and a precision up to 255 are allowed; %i may stand for %d and\r\n"
    "%% prints a percent sign. Any other placeholder is refused.\r\n"
    "\r\n"
    "Names are taken byte for byte as the file system holds them: the entry's name and\r\n"
    "description (-e) are the first 16 and 24 bytes of the bitmap's file name, the C\r\n"
    "symbol (-c) is that name without its extension. The cartridge reads names as\r\n"
    "Shift-JIS; a UTF-8 name (most Linux systems) reaches it as UTF-8 bytes, so give\r\n"
    "pictures ASCII names, or Shift-JIS ones, for entries.\r\n"
    "\r\n"
    "Paths: a '.' counts as an extension only in the last part of a path. Paths are\r\n"
    "limited to 255 bytes, inputs to 16 MiB. Output files are replaced only once\r\n"
    "completely written; the report counts the bytes written, with -e the 128-byte\r\n"
    "entry header included. Entries are stamped with the local time, or with\r\n"
    "SOURCE_DATE_EPOCH (UTC) when it is set. Messages go to standard output; the\r\n"
    "exit code is 0 on success and 1 on any failure.\r\n";

} // namespace imgpak
