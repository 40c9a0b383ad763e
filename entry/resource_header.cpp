#include "entry/resource_header.h"

#include "entry/byte_order.h"

#include <cassert>

namespace pf {

std::uint16_t resourceLengthUnits(std::size_t bytes) {
    return static_cast<std::uint16_t>((bytes + kResourceUnit - 1) / kResourceUnit);
}

ResourceHeader makeResourceHeader(std::array<char, 2> type, std::size_t bytes, std::int16_t id) {
    return ResourceHeader{type, resourceLengthUnits(bytes), id};
}

std::array<std::uint8_t, kResourceHeaderSize> encodeResourceHeader(const ResourceHeader& h) {
    std::array<std::uint8_t, kResourceHeaderSize> out{};
    out[0] = 'V';
    out[1] = 'R';
    out[2] = static_cast<std::uint8_t>(h.type[0]);
    out[3] = static_cast<std::uint8_t>(h.type[1]);
    putLe16(&out[4], h.length);
    putLe16(&out[6], static_cast<std::uint16_t>(h.id));
    return out;
}

void writeResourceHeader(std::span<std::uint8_t> out, const ResourceHeader& header) {
    assert(out.size() >= kResourceHeaderSize);
    const auto bytes = encodeResourceHeader(header);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out[i] = bytes[i];
    }
}

std::optional<ResourceHeader> decodeResourceHeader(std::span<const std::uint8_t> b) {
    if (b.size() < kResourceHeaderSize || b[0] != 'V' || b[1] != 'R') {
        return std::nullopt;
    }
    ResourceHeader h;
    h.type = {static_cast<char>(b[2]), static_cast<char>(b[3])};
    h.length = getLe16(&b[4]);
    h.id = static_cast<std::int16_t>(getLe16(&b[6]));
    return h;
}

std::size_t padToUnit(std::size_t bytes) {
    return (bytes + kResourceUnit - 1) / kResourceUnit * kResourceUnit;
}

} // namespace pf
