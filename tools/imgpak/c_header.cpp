#include "tools/imgpak/c_header.h"

#include "tools/imgpak/bmp_image.h"

namespace imgpak {
namespace {

constexpr int kNarrowWidthTiles = 4;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

void appendHex(std::string& out, unsigned value, int digits) {
    out += "0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += kHexDigits[(value >> shift) & 0xFu];
    }
    out += ", ";
}

int blankLineLimit(int widthTiles) {
    return widthTiles > kNarrowWidthTiles ? widthTiles : widthTiles * widthTiles;
}

} // namespace

std::string_view elementType(const TileImage& image) {
    return image.isMono() ? "char" : "short";
}

std::string renderCHeader(const FormatTemplate& frame, const TileImage& image, std::string_view symbol) {
    const FormatValues values{std::string(symbol), image.widthTiles, image.heightTiles,
                              std::string(elementType(image))};
    std::string out = frame.render(values);
    const int digits = image.isMono() ? 2 : 4;
    const int limit = blankLineLimit(image.widthTiles);
    int sinceBlank = 0;
    std::size_t row = 0;
    for (int tileY = 0; tileY < image.heightTiles; ++tileY) {
        for (int tileX = 0; tileX < image.widthTiles; ++tileX) {
            out += '\t';
            for (int line = 0; line < kTileSide; ++line) {
                appendHex(out, image.rows[row++], digits);
            }
            out += kLineEnd;
        }
        sinceBlank += image.widthTiles;
        if (sinceBlank >= limit) {
            out += kLineEnd;
            sinceBlank = 0;
        }
    }
    out += "};";
    out += kLineEnd;
    return out;
}

} // namespace imgpak
