#include "tools/hdrgen/byte_source.h"

#include <algorithm>

namespace hdrgen {

std::size_t MemorySource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    if (offset >= m_bytes.size()) {
        return 0;
    }
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), m_bytes.size() - offset));
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, out.begin());
    return count;
}

} // namespace hdrgen
