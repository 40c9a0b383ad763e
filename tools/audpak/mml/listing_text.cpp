#include "tools/audpak/mml/listing_text.h"

#include <cstdarg>
#include <cstdio>

namespace audpak::mml {

std::string formatTextList(const char* format, va_list arguments) {
    va_list counting;
    va_copy(counting, arguments);
    const int size = std::vsnprintf(nullptr, 0, format, counting);
    va_end(counting);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    return text;
}

std::string formatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string text = formatTextList(format, arguments);
    va_end(arguments);
    return text;
}

std::string slotLabel(const SlotTable& slots, std::size_t slot) {
    if (slot >= slots.used) {
        return "0     ";
    }
    return formatText("TRACK%d", slots.tracks[slot]);
}

std::string musicHeaderText(std::int32_t tempo, const SlotTable& slots) {
    return formatText("\tDW\t%3d\r\n\tDW\t0\r\n\tDB\t%d,%d,%d,%d\r\n\tDW\t%s,%s,%s,%s\r\n", tempo,
                      slots.tracks[0], slots.tracks[1], slots.tracks[2], slots.tracks[3],
                      slotLabel(slots, 0).c_str(), slotLabel(slots, 1).c_str(), slotLabel(slots, 2).c_str(),
                      slotLabel(slots, 3).c_str());
}

std::string effectHeaderText(std::int32_t tempo, const SlotTable& slots) {
    return formatText("\tDW\t%3d\r\n\tDB\t%d,%d\r\n\tDW\t%s,%s\r\n", tempo, slots.tracks[0], slots.tracks[1],
                      slotLabel(slots, 0).c_str(), slotLabel(slots, 1).c_str());
}

} // namespace audpak::mml
