#pragma once
// The C header text of -c: the format file's frame with its values, one
// line per tile, empty lines between groups of tile rows, and "};".

#include "tools/imgpak/format_template.h"
#include "tools/imgpak/tile_image.h"

#include <string>
#include <string_view>

namespace imgpak {

// "char" for a monochrome image, "short" for one of levels.
std::string_view elementType(const TileImage& image);

// The whole text. Every tile is a tab and its eight rows as "0x%02X, " or
// "0x%04X, ", then CR LF. After a row of tiles an empty line follows once
// the tiles since the last empty line reach the width in tiles (pictures
// more than 4 tiles wide) or its square (narrower ones).
std::string renderCHeader(const FormatTemplate& frame, const TileImage& image, std::string_view symbol);

} // namespace imgpak
