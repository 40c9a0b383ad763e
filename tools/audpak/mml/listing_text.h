#pragma once
// The texts the MML compiler writes into the assembly listing that are more
// than one event line: the score and sound-effect headers with their slots.

#include "tools/audpak/mml/slot_table.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

namespace audpak::mml {

// printf into a string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formatTextList(const char* format, va_list arguments) __attribute__((format(printf, 1, 0)));

// "TRACK%d" for a used slot, "0     " (same width) for an empty one.
std::string slotLabel(const SlotTable& slots, std::size_t slot);

// The music header lines: tempo, the four slot tracks and labels.
std::string musicHeaderText(std::int32_t tempo, const SlotTable& slots);

// A sound effect's header lines: tempo, the two slot tracks and labels.
std::string effectHeaderText(std::int32_t tempo, const SlotTable& slots);

} // namespace audpak::mml
