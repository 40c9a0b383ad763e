#pragma once
// Bitmaps built byte by byte for imgpak's tests, and the three pictures
// that tests/data/imgpak/make_fixtures.sh also draws with ImageMagick and
// Pillow, with their image resources worked out by hand.

#include "entry/byte_order.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace imgpak::test {

using Rgb = std::array<std::uint8_t, 3>;
using Bytes = std::vector<std::uint8_t>;

// What buildBmp() writes: a Windows 3 bitmap unless a field says otherwise.
struct BmpSpec {
    int width = 8;
    int height = 8;
    int bits = 8;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices; // width x height colour indices, top row first
    std::uint32_t infoSize = 40;       // bytes after 40 are written as zeros
    std::uint32_t compression = 0;
    bool topDown = false;
    std::uint32_t coloursUsed = 0;
    std::optional<std::uint32_t> pixelOffset; // default: right after the palette
};

inline Bytes buildBmp(const BmpSpec& s) {
    const std::size_t stride = (static_cast<std::size_t>(s.bits) * s.width + 31) / 32 * 4;
    const std::size_t paletteAt = 14 + s.infoSize;
    const std::size_t pixelsAt = s.pixelOffset.value_or(paletteAt + 4 * s.palette.size());
    Bytes b(std::max(paletteAt + 4 * s.palette.size(), pixelsAt) + stride * s.height, 0);
    b[0] = 'B';
    b[1] = 'M';
    pf::putLe32(&b[2], static_cast<std::uint32_t>(b.size()));
    pf::putLe32(&b[10], static_cast<std::uint32_t>(pixelsAt));
    pf::putLe32(&b[14], s.infoSize);
    pf::putLe32(&b[18], static_cast<std::uint32_t>(s.width));
    pf::putLe32(&b[22], static_cast<std::uint32_t>(s.topDown ? -s.height : s.height));
    pf::putLe16(&b[26], 1);
    pf::putLe16(&b[28], static_cast<std::uint16_t>(s.bits));
    pf::putLe32(&b[30], s.compression);
    pf::putLe32(&b[46], s.coloursUsed);
    for (std::size_t i = 0; i < s.palette.size(); ++i) {
        b[paletteAt + 4 * i] = s.palette[i][2];
        b[paletteAt + 4 * i + 1] = s.palette[i][1];
        b[paletteAt + 4 * i + 2] = s.palette[i][0];
    }
    for (int y = 0; y < s.height && !s.indices.empty(); ++y) {
        const int fileRow = s.topDown ? y : s.height - 1 - y;
        std::uint8_t* row = &b[pixelsAt + stride * fileRow];
        for (int x = 0; x < s.width; ++x) {
            const std::uint8_t index = s.indices[static_cast<std::size_t>(y * s.width + x)];
            if (s.bits == 8) {
                row[x] = index;
            } else {
                row[x / 8] |= static_cast<std::uint8_t>((index & 1) << (7 - x % 8));
            }
        }
    }
    return b;
}

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kLight{0xC0, 0xC0, 0xC0}; // darkness 0x3F
inline constexpr Rgb kDark{0x40, 0x40, 0x40};  // darkness 0xBF
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

// A picture drawn as text rows; each character is a colour of `key`, whose
// order is the palette order.
inline BmpSpec drawnPicture(const std::vector<std::string>& rows, const std::map<char, Rgb>& colours,
                            const std::string& key, int bits) {
    BmpSpec s;
    s.bits = bits;
    s.width = static_cast<int>(rows.front().size());
    s.height = static_cast<int>(rows.size());
    for (const char c : key) {
        s.palette.push_back(colours.at(c));
    }
    for (const auto& row : rows) {
        for (const char c : row) {
            s.indices.push_back(static_cast<std::uint8_t>(key.find(c)));
        }
    }
    return s;
}

inline const std::map<char, Rgb> kColours{{'W', kWhite}, {'.', kWhite},   {'L', kLight}, {'D', kDark},
                                          {'B', kBlack}, {'M', kMagenta}, {'R', kRed}};

// 16 x 8, two tiles: a diagonal, and a triangle growing one pixel a row.
inline const std::vector<std::string> kMonoRows{
    "B...............", ".B......B.......", "..B.....BB......", "...B....BBB.....",
    "....B...BBBB....", ".....B..BBBBB...", "......B.BBBBBB..", ".......BBBBBBBB.",
};
// 16 x 8 with white, the greys 0xC0 and 0x40, and black; kColourRows adds
// one magenta pixel at the start of row 2.
inline const std::vector<std::string> kGreyRows{
    "WLDBWWWWBBBBBBBB", "BDLWBDLWWWWWWWWW", "WWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW", "BBBBBBBBWWWWWWWB",
};
inline const std::vector<std::string> kColourRows{
    "WLDBWWWWBBBBBBBB", "BDLWBDLWWWWWWWWW", "MWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW",
    "WWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW", "WWWWWWWWWWWWWWWW", "BBBBBBBBWWWWWWWB",
};

// Head "VR" "BM", 2 units, id 0; 2 x 1 tiles, mono, shades 0 FF 0 0.
inline const Bytes kMonoResource{
    'V',  'R',  'B',  'M',  0x02, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00,
    0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01, 0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE,
};
// Four greys: shades 0, 3F (lightest grey), BF (darkest), FF. Levels W 0,
// L 1, D 2, B 3; "WLDBWWWW" is the word 0x3050, "BDLWBDLW" 0xCCAA.
inline const Bytes kGreyResource{
    'V',  'R',  'B',  'M',  0x03, 0x00, 0x00, 0x00, 0x02, 0x01, 0x01, 0x00, 0x00, 0x3F, 0xBF, 0xFF,
    0x50, 0x30, 0xAA, 0xCC, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01,
};
// Three colours: shades 0, 0, BF, FF. Levels M 0, W 1, L and D 2, B 3.
inline const Bytes kColourResource{
    'V',  'R',  'B',  'M',  0x03, 0x00, 0x00, 0x00, 0x02, 0x01, 0x02, 0x00, 0x00, 0x00, 0xBF, 0xFF,
    0x9F, 0x70, 0x99, 0xEE, 0x7F, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x01,
};

inline Bytes monoBmp(const std::string& key = "B.") {
    return buildBmp(drawnPicture(kMonoRows, kColours, key, 1));
}
inline Bytes greyBmp() {
    return buildBmp(drawnPicture(kGreyRows, kColours, "BDLWR", 8));
}
inline Bytes colourBmp() {
    return buildBmp(drawnPicture(kColourRows, kColours, "WMLDBR", 8));
}

} // namespace imgpak::test
