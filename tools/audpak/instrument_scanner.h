#pragma once
// Reading an instrument file's text: one position that only moves forward,
// the number syntax ("$" and hexadecimal digits, or an optional "-" and
// decimal digits) and the comment and blank rules. The text ends at its
// first zero byte; reads past the end see zero bytes.

#include <cstddef>
#include <string_view>

namespace audpak {

class InstrumentScanner {
  public:
    explicit InstrumentScanner(std::string_view text);

    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void advance();
    bool atEnd() const { return m_pos >= m_text.size(); }

    // True when a number starts here: a decimal digit, "-" before a digit,
    // or "$" before a hexadecimal digit.
    bool atNumber() const;
    // True when a "$" number starts here.
    bool atHexNumber() const;
    // Reads the number that starts here. Hexadecimal numbers are kept to
    // 16 bits (0 to 65535), decimal ones to 16 bits before the sign is
    // applied (-65535 to 65535).
    int readNumber();

    // Skips a comment up to (not including) the line feed that ends it.
    void skipComment();
    // Skips spaces, tabs and carriage returns; with `lineFeeds`, line feeds
    // and the other white-space characters too.
    void skipBlanks(bool lineFeeds);
    // Skips the characters that follow a section letter, up to the next
    // blank or line end.
    void skipSectionSuffix();

    // The 1-based line number of the current position, for messages.
    int lineNumber() const;

  private:
    char at(std::size_t offset) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The whole text up to its first zero byte.
std::string_view instrumentText(std::string_view source);

} // namespace audpak
