#include "tools/audpak/mml/mml_reader.h"

namespace audpak::mml {

std::int32_t Argument::signedValue() const {
    if (sign == ArgumentSign::Minus) {
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(number));
    }
    return number;
}

unsigned char MmlReader::peek() const {
    return m_offset < m_text.size() ? static_cast<unsigned char>(m_text[m_offset]) : 0;
}

unsigned char MmlReader::peekNext() const {
    if (atEnd() || m_offset + 1 >= m_text.size()) {
        return 0;
    }
    return static_cast<unsigned char>(m_text[m_offset + 1]);
}

void MmlReader::advance() {
    if (!atEnd()) {
        ++m_offset;
    }
}

unsigned char MmlReader::take() {
    const unsigned char c = peek();
    advance();
    return c;
}

void MmlReader::skipBlanks() {
    while (!atEnd() && peek() <= 0x20 && peek() != kEndOfTextByte) {
        ++m_offset;
    }
}

void MmlReader::skipComment() {
    while (!atEnd()) {
        if (take() == '\n') {
            return;
        }
    }
}

static bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool MmlReader::readNumber(std::int32_t& value) {
    if (!isDigit(peek())) {
        return false;
    }
    std::uint32_t number = 0;
    while (isDigit(peek())) {
        number = number * 10u + static_cast<std::uint32_t>(take() - '0');
    }
    value = static_cast<std::int32_t>(number);
    return true;
}

Argument MmlReader::readArgument() {
    Argument argument;
    if (peek() == '+') {
        argument.sign = ArgumentSign::Plus;
        advance();
    } else if (peek() == '-') {
        argument.sign = ArgumentSign::Minus;
        advance();
    }
    argument.hasDigits = readNumber(argument.number);
    return argument;
}

TextPlace MmlReader::placeOf(std::size_t offset) const {
    TextPlace place;
    for (std::size_t i = 0; i < offset && i < m_text.size(); ++i) {
        if (m_text[i] == '\n') {
            ++place.line;
            place.column = 1;
        } else {
            ++place.column;
        }
    }
    return place;
}

} // namespace audpak::mml
