#include "tools/cartsim/cartridge.h"

namespace cartsim {

Cartridge::Cartridge(std::uint32_t rom0Blocks, std::uint32_t ram0Blocks)
    : m_rom0("rom0", rom0Blocks, Reclaim::OnDefrag), m_ram0("ram0", ram0Blocks, Reclaim::AtOnce) {}

CartArea* Cartridge::area(std::string_view text) {
    if (text.starts_with('/')) {
        text.remove_prefix(1);
    }
    if (text.ends_with('/')) {
        text.remove_suffix(1);
    }
    if (text == m_rom0.word()) {
        return &m_rom0;
    }
    if (text == m_ram0.word()) {
        return &m_ram0;
    }
    return nullptr;
}

std::optional<CartPath> Cartridge::file(std::string_view path) {
    if (!path.starts_with('/')) {
        return std::nullopt;
    }
    const auto slash = path.find('/', 1);
    if (slash == std::string_view::npos || slash + 1 >= path.size()) {
        return std::nullopt;
    }
    CartArea* const found = area(path.substr(0, slash));
    if (found == nullptr) {
        return std::nullopt;
    }
    return CartPath{found, std::string(path.substr(slash + 1))};
}

} // namespace cartsim
