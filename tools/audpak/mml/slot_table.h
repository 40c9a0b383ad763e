#pragma once
// The slots of a score's header: the tracks that received events, in
// increasing track number, with the offsets of their first events.

#include "tools/audpak/mml/track_state.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace audpak::mml {

struct SlotTable {
    std::array<std::uint8_t, kTrackCount> tracks{};
    std::array<std::uint16_t, kTrackCount> offsets{}; // 0 marks an empty slot
    std::size_t used = 0;
};

// Fills at most `slotCount` slots; tracks beyond that are left out (the
// compiler refuses a score that would need them before it gets here).
SlotTable fillSlots(const TrackStates& tracks, std::size_t slotCount);

} // namespace audpak::mml
