#include "tools/cartsim/cart_entry.h"

#include <algorithm>

namespace cartsim {

namespace {

void putField(std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t size, std::string_view text) {
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, 0);
    std::copy_n(text.begin(), std::min(size, text.size()),
                bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace

std::optional<CartEntry> CartEntry::fromBytes(std::span<const std::uint8_t> bytes) {
    const auto record = pf::decodeEntryHeader(bytes);
    if (!record || bytes.size() - pf::kEntryHeaderSize < record->size) {
        return std::nullopt;
    }
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(pf::kEntryHeaderSize + record->size);
    return CartEntry(std::vector<std::uint8_t>(bytes.begin(), end));
}

pf::EntryRecord CartEntry::record() const {
    return *pf::decodeEntryHeader(m_bytes);
}

std::string CartEntry::name() const {
    return pf::recordName(record());
}

std::string CartEntry::info() const {
    return pf::recordInfo(record());
}

std::uint32_t CartEntry::blocks() const {
    return static_cast<std::uint32_t>((m_bytes.size() + pf::kBlockSize - 1) / pf::kBlockSize);
}

void CartEntry::rename(std::string_view name) {
    putField(m_bytes, pf::kEntryRecordOffset, pf::kEntryNameSize, name);
}

void CartEntry::setInfo(std::string_view info) {
    putField(m_bytes, pf::kEntryRecordOffset + pf::kEntryNameSize, pf::kEntryInfoSize,
             cutShiftJis(info, pf::kEntryInfoSize));
}

bool validEntryName(std::string_view name) {
    return !name.empty() && name.size() <= pf::kEntryNameSize &&
           std::none_of(name.begin(), name.end(), [](char c) {
               const auto u = static_cast<unsigned char>(c);
               return c == '/' || c == '"' || u < 0x20 || u == 0x7F;
           });
}

std::string cutShiftJis(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = isLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > limit) {
            break;
        }
        end += width;
    }
    return std::string(text.substr(0, std::min(end, text.size())));
}

} // namespace cartsim
