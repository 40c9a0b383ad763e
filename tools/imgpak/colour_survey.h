#pragma once
// The survey of the colours an 8-bit picture uses, which picks its format
// (four greys, or three colours when any pixel is not grey), its shade
// bytes and the level 0-3 of every palette entry.

#include "tools/imgpak/bmp_image.h"
#include "tools/imgpak/tile_image.h"

#include <array>
#include <cstdint>

namespace imgpak {

class ColourSurvey {
  public:
    // Looks at the palette entry of every pixel of an 8-bit picture whose
    // indices all lie inside its palette (readBmp() checks that).
    explicit ColourSurvey(const BmpImage& image);

    TileFormat format() const { return m_format; }
    std::array<std::uint8_t, 4> shades() const;
    // The level of a pixel of this colour: black 3; white 0 (four greys) or
    // 1 (three colours); other greys 1 or 2 by darkness (four greys) or 2
    // (three colours); any colour that is not grey 0.
    std::uint8_t level(const PaletteEntry& colour) const;

  private:
    void record(const PaletteEntry& colour);

    TileFormat m_format = TileFormat::FourGreys;
    int m_lightest = 256; // smallest darkness of the greys between white and black
    int m_darkest = -1;   // largest
};

} // namespace imgpak
