#include "tools/audpak/mml/slot_table.h"

namespace audpak::mml {

SlotTable fillSlots(const TrackStates& tracks, std::size_t slotCount) {
    SlotTable slots;
    for (int track = 0; track < kTrackCount && slots.used < slotCount; ++track) {
        const auto& first = tracks[static_cast<std::size_t>(track)].firstEvent;
        if (first) {
            slots.tracks[slots.used] = static_cast<std::uint8_t>(track);
            slots.offsets[slots.used] = static_cast<std::uint16_t>(*first);
            ++slots.used;
        }
    }
    return slots;
}

} // namespace audpak::mml
