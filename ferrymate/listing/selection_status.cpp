#include "ferrymate/listing/selection_status.h"

#include "ferrymate/listing/byte_size_text.h"

namespace pf {

std::uint32_t selectedSize(const FileListVector& listing, std::span<const std::size_t> rows) {
    std::uint32_t total = 0;
    for (std::size_t row : rows)
        if (row < listing.size())
            total += static_cast<std::uint32_t>(listing[row].size);
    return total;
}

std::string selectionStatusText(std::uint32_t selectedBytes, std::uint32_t freeBytes) {
    return FormatByteSize(selectedBytes) + " [空き容量 " + FormatByteSize(freeBytes) + "]";
}

std::string selectionStatusText(const FileListVector& listing, std::span<const std::size_t> rows) {
    return selectionStatusText(selectedSize(listing, rows), listing.FreeSpace());
}

} // namespace pf
