#pragma once
// What the compiler keeps for each of the four tracks while it reads a score
// (or one sound effect): the note defaults, the first event, the block jump
// still to be linked and the open loops.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace audpak::mml {

inline constexpr int kTrackCount = 4;
inline constexpr std::size_t kLoopLevels = 2;
inline constexpr std::int32_t kTicksPerWhole = 96;
inline constexpr std::int32_t kDefaultTempo = 120;

struct TrackState {
    std::int32_t defaultLength = kTicksPerWhole / 4;
    std::int32_t gateRatio = 7; // eighths of the length
    std::int8_t octave = 4;
    std::int32_t volume = 15;
    std::int32_t balance = 0;
    std::int32_t tempo = kDefaultTempo;
    std::optional<std::size_t> firstEvent;
    // Position of the "0xFF, 0, 0, 0, 0" that ended this track's last block;
    // it becomes a jump when the track's next block writes its first event.
    std::optional<std::size_t> pendingJump;
    std::array<std::size_t, kLoopLevels> loopBodies{};
    std::size_t openLoops = 0;
};

using TrackStates = std::array<TrackState, kTrackCount>;

} // namespace audpak::mml
