#include "tools/imgpak/image_resource.h"

#include "entry/byte_order.h"
#include "entry/entry_header.h"
#include "entry/resource_header.h"

#include <algorithm>

namespace imgpak {
namespace {

constexpr std::size_t kWidthAt = 8;
constexpr std::size_t kHeightAt = 9;
constexpr std::size_t kFormatAt = 10;
constexpr std::size_t kShadesAt = 12;

std::size_t bytesPerRow(const TileImage& image) {
    return image.isMono() ? 1 : 2;
}

} // namespace

std::size_t imageResourceLength(const TileImage& image) {
    return kImageHeadSize + image.rows.size() * bytesPerRow(image);
}

std::vector<std::uint8_t> encodeImageResource(const TileImage& image, std::array<char, 2> type,
                                              std::int16_t id) {
    const std::size_t length = imageResourceLength(image);
    std::vector<std::uint8_t> out(length, 0);
    pf::writeResourceHeader(out, pf::makeResourceHeader(type, length, id));
    out[kWidthAt] = static_cast<std::uint8_t>(image.widthTiles);
    out[kHeightAt] = static_cast<std::uint8_t>(image.heightTiles);
    out[kFormatAt] = static_cast<std::uint8_t>(image.format);
    std::copy(image.shades.begin(), image.shades.end(), out.begin() + kShadesAt);
    std::uint8_t* at = out.data() + kImageHeadSize;
    for (const std::uint16_t row : image.rows) {
        if (image.isMono()) {
            *at++ = static_cast<std::uint8_t>(row);
        } else {
            pf::putLe16(at, row);
            at += 2;
        }
    }
    return out;
}

std::vector<std::uint8_t> wrapInEntry(const std::vector<std::uint8_t>& resource, std::string_view entryName,
                                      std::uint32_t date) {
    const auto size = static_cast<std::uint32_t>(resource.size());
    const auto record = pf::makeEntryRecord(entryName, entryName, pf::kDefaultEntryMode, 0, size, 0, date);
    const auto header = pf::encodeEntryHeader(record);
    std::vector<std::uint8_t> out(header.size() + resource.size());
    const auto resourceAt = std::copy(header.begin(), header.end(), out.begin());
    std::copy(resource.begin(), resource.end(), resourceAt);
    return out;
}

} // namespace imgpak
