// Any bytes as a bitmap: imgpak either refuses them with a message or
// converts them into a resource and a C header whose sizes follow from the
// picture's size.

#include "tools/imgpak/bmp_image.h"
#include "tools/imgpak/c_header.h"
#include "tools/imgpak/convert_error.h"
#include "tools/imgpak/format_template.h"
#include "tools/imgpak/image_resource.h"
#include "tools/imgpak/tile_image.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace imgpak;
    static const FormatTemplate frame = FormatTemplate::parse("%s %d %s %d %s %s\r\n", "format");
    try {
        const BmpImage image = readBmp(std::span(data, size), "fuzz.bmp");
        TileImage tiles = convertTiles(image);
        applyShadeOverride(tiles, size > 0 ? data[0] * 0x01010101u : 0);
        const auto resource = encodeImageResource(tiles, {'B', 'M'}, 0);
        const std::size_t tileCount = static_cast<std::size_t>(image.widthTiles()) * image.heightTiles();
        if (resource.size() != kImageHeadSize + tileCount * (tiles.isMono() ? 8 : 16)) {
            std::abort();
        }
        const std::string header = renderCHeader(frame, tiles, "fuzz");
        if (header.size() < tileCount * (tiles.isMono() ? 51 : 67)) {
            std::abort();
        }
    } catch (const ConvertError&) {
    }
    return 0;
}
