#pragma once
// Hand-built RIFF/WAVE files for the wave converter's tests.

#include <cstdint>
#include <string>
#include <string_view>

namespace audpak::test {

inline std::string le16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
inline std::string le32(std::uint32_t v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

inline std::string chunk(std::string_view id, std::string_view data) {
    return std::string(id) + le32(static_cast<std::uint32_t>(data.size())) + std::string(data);
}

// A chunk whose size field claims `size` bytes whatever follows.
inline std::string chunkClaiming(std::string_view id, std::uint32_t size, std::string_view data) {
    return std::string(id) + le32(size) + std::string(data);
}

inline std::string formatChunk(unsigned tag, unsigned channels, unsigned blockAlign, unsigned bits = 8) {
    return chunk("fmt ", le16(tag) + le16(channels) + le32(8000) + le32(8000 * blockAlign) +
                             le16(blockAlign) + le16(bits));
}

inline std::string riff(std::string_view chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + std::string(chunks);
}

inline std::string mono8(std::string_view samples) {
    return riff(formatChunk(1, 1, 1) + chunk("data", samples));
}

} // namespace audpak::test
