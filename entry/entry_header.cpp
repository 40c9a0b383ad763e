#include "entry/entry_header.h"

#include "entry/byte_order.h"

#include <algorithm>

namespace pf {
namespace {

// Offsets inside the 128-byte header.
constexpr std::size_t kNameAt = 64;
constexpr std::size_t kInfoAt = 80;
constexpr std::size_t kReservedAt = 104;
constexpr std::size_t kSizeAt = 108;
constexpr std::size_t kBlocksAt = 112;
constexpr std::size_t kModeAt = 114;
constexpr std::size_t kDateAt = 116;
constexpr std::size_t kAppidAt = 120;
constexpr std::size_t kResourceOffsetAt = 124;

template <std::size_t N> void copyCut(std::array<char, N>& field, std::string_view text) {
    field.fill('\0');
    std::copy_n(text.begin(), std::min(text.size(), N), field.begin());
}

template <std::size_t N> std::string textOf(const std::array<char, N>& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

} // namespace

std::uint16_t blockCount(std::uint32_t size) {
    return static_cast<std::uint16_t>((static_cast<std::uint64_t>(size) + kBlockSize - 1) / kBlockSize);
}

EntryRecord makeEntryRecord(std::string_view name, std::string_view info, std::uint16_t mode,
                            std::int32_t appid, std::uint32_t size, std::int32_t resourceOffset,
                            std::uint32_t date) {
    EntryRecord r;
    copyCut(r.name, name);
    copyCut(r.info, info);
    r.mode = mode;
    r.appid = appid;
    r.size = size;
    r.blocks = blockCount(size);
    r.resourceOffset = resourceOffset;
    r.date = date;
    return r;
}

std::array<std::uint8_t, kEntryHeaderSize> encodeEntryHeader(const EntryRecord& r) {
    std::array<std::uint8_t, kEntryHeaderSize> h{};
    std::copy(kEntryMagic.begin(), kEntryMagic.end(), h.begin());
    std::fill(h.begin() + kEntryMagic.size(), h.begin() + kEntryRecordOffset, 0xFF);
    std::copy(r.name.begin(), r.name.end(), h.begin() + kNameAt);
    std::copy(r.info.begin(), r.info.end(), h.begin() + kInfoAt);
    putLe32(&h[kReservedAt], r.reserved);
    putLe32(&h[kSizeAt], r.size);
    putLe16(&h[kBlocksAt], r.blocks);
    putLe16(&h[kModeAt], r.mode);
    putLe32(&h[kDateAt], r.date);
    putLe32(&h[kAppidAt], static_cast<std::uint32_t>(r.appid));
    putLe32(&h[kResourceOffsetAt], static_cast<std::uint32_t>(r.resourceOffset));
    return h;
}

bool hasEntryMagic(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kEntryMagic.size() &&
           std::equal(kEntryMagic.begin(), kEntryMagic.end(), bytes.begin());
}

std::optional<EntryRecord> decodeEntryHeader(std::span<const std::uint8_t> h) {
    if (h.size() < kEntryHeaderSize || !hasEntryMagic(h)) {
        return std::nullopt;
    }
    EntryRecord r;
    std::copy_n(h.begin() + kNameAt, kEntryNameSize, r.name.begin());
    std::copy_n(h.begin() + kInfoAt, kEntryInfoSize, r.info.begin());
    r.reserved = getLe32(&h[kReservedAt]);
    r.size = getLe32(&h[kSizeAt]);
    r.blocks = getLe16(&h[kBlocksAt]);
    r.mode = getLe16(&h[kModeAt]);
    r.date = getLe32(&h[kDateAt]);
    r.appid = static_cast<std::int32_t>(getLe32(&h[kAppidAt]));
    r.resourceOffset = static_cast<std::int32_t>(getLe32(&h[kResourceOffsetAt]));
    return r;
}

std::uint32_t codeLength(const EntryRecord& r) {
    return r.resourceOffset == kNoResources ? r.size : static_cast<std::uint32_t>(r.resourceOffset);
}

std::string recordName(const EntryRecord& r) {
    return textOf(r.name);
}

std::string recordInfo(const EntryRecord& r) {
    return textOf(r.info);
}

std::string modeLetterString(std::uint16_t mode) {
    std::string letters;
    for (std::size_t bit = 0; bit < kModeLetters.size(); ++bit) {
        if (mode & (1u << bit)) {
            letters += kModeLetters[bit];
        }
    }
    return letters;
}

} // namespace pf
