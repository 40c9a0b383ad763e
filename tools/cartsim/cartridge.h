#pragma once
// The cartridge's storage: the program area /rom0 and the work area /ram0,
// and the offset of its clock from the host's.

#include "tools/cartsim/cart_area.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string_view>

namespace cartsim {

// Default capacities: 384 KB of program area, 128 KB of work area.
inline constexpr std::uint32_t kDefaultRom0Blocks = 3072;
inline constexpr std::uint32_t kDefaultRam0Blocks = 1024;

struct CartPath {
    CartArea* area = nullptr;
    std::string name;
};

class Cartridge {
  public:
    Cartridge(std::uint32_t rom0Blocks = kDefaultRom0Blocks, std::uint32_t ram0Blocks = kDefaultRam0Blocks);

    CartArea& rom0() { return m_rom0; }
    CartArea& ram0() { return m_ram0; }
    const CartArea& rom0() const { return m_rom0; }
    const CartArea& ram0() const { return m_ram0; }

    // An area by "/rom0", "/rom0/", "rom0" (and the same for ram0).
    CartArea* area(std::string_view text);

    // A file path "/rom0/name": the area and the name; nullopt when it
    // names no area or no file name follows.
    std::optional<CartPath> file(std::string_view path);

    // The cartridge clock runs at the host's pace with an offset in seconds.
    std::time_t now() const { return std::time(nullptr) + m_clockOffset; }
    void setClock(std::time_t when) { m_clockOffset = when - std::time(nullptr); }
    std::int64_t clockOffset() const { return m_clockOffset; }
    void setClockOffset(std::int64_t offset) { m_clockOffset = offset; }

  private:
    CartArea m_rom0;
    CartArea m_ram0;
    std::int64_t m_clockOffset = 0;
};

} // namespace cartsim
