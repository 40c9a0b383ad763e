#pragma once
// The status-bar text of one file view: the total size of the selected
// records and the free space of the listed place.

#include "ferrymate/listing/file_list_vector.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pf {

// Sum of the sizes of the records at `rows`, modulo 2^32 as the status bar
// shows it. Rows past the end of the listing are ignored.
std::uint32_t selectedSize(const FileListVector& listing, std::span<const std::size_t> rows);

// "<selected> [空き容量 <free>]", both as FormatByteSize texts.
std::string selectionStatusText(std::uint32_t selectedBytes, std::uint32_t freeBytes);

// The text for the listing and the selected rows.
std::string selectionStatusText(const FileListVector& listing, std::span<const std::size_t> rows);

} // namespace pf
