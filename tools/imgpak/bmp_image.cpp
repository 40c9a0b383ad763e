#include "tools/imgpak/bmp_image.h"

#include "entry/byte_order.h"
#include "tools/imgpak/convert_error.h"

#include <algorithm>
#include <string_view>

namespace imgpak {
namespace {

// Layout of the file header (14 bytes) and the 40-byte info header after it.
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kInfoAt = 14;
constexpr std::size_t kInfoSize = 40;
constexpr std::size_t kWidthAt = kInfoAt + 4;
constexpr std::size_t kHeightAt = kInfoAt + 8;
constexpr std::size_t kBitsAt = kInfoAt + 14;
constexpr std::size_t kCompressionAt = kInfoAt + 16;
constexpr std::size_t kColoursUsedAt = kInfoAt + 32;
constexpr std::size_t kPaletteAt = kInfoAt + kInfoSize;
constexpr std::size_t kPaletteEntrySize = 4;
constexpr int kMaxSide = kMaxTilesASide * kTileSide;

void checkMagic(std::span<const std::uint8_t> file, const std::string& path) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
        fail("%s is not BMP file\r\n", path.c_str());
    }
}

void checkInfoHeader(std::span<const std::uint8_t> file, const std::string& path) {
    if (file.size() < kInfoAt + 4) {
        fail("%s: the bitmap header is incomplete\r\n", path.c_str());
    }
    const std::uint32_t size = pf::getLe32(&file[kInfoAt]);
    if (size != kInfoSize) {
        fail("%s: a BMP info header of %u bytes is not supported; save the picture as a Windows 3 BMP "
             "with a 40-byte header (ImageMagick: convert in.png -compress none BMP3:out.bmp)\r\n",
             path.c_str(), static_cast<unsigned>(size));
    }
    if (file.size() < kPaletteAt) {
        fail("%s: the bitmap header is incomplete\r\n", path.c_str());
    }
}

void checkShape(int width, int height, int bits, std::uint32_t compression, const std::string& path) {
    if (width % kTileSide != 0 || height % kTileSide != 0) {
        fail("width and height must be a multiple of 8\r\n");
    }
    if (bits != 1 && bits != 8) {
        fail("accept only mono or 256 color format\r\n");
    }
    if (compression != 0) {
        fail("%s: compressed BMP (compression %u) is not supported; save the picture uncompressed "
             "(ImageMagick: -compress none)\r\n",
             path.c_str(), static_cast<unsigned>(compression));
    }
    if (height < 0) {
        fail("%s: a top-down BMP (negative height) is not supported; save the picture with its rows "
             "bottom-up, as Windows 3 BMP writers do\r\n",
             path.c_str());
    }
    if (width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        fail("%s: %d x %d pixels cannot be converted; width and height must be 8 to 2040 pixels "
             "(1 to 255 tiles)\r\n",
             path.c_str(), width, height);
    }
}

std::vector<PaletteEntry> readPalette(std::span<const std::uint8_t> file, int bits, std::size_t pixelsAt) {
    const std::size_t full = std::size_t{1} << bits;
    const std::uint32_t declared = pf::getLe32(&file[kColoursUsedAt]);
    std::size_t count = declared == 0 ? full : std::min<std::size_t>(declared, full);
    const std::size_t end = std::min(pixelsAt, file.size());
    const std::size_t room = end > kPaletteAt ? (end - kPaletteAt) / kPaletteEntrySize : 0;
    count = std::min(count, room);
    std::vector<PaletteEntry> palette(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = &file[kPaletteAt + i * kPaletteEntrySize];
        palette[i] = PaletteEntry{p[0], p[1], p[2]};
    }
    return palette;
}

std::span<const std::uint8_t> pixelData(std::span<const std::uint8_t> file, std::size_t pixelsAt,
                                        std::size_t length, const std::string& path) {
    if (pixelsAt < kPaletteAt || pixelsAt > file.size()) {
        fail("%s: the pixel data offset %zu does not lie between the bitmap header and the end of the "
             "file (%zu bytes)\r\n",
             path.c_str(), pixelsAt, file.size());
    }
    if (file.size() - pixelsAt < length) {
        fail("%s: the file ends inside the pixel data (%zu of %zu bytes present)\r\n", path.c_str(),
             file.size() - pixelsAt, length);
    }
    return file.subspan(pixelsAt, length);
}

// The first pixel, from the top left, whose colour index has no palette entry.
void checkPaletteIndices(const BmpImage& image, const std::string& path) {
    const std::size_t colours = image.palette().size();
    if (colours >= (std::size_t{1} << image.bitsPerPixel())) {
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const unsigned index = image.bitsPerPixel() == 8
                                       ? row[static_cast<std::size_t>(x)]
                                       : (row[static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1u;
            if (index >= colours) {
                fail("%s: pixel (%d, %d) uses colour %u, but the palette has only %zu %s\r\n", path.c_str(),
                     x, y, index, colours, colours == 1 ? "entry" : "entries");
            }
        }
    }
}

} // namespace

BmpImage::BmpImage(std::span<const std::uint8_t> pixels, int width, int height, int bitsPerPixel,
                   std::vector<PaletteEntry> palette)
    : m_pixels(pixels), m_width(width), m_height(height), m_bitsPerPixel(bitsPerPixel),
      m_rowStride(bmpRowStride(width, bitsPerPixel)), m_palette(std::move(palette)) {}

std::span<const std::uint8_t> BmpImage::row(int y) const {
    const auto fileRow = static_cast<std::size_t>(m_height - 1 - y);
    const auto bytes = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_bitsPerPixel) / 8;
    return m_pixels.subspan(fileRow * m_rowStride, bytes);
}

std::size_t bmpRowStride(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(bitsPerPixel) * static_cast<std::size_t>(width) + 31) / 32 * 4;
}

BmpImage readBmp(std::span<const std::uint8_t> file, const std::string& path) {
    checkMagic(file, path);
    checkInfoHeader(file, path);
    const auto width = static_cast<std::int32_t>(pf::getLe32(&file[kWidthAt]));
    const auto height = static_cast<std::int32_t>(pf::getLe32(&file[kHeightAt]));
    const int bits = pf::getLe16(&file[kBitsAt]);
    checkShape(width, height, bits, pf::getLe32(&file[kCompressionAt]), path);

    const std::size_t pixelsAt = pf::getLe32(&file[kPixelOffsetAt]);
    auto palette = readPalette(file, bits, pixelsAt);
    const std::size_t length = bmpRowStride(width, bits) * static_cast<std::size_t>(height);
    BmpImage image(pixelData(file, pixelsAt, length, path), width, height, bits, std::move(palette));
    checkPaletteIndices(image, path);
    return image;
}

} // namespace imgpak
