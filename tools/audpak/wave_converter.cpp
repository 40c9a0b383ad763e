#include "tools/audpak/wave_converter.h"

#include "entry/byte_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace audpak {

namespace {

constexpr std::size_t kSampleHeaderSize = 16;
constexpr std::size_t kChunkHeaderSize = 8;
// Format tag, channels, sample rate, byte rate, block alignment: the
// fields checked; the bits per sample that may follow are not needed.
constexpr std::uint64_t kFormatFieldsSize = 14;

struct Chunk {
    std::string_view id;
    std::uint64_t size = 0;
    std::uint64_t data = 0; // offset of the chunk's data in the file
};

const std::uint8_t* bytesAt(const Source& source, std::uint64_t offset) {
    return reinterpret_cast<const std::uint8_t*>(source.text.data()) + offset;
}

[[noreturn]] void fail(const char* message) {
    throw ConvertError(message);
}

void checkFormat(const Source& source, const Chunk& chunk) {
    if (chunk.size < kFormatFieldsSize || chunk.data + kFormatFieldsSize > source.text.size()) {
        fail("unknown format\r\n");
    }
    const std::uint8_t* fields = bytesAt(source, chunk.data);
    const bool pcm = pf::getLe16(fields) == 1;
    const bool mono = pf::getLe16(fields + 2) == 1;
    const bool oneBytePerSample = pf::getLe16(fields + 12) == 1;
    if (!pcm || !mono || !oneBytePerSample) {
        fail("accept only 8bit mono wave format\r\n");
    }
}

std::size_t buildSamples(const Source& source, const Chunk& chunk, ResultBuffer& out) {
    if (chunk.size + kSampleHeaderSize > ResultBuffer::capacity()) {
        fail("data too large\r\n");
    }
    if (chunk.data + chunk.size > source.text.size()) {
        fail("truncated wave data\r\n");
    }
    const auto count = static_cast<std::size_t>(chunk.size);
    out.put16(8, static_cast<std::uint16_t>(count));
    out.put16(10, 1);
    out.put16(12, 0);
    out.put16(14, 0);
    ResultBuffer::require(kSampleHeaderSize + count);
    std::memcpy(out.data() + kSampleHeaderSize, bytesAt(source, chunk.data), count);
    return kSampleHeaderSize + count;
}

} // namespace

std::size_t convertWave(const Source& source, ResultBuffer& out, Listing*, int) {
    const std::string_view file = source.text;
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") {
        fail("unknown format\r\n");
    }
    const std::uint64_t riffEnd = 8 + static_cast<std::uint64_t>(pf::getLe32(bytesAt(source, 4)));
    bool formatSeen = false;
    for (std::uint64_t at = 12; at < riffEnd && at + kChunkHeaderSize <= file.size();) {
        const Chunk chunk{file.substr(static_cast<std::size_t>(at), 4), pf::getLe32(bytesAt(source, at + 4)),
                          at + kChunkHeaderSize};
        if (chunk.id == "fmt ") {
            checkFormat(source, chunk);
            formatSeen = true;
        } else if (chunk.id == "data") {
            if (!formatSeen) {
                fail("unknown format\r\n");
            }
            return buildSamples(source, chunk, out);
        }
        at = chunk.data + chunk.size; // no pad byte is skipped
    }
    fail("no data chunk\r\n");
}

} // namespace audpak
