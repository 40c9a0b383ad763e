#include "tools/audpak/converter.h"

namespace audpak {

void ResultBuffer::require(std::size_t end) {
    if (end > kResultCapacity) {
        throw ConvertError("resource too large: more than 65534 bytes\r\n");
    }
}

void ResultBuffer::put8(std::size_t offset, std::uint8_t value) {
    require(offset + 1);
    m_bytes[offset] = value;
}

void ResultBuffer::put16(std::size_t offset, std::uint16_t value) {
    require(offset + 2);
    m_bytes[offset] = static_cast<std::uint8_t>(value);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint8_t ResultBuffer::get8(std::size_t offset) const {
    require(offset + 1);
    return m_bytes[offset];
}

std::uint16_t ResultBuffer::get16(std::size_t offset) const {
    require(offset + 2);
    return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
}

} // namespace audpak
