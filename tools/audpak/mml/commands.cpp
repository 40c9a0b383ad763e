// The command loop and the commands that set a value or write a one-value
// event.
#include "tools/audpak/mml/score_compiler.h"

#include "tools/audpak/mml/listing_text.h"

#include <algorithm>

namespace audpak::mml {

namespace {

bool endsText(unsigned char c) {
    return c == 0 || c == '/' || c == kEndOfTextByte;
}

bool skippedBetweenCommands(unsigned char c) {
    return c <= 0x20 || c >= 0x80;
}

unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool isLetter(unsigned char c) {
    return upper(c) >= 'A' && upper(c) <= 'Z';
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// "V10" sets, "V+2" raises, "V-2" lowers.
std::int64_t applied(std::int64_t current, const Argument& argument) {
    switch (argument.sign) {
    case ArgumentSign::Plus:
        return current + argument.number;
    case ArgumentSign::Minus:
        return current - argument.number;
    case ArgumentSign::None:
        break;
    }
    return argument.number;
}

// The low 32 bits as a signed value, as a C int would keep them.
std::int32_t wrapped32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

ScoreCompiler::ScoreEnd ScoreCompiler::runCommands() {
    for (;;) {
        while (!endsText(m_reader.peek()) && skippedBetweenCommands(m_reader.peek())) {
            m_reader.advance();
        }
        if (endsText(m_reader.peek())) {
            return ScoreEnd::EndOfText;
        }
        m_commandOffset = m_reader.offset();
        const unsigned char c = m_reader.take();
        if (c == '#' && m_reader.peek() == '#') {
            // "##": the first "#" ends a sound effect (and is nothing in
            // music); the second is read again as a command of its own.
            if (m_soundEffects > 0) {
                return ScoreEnd::EndOfEffect;
            }
            continue;
        }
        command(c);
    }
}

void ScoreCompiler::command(unsigned char letter) {
    const unsigned char c = upper(letter);
    switch (c) {
    case ';':
        m_reader.skipComment();
        return;
    case 'A':
    case 'B':
    case 'C':
    case 'D':
    case 'E':
    case 'F':
    case 'G':
        noteCommand(c);
        return;
    case 'R':
        restCommand();
        return;
    case 'O':
        octaveCommand(applied(track().octave, m_reader.readArgument()));
        return;
    case '>':
        octaveCommand(std::int64_t{track().octave} + m_reader.readArgument().signedValue());
        return;
    case '<':
        octaveCommand(std::int64_t{track().octave} - m_reader.readArgument().signedValue());
        return;
    case 'L':
        lengthCommand();
        return;
    case 'Q':
        track().gateRatio = m_reader.readArgument().signedValue();
        return;
    case 'P':
        track().balance = m_reader.readArgument().signedValue();
        return;
    case 'V':
        volumeCommand();
        return;
    case 'T':
        tempoCommand();
        return;
    case '@':
        atCommand();
        return;
    case 'N':
        valueEvent(0x87, "NOISE");
        return;
    case 'S':
        valueEvent(0x84, "SWEEP");
        return;
    case 'W':
        valueEvent(0x81, "WAVE");
        return;
    case '_':
        valueEvent(0x85, "TRANS");
        return;
    case '[':
        loopStart();
        return;
    case ']':
        loopEnd();
        return;
    case ':':
        loopSkip();
        return;
    case '!':
        event({0xFA});
        return;
    case '#':
        sharpCommand();
        return;
    default:
        return; // not a command: ignored, digits included
    }
}

void ScoreCompiler::atCommand() {
    const unsigned char next = m_reader.peek();
    if (next == 0) {
        return; // "@" at the very end of the text
    }
    if (isLetter(next)) {
        m_reader.advance();
        switch (upper(next)) {
        case 'B':
            valueEvent(0x86, "VIB");
            return;
        case 'E':
            valueEvent(0x83, "ENV");
            return;
        case 'A':
        case 'C':
        case 'D':
        case 'F':
        case 'G':
        case 'R':
            return;
        default:
            command(next);
            return;
        }
    }
    valueEvent(0x89, "PROG");
}

void ScoreCompiler::valueEvent(std::uint8_t code, const char* name) {
    const std::int32_t value = m_reader.readArgument().signedValue();
    event({code, low8(value)});
    m_writer.lineFormat("\t%s\t%d", name, value);
}

void ScoreCompiler::octaveCommand(std::int64_t octave) {
    const auto held = static_cast<std::int8_t>(low8(octave));
    track().octave = held < 0 ? std::int8_t{0} : held;
}

void ScoreCompiler::lengthCommand() {
    const std::int32_t n = m_reader.readArgument().signedValue();
    if (n == 0) {
        fail(m_commandOffset, "L0 gives no note length (use L1 to L96)");
    }
    track().defaultLength = kTicksPerWhole / n;
}

void ScoreCompiler::volumeCommand() {
    TrackState& current = track();
    current.volume = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(applied(current.volume, m_reader.readArgument()), 0, 15));
    std::int64_t high = current.volume;
    std::int64_t low = current.volume;
    if (current.balance > 0) {
        high = std::max<std::int64_t>(high - current.balance, 0);
    } else if (current.balance < 0) {
        low = std::max<std::int64_t>(low + current.balance, 0);
    }
    const auto value = static_cast<std::uint8_t>((high << 4) | low);
    event({0x82, value});
    m_writer.lineFormat("\tVOL\t%03Xh", value);
}

void ScoreCompiler::tempoCommand() {
    TrackState& current = track();
    current.tempo = wrapped32(applied(current.tempo, m_reader.readArgument()));
    if (current.firstEvent) {
        event({0x88, low8(current.tempo), low8(current.tempo >> 8)});
        m_writer.lineFormat("\tTEMPO\t%d", current.tempo);
        return;
    }
    // The listing's header keeps three characters for the tempo, so that it
    // can be rewritten in place at the end.
    if (m_writer.listing() && (current.tempo < -99 || current.tempo > 999)) {
        fail(m_commandOffset,
             formatText("the header tempo %d does not fit the listing (-99 to 999)", current.tempo));
    }
    m_headerTempo = current.tempo;
}

void ScoreCompiler::sharpCommand() {
    const unsigned char next = m_reader.peek();
    if (next == '+') {
        m_reader.advance();
        event({m_alternate ? std::uint8_t{0x8D} : std::uint8_t{0x8C}});
        m_alternate = !m_alternate;
        return;
    }
    if (next == '-') {
        m_reader.advance();
        event({0x8B});
        return;
    }
    std::int32_t number = 1;
    if (isDigit(next)) {
        m_reader.readNumber(number);
    }
    switchTrack(static_cast<int>(static_cast<std::uint32_t>(number) % kTrackCount));
}

} // namespace audpak::mml
