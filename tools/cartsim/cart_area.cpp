#include "tools/cartsim/cart_area.h"

#include <algorithm>
#include <numeric>

namespace cartsim {

std::uint32_t CartArea::usedBlocks() const {
    return std::accumulate(m_entries.begin(), m_entries.end(), m_garbage,
                           [](std::uint32_t sum, const CartEntry& e) { return sum + e.blocks(); });
}

std::uint32_t CartArea::freeBlocks() const {
    const std::uint32_t used = usedBlocks();
    return used >= m_capacity ? 0 : m_capacity - used;
}

CartEntry* CartArea::find(std::string_view name) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const CartEntry& e) { return e.name() == name; });
    return it == m_entries.end() ? nullptr : &*it;
}

StoreResult CartArea::store(CartEntry entry) {
    if (find(entry.name()) != nullptr) {
        return StoreResult::NameTaken;
    }
    if (entry.blocks() > freeBlocks()) {
        return StoreResult::Full;
    }
    m_entries.push_back(std::move(entry));
    return StoreResult::Stored;
}

bool CartArea::remove(std::string_view name) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const CartEntry& e) { return e.name() == name; });
    if (it == m_entries.end()) {
        return false;
    }
    if (m_reclaim == Reclaim::OnDefrag) {
        m_garbage += it->blocks();
    }
    m_entries.erase(it);
    return true;
}

void CartArea::newfs() {
    m_entries.clear();
    m_garbage = 0;
}

} // namespace cartsim
