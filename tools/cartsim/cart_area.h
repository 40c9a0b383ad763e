#pragma once
// One file area of the cartridge ("rom0" or "ram0"): its entries in the
// order they were stored and its capacity in 128-byte blocks.
//
// The program area is flash memory: the blocks of a deleted or replaced
// entry stay used until the area is tidied ("defrag"). The work area is
// RAM and frees them at once.

#include "tools/cartsim/cart_entry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cartsim {

enum class Reclaim { OnDefrag, AtOnce };

enum class StoreResult { Stored, NameTaken, Full };

class CartArea {
  public:
    CartArea(std::string word, std::uint32_t capacityBlocks, Reclaim reclaim)
        : m_word(std::move(word)), m_capacity(capacityBlocks), m_reclaim(reclaim) {}

    const std::string& word() const { return m_word; } // "rom0"
    std::uint32_t capacityBlocks() const { return m_capacity; }
    std::uint32_t usedBlocks() const; // entries and not yet reclaimed blocks
    std::uint32_t freeBlocks() const;
    std::uint32_t garbageBlocks() const { return m_garbage; }

    const std::vector<CartEntry>& entries() const { return m_entries; }
    CartEntry* find(std::string_view name);

    StoreResult store(CartEntry entry);
    bool remove(std::string_view name);
    void defrag() { m_garbage = 0; }
    void newfs();

    // For a saved state: blocks left by deleted entries.
    void setGarbageBlocks(std::uint32_t blocks) { m_garbage = blocks; }

  private:
    std::string m_word;
    std::uint32_t m_capacity = 0;
    Reclaim m_reclaim = Reclaim::AtOnce;
    std::vector<CartEntry> m_entries;
    std::uint32_t m_garbage = 0;
};

} // namespace cartsim
