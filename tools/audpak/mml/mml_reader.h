#pragma once
// The cursor over the score text. The text is read once, left to right; the
// terminating zero byte is never stepped over, so no read leaves the text.

#include "tools/audpak/converter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace audpak::mml {

// The byte 0x1A ends the text like "/" (never skipped as a blank).
inline constexpr unsigned char kEndOfTextByte = 0x1A;

// How a command's argument was written: "V10" sets, "V+2" raises, "V-2" lowers.
enum class ArgumentSign { None, Plus, Minus };

struct Argument {
    ArgumentSign sign = ArgumentSign::None;
    std::int32_t number = 1; // 1 when no digits follow
    bool hasDigits = false;

    // The number with its sign applied ("P-3" gives -3).
    std::int32_t signedValue() const;
};

// Line and column (both from 1, columns counted in bytes) of a text position.
struct TextPlace {
    int line = 1;
    int column = 1;
};

class MmlReader {
  public:
    explicit MmlReader(const Source& source) : m_text(source.text) {}

    // The byte at the cursor; 0 at the end of the text.
    unsigned char peek() const;
    // The byte after the cursor; 0 when the cursor is at the end.
    unsigned char peekNext() const;
    // Steps over the byte at the cursor unless it is the end.
    void advance();
    // Returns the byte at the cursor and steps over it.
    unsigned char take();
    bool atEnd() const { return peek() == 0; }

    // Skips blanks, line ends and control bytes (1-0x20, but not 0x1A).
    void skipBlanks();
    // Skips everything up to and including the next line feed.
    void skipComment();

    // Digits at the cursor as a decimal number, wrapping like a 32-bit int
    // on overflow; false (nothing consumed) when no digit is there.
    bool readNumber(std::int32_t& value);
    // An optional "+" or "-" and an optional number, directly at the cursor.
    Argument readArgument();

    std::size_t offset() const { return m_offset; }
    TextPlace placeOf(std::size_t offset) const;

  private:
    std::string_view m_text;
    std::size_t m_offset = 0;
};

} // namespace audpak::mml
