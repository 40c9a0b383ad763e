#pragma once
// The 128-byte header of a file entry (".vx"): the magic "#!ws", 60 filler
// bytes 0xFF and the 64-byte record that carries the directory information.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pf {

inline constexpr std::size_t kEntryHeaderSize = 128;
inline constexpr std::size_t kEntryRecordOffset = 64;
inline constexpr std::size_t kEntryNameSize = 16;
inline constexpr std::size_t kEntryInfoSize = 24;
inline constexpr std::size_t kBlockSize = 128;
inline constexpr std::string_view kEntryMagic = "#!ws";
// Attribute letters in bit order, bit 0 first.
inline constexpr std::string_view kModeLetters = "xwrmsild";
// The mode of a wrapped plain file and of every converter entry ("wr").
inline constexpr std::uint16_t kDefaultEntryMode = 6;
inline constexpr std::int32_t kNoResources = -1;

struct EntryRecord {
    std::array<char, kEntryNameSize> name{}; // zero-padded, no terminator when full
    std::array<char, kEntryInfoSize> info{};
    std::uint32_t reserved = 0;
    std::uint32_t size = 0; // data bytes after the header
    std::uint16_t blocks = 0;
    std::uint16_t mode = 0;
    std::uint32_t date = 0;
    std::int32_t appid = 0;
    std::int32_t resourceOffset = kNoResources;

    bool operator==(const EntryRecord&) const = default;
};

// Number of 128-byte blocks of `size` data bytes, as the 16-bit field holds it.
std::uint16_t blockCount(std::uint32_t size);

// A record with name and description cut to 16 and 24 bytes, `blocks`
// derived from `size`, and `reserved` zero.
EntryRecord makeEntryRecord(std::string_view name, std::string_view info, std::uint16_t mode,
                            std::int32_t appid, std::uint32_t size, std::int32_t resourceOffset,
                            std::uint32_t date);

std::array<std::uint8_t, kEntryHeaderSize> encodeEntryHeader(const EntryRecord& record);

// True when the bytes begin with "#!ws"; fewer than four bytes is no entry.
bool hasEntryMagic(std::span<const std::uint8_t> bytes);

// Reads a header: the magic must be "#!ws", the filler is not checked.
// nullopt when fewer than 128 bytes are given or the magic differs.
std::optional<EntryRecord> decodeEntryHeader(std::span<const std::uint8_t> bytes);

// Length of the code part: `resourceOffset` when the entry has resources,
// else `size`.
std::uint32_t codeLength(const EntryRecord& record);

// The name and description as text, cut at the first zero byte.
std::string recordName(const EntryRecord& record);
std::string recordInfo(const EntryRecord& record);

// The letters of the set bits 0-7, in the order of "xwrmsild".
std::string modeLetterString(std::uint16_t mode);

} // namespace pf
