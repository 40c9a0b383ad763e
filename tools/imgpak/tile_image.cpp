#include "tools/imgpak/tile_image.h"

#include "tools/imgpak/colour_survey.h"

namespace imgpak {
namespace {

constexpr int kShadeDigits = 4;
constexpr int kShadeStep = 32;

// Calls `row(x, y)` for every tile row in resource order and collects the values.
template <typename RowValue> std::vector<std::uint16_t> collectRows(const BmpImage& image, RowValue row) {
    std::vector<std::uint16_t> rows;
    rows.reserve(static_cast<std::size_t>(image.widthTiles()) * static_cast<std::size_t>(image.height()));
    for (int tileY = 0; tileY < image.heightTiles(); ++tileY) {
        for (int tileX = 0; tileX < image.widthTiles(); ++tileX) {
            for (int line = 0; line < kTileSide; ++line) {
                rows.push_back(row(tileX, tileY * kTileSide + line));
            }
        }
    }
    return rows;
}

TileImage convertMono(const BmpImage& image) {
    TileImage tiles;
    tiles.format = TileFormat::Mono;
    tiles.shades = {0, 0xFF, 0, 0};
    // With black as colour 0 a clear bit is black: invert, so that a set bit
    // always marks a black pixel.
    const std::uint8_t flip = image.palette().front().isBlack() ? 0xFF : 0x00;
    tiles.rows = collectRows(image, [&](int tileX, int y) -> std::uint16_t {
        return static_cast<std::uint8_t>(image.row(y)[static_cast<std::size_t>(tileX)] ^ flip);
    });
    return tiles;
}

TileImage convertLevels(const BmpImage& image) {
    const ColourSurvey survey(image);
    TileImage tiles;
    tiles.format = survey.format();
    tiles.shades = survey.shades();
    std::array<std::uint8_t, 256> levels{};
    for (std::size_t i = 0; i < image.palette().size(); ++i) {
        levels[i] = survey.level(image.palette()[i]);
    }
    tiles.rows = collectRows(image, [&](int tileX, int y) -> std::uint16_t {
        const auto pixels = image.row(y).subspan(static_cast<std::size_t>(tileX * kTileSide), kTileSide);
        unsigned word = 0;
        for (const std::uint8_t index : pixels) {
            const unsigned level = levels[index];
            word = (word << 1) | (level & 1u) | ((level & 2u) << 7);
        }
        return static_cast<std::uint16_t>(word);
    });
    return tiles;
}

} // namespace

std::string_view formatName(TileFormat format) {
    switch (format) {
    case TileFormat::Mono:
        return "mono";
    case TileFormat::FourGreys:
        return "4colors";
    case TileFormat::ThreeColours:
        return "3colors";
    }
    return "mono";
}

TileImage convertTiles(const BmpImage& image) {
    TileImage tiles = image.bitsPerPixel() == 1 ? convertMono(image) : convertLevels(image);
    tiles.widthTiles = image.widthTiles();
    tiles.heightTiles = image.heightTiles();
    return tiles;
}

void applyShadeOverride(TileImage& image, std::uint32_t value) {
    if (value == 0) {
        return;
    }
    for (int k = 0; k < kShadeDigits; ++k) {
        const unsigned digit = (value >> (4 * k)) & 0xFu;
        image.shades[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(digit % 8 * kShadeStep);
    }
}

} // namespace imgpak
