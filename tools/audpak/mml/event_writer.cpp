#include "tools/audpak/mml/event_writer.h"

#include "tools/audpak/listing_frame.h"
#include "tools/audpak/mml/listing_text.h"

#include <cstdarg>

namespace audpak::mml {

std::uint8_t low8(std::int64_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) & 0xFFu);
}

void EventWriter::patch(std::size_t at, std::initializer_list<std::uint8_t> values) {
    if (at + values.size() > ResultBuffer::capacity()) {
        throw BufferFull{};
    }
    for (const std::uint8_t value : values) {
        m_out.put8(at++, value);
    }
}

void EventWriter::bytes(std::initializer_list<std::uint8_t> values) {
    patch(m_position, values);
    m_position += values.size();
}

void EventWriter::patchWord(std::size_t at, std::size_t value) {
    patch(at, {low8(static_cast<std::int64_t>(value)), low8(static_cast<std::int64_t>(value >> 8))});
}

void EventWriter::line(std::string_view text) {
    if (m_listing) {
        m_listing->line(text);
    }
}

void EventWriter::lineFormat(const char* format, ...) {
    if (!m_listing) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    m_listing->line(formatTextList(format, arguments));
    va_end(arguments);
}

void EventWriter::listingEnd() {
    if (m_listing) {
        writeListingEnd(*m_listing);
    }
}

std::uint64_t EventWriter::listingPosition() {
    return m_listing ? m_listing->position() : 0;
}

void EventWriter::rewrite(std::uint64_t at, std::string_view text) {
    if (m_listing) {
        m_listing->rewrite(at, text);
    }
}

} // namespace audpak::mml
