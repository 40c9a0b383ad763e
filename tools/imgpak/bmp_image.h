#pragma once
// Reading a Windows bitmap (".bmp") held whole in memory: the checks that
// decide whether imgpak can convert it, and bounds-checked access to its
// palette and pixel rows.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace imgpak {

// The largest picture side in tiles: the resource stores each side in one byte.
inline constexpr int kMaxTilesASide = 255;
inline constexpr int kTileSide = 8;

struct PaletteEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;

    bool isGrey() const { return red == green && green == blue; }
    bool isBlack() const { return isGrey() && red == 0; }
};

// A bitmap that passed every check of readBmp(): a bottom-up, uncompressed
// 1- or 8-bit picture of 8 to 2040 pixels a side, both multiples of 8, whose
// pixel rows lie wholly inside the file. It refers to the file's bytes,
// which must outlive it.
class BmpImage {
  public:
    BmpImage(std::span<const std::uint8_t> pixels, int width, int height, int bitsPerPixel,
             std::vector<PaletteEntry> palette);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int bitsPerPixel() const { return m_bitsPerPixel; }
    int widthTiles() const { return m_width / kTileSide; }
    int heightTiles() const { return m_height / kTileSide; }
    const std::vector<PaletteEntry>& palette() const { return m_palette; }

    // The width() / 8 (1 bit) or width() (8 bits) bytes of picture row y,
    // counted from the top; the row padding is not included.
    std::span<const std::uint8_t> row(int y) const;

  private:
    std::span<const std::uint8_t> m_pixels; // file rows, bottom row first
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    std::size_t m_rowStride = 0;
    std::vector<PaletteEntry> m_palette;
};

// Bytes of one stored row: rows are padded to a multiple of four bytes.
std::size_t bmpRowStride(int width, int bitsPerPixel);

// Checks `file` in this order and returns the picture, or throws
// ConvertError with the message for the first check that fails:
// the magic "BM"; a complete 40-byte info header (other header sizes are
// rejected with advice on how to save the picture); width and height
// multiples of 8; 1 or 8 bits per pixel; no compression; bottom-up rows;
// at most 255 tiles and at least one tile a side; a pixel-data offset
// inside the file and all rows before its end. The palette holds the
// entries the header declares (all 2 or 256 when it says 0), cut to those
// that lie wholly between the info header and the pixel data.
// `path` names the file in messages.
BmpImage readBmp(std::span<const std::uint8_t> file, const std::string& path);

} // namespace imgpak
