#include "tools/audpak/instrument_scanner.h"

#include "entry/digit_value.h"

#include <algorithm>

namespace audpak {

namespace {

constexpr int kWordModulus = 0x10000;

bool isDecimal(char c) {
    return c >= '0' && c <= '9';
}

bool isLineBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool isWhiteSpace(char c) {
    return isLineBlank(c) || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::string_view instrumentText(std::string_view source) {
    return source.substr(0, source.find('\0'));
}

InstrumentScanner::InstrumentScanner(std::string_view text) : m_text(instrumentText(text)) {}

char InstrumentScanner::at(std::size_t offset) const {
    return m_pos + offset < m_text.size() ? m_text[m_pos + offset] : '\0';
}

void InstrumentScanner::advance() {
    if (m_pos < m_text.size()) {
        ++m_pos;
    }
}

bool InstrumentScanner::atHexNumber() const {
    return peek() == '$' && pf::hexDigitValue(at(1)) >= 0;
}

bool InstrumentScanner::atNumber() const {
    return isDecimal(peek()) || (peek() == '-' && isDecimal(at(1))) || atHexNumber();
}

int InstrumentScanner::readNumber() {
    int value = 0;
    if (peek() == '$') {
        advance();
        for (int digit = pf::hexDigitValue(peek()); digit >= 0; digit = pf::hexDigitValue(peek())) {
            value = (value * 16 + digit) % kWordModulus;
            advance();
        }
        return value;
    }
    const bool negative = peek() == '-';
    if (negative) {
        advance();
    }
    for (; isDecimal(peek()); advance()) {
        value = (value * 10 + (peek() - '0')) % kWordModulus;
    }
    return negative ? -value : value;
}

void InstrumentScanner::skipComment() {
    while (!atEnd() && peek() != '\n') {
        advance();
    }
}

void InstrumentScanner::skipBlanks(bool lineFeeds) {
    while (!atEnd() && (lineFeeds ? isWhiteSpace(peek()) : isLineBlank(peek()))) {
        advance();
    }
}

void InstrumentScanner::skipSectionSuffix() {
    while (!atEnd() && !isLineBlank(peek()) && peek() != '\n') {
        advance();
    }
}

int InstrumentScanner::lineNumber() const {
    return 1 + static_cast<int>(std::count(m_text.begin(), m_text.begin() + m_pos, '\n'));
}

} // namespace audpak
