#pragma once
// Where compiled bytes go: the result buffer at the write position, and the
// listing lines beside them when a listing was asked for.

#include "tools/audpak/converter.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace audpak::mml {

// Thrown when bytes would pass the result buffer; the compiler turns it into
// a message that says where in the score this happened.
struct BufferFull {};

class EventWriter {
  public:
    EventWriter(ResultBuffer& out, Listing* listing) : m_out(out), m_listing(listing) {}

    std::size_t position() const { return m_position; }
    // Moves the write position (back over a note that becomes a slide).
    void moveTo(std::size_t position) { m_position = position; }

    // Writes the bytes at the write position and moves past them; nothing is
    // written when they would not all fit.
    void bytes(std::initializer_list<std::uint8_t> values);
    // Overwrites bytes written earlier, leaving the write position alone.
    void patch(std::size_t at, std::initializer_list<std::uint8_t> values);
    void patchWord(std::size_t at, std::size_t value);

    bool listing() const { return m_listing != nullptr; }
    void line(std::string_view text);
    // A printf-formatted line; nothing is formatted without a listing.
    void lineFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // The listing's closing lines.
    void listingEnd();
    std::uint64_t listingPosition();
    void rewrite(std::uint64_t at, std::string_view text);

  private:
    ResultBuffer& m_out;
    Listing* m_listing = nullptr;
    std::size_t m_position = 0;
};

std::uint8_t low8(std::int64_t value);

} // namespace audpak::mml
