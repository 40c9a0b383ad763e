#pragma once
// One file as the cartridge stores it: the whole entry, 128-byte header and
// data, exactly as long as the header's size says.

#include "entry/entry_header.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cartsim {

class CartEntry {
  public:
    // Takes an entry from received or read bytes: the magic must be "#!ws"
    // and the bytes must hold the header's size; what follows (XMODEM
    // filler) is dropped. nullopt for anything else.
    static std::optional<CartEntry> fromBytes(std::span<const std::uint8_t> bytes);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    pf::EntryRecord record() const;
    std::string name() const;
    std::string info() const;

    // 128-byte blocks the entry occupies, header included.
    std::uint32_t blocks() const;

    // Replace the name (1 to 16 bytes) or the description (cut to 24 bytes)
    // in the header; the other header bytes stay as they were.
    void rename(std::string_view name);
    void setInfo(std::string_view info);

  private:
    explicit CartEntry(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    std::vector<std::uint8_t> m_bytes;
};

// Whether a text can name a file on the cartridge: 1 to 16 bytes, no "/",
// no double quote, no control byte.
bool validEntryName(std::string_view name);

// `text` cut to at most `limit` bytes without splitting a two-byte
// Shift-JIS character.
std::string cutShiftJis(std::string_view text, std::size_t limit);

} // namespace cartsim
