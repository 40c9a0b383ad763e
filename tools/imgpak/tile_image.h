#pragma once
// A picture cut into 8 x 8 tiles as the image resource stores them: the
// format, the four shade bytes and one 16-bit value per tile row.

#include "tools/imgpak/bmp_image.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace imgpak {

enum class TileFormat : std::uint8_t { Mono = 0, FourGreys = 1, ThreeColours = 2 };

// "mono", "4colors" or "3colors", as the report line names the format.
std::string_view formatName(TileFormat format);

struct TileImage {
    int widthTiles = 0;
    int heightTiles = 0;
    TileFormat format = TileFormat::Mono;
    std::array<std::uint8_t, 4> shades{}; // one byte per pixel level 0-3
    // Eight rows per tile, tiles row by row from the top and left to right.
    // A monochrome row uses the low byte only (bit 7 the leftmost pixel, set
    // for black); a row of levels carries bit 0 of each level in the low
    // byte and bit 1 in the high byte.
    std::vector<std::uint16_t> rows;

    bool isMono() const { return format == TileFormat::Mono; }
};

// Cuts a checked bitmap into tiles: a 1-bit picture into a monochrome image
// (a set bit marks black whichever of the two palette orders the file
// uses), an 8-bit one into four greys or three colours after a survey of
// the colours its pixels use.
TileImage convertTiles(const BmpImage& image);

// The -p override: a non-zero value replaces the four shade bytes, byte k
// taking (hexadecimal digit k of the value, from the lowest, modulo 8) x 32.
// Zero leaves them as they are.
void applyShadeOverride(TileImage& image, std::uint32_t value);

} // namespace imgpak
