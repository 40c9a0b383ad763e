#pragma once
// The image resource (".vr"): the 8-byte resource header, the image head
// (size in tiles, format, shade bytes) and the tiles; and its file entry.

#include "tools/imgpak/tile_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace imgpak {

inline constexpr std::size_t kImageHeadSize = 16;
inline constexpr std::array<char, 2> kDefaultImageType{'B', 'M'};

// Bytes of the resource: 16 + 8 per monochrome tile, 16 per tile of levels.
std::size_t imageResourceLength(const TileImage& image);

std::vector<std::uint8_t> encodeImageResource(const TileImage& image, std::array<char, 2> type,
                                              std::int16_t id);

// A file entry holding `resource` alone: name and description are the first
// 16 and 24 bytes of `entryName`, mode 6 ("wr"), resource offset 0.
std::vector<std::uint8_t> wrapInEntry(const std::vector<std::uint8_t>& resource, std::string_view entryName,
                                      std::uint32_t date);

} // namespace imgpak
