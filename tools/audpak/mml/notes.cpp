// Notes and rests, their two length forms, and slides between notes.
#include "tools/audpak/mml/score_compiler.h"

namespace audpak::mml {

namespace {

constexpr std::uint8_t kRestCode = 0x80;
constexpr std::uint8_t kSlideCode = 0x8A;
constexpr int kNoteAsRest = 128;

int baseNote(unsigned char letter) {
    switch (letter) {
    case 'C':
        return 12;
    case 'D':
        return 14;
    case 'E':
        return 16;
    case 'F':
        return 17;
    case 'G':
        return 19;
    case 'A':
        return 21;
    default:
        return 23; // B
    }
}

int octaveOffset(std::int8_t octave) {
    return octave <= 9 ? 12 * octave : 12 * (octave + 5);
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

std::int32_t unitOf(std::int32_t divisor) {
    return divisor == 0 ? 0 : kTicksPerWhole / divisor;
}

// q × t / 8 without overflow, however long the note.
std::int64_t gateOf(std::int32_t ratio, std::int64_t length) {
    const auto product =
        static_cast<std::int64_t>(static_cast<std::uint64_t>(ratio) * static_cast<std::uint64_t>(length));
    return product / 8;
}

} // namespace

void ScoreCompiler::noteCommand(unsigned char letter) {
    int note = baseNote(letter);
    m_reader.skipBlanks();
    for (;;) {
        if (m_reader.peek() == '+') {
            ++note;
        } else if (m_reader.peek() == '-') {
            --note;
        } else {
            break;
        }
        m_reader.advance();
    }
    note += octaveOffset(track().octave);
    const std::uint8_t held = low8(note);
    const NoteLength length = readLength();
    if (held == kNoteAsRest) {
        writeRest(length.length);
    } else {
        writeNote(held, length);
    }
}

void ScoreCompiler::restCommand() {
    m_reader.skipBlanks();
    writeRest(readLength().length);
}

ScoreCompiler::NoteLength ScoreCompiler::readLength() {
    NoteLength result;
    if (m_reader.peek() == '(') {
        m_reader.advance();
        result.length = m_reader.readArgument().signedValue();
        result.gate = result.length;
        if (m_reader.peek() == ',') {
            m_reader.advance();
            result.gate = m_reader.readArgument().signedValue();
        }
        m_reader.advance(); // the closing character, whatever it is
        return result;
    }
    std::int64_t unit = track().defaultLength;
    for (;;) {
        const unsigned char c = m_reader.peek();
        if (isDigit(c)) {
            std::int32_t divisor = 0;
            m_reader.readNumber(divisor);
            unit = unitOf(divisor);
        } else if (c == '.') {
            m_reader.advance();
            result.length += unit;
            unit /= 2;
        } else if (c == '^') {
            m_reader.advance();
            result.length += unit;
        } else {
            result.length += unit;
            break;
        }
    }
    const unsigned char mark = m_reader.peek();
    if (mark == '&' || mark == '~') {
        result.slides = mark == '~';
        if (result.slides) {
            m_slideMarkOffset = m_reader.offset();
        }
        m_reader.advance();
        result.gate = result.length;
    } else {
        result.gate = gateOf(track().gateRatio, result.length);
    }
    return result;
}

void ScoreCompiler::writeNote(std::uint8_t note, const NoteLength& length) {
    if (m_slide) {
        const PendingSlide from = *m_slide;
        m_slide.reset();
        m_writer.moveTo(from.position);
        event({kSlideCode, note, from.note, low8(from.length), low8(from.length)});
        m_writer.lineFormat("\tPORT\t%d,%d,%lld", from.note, note, static_cast<long long>(from.length));
    }
    const std::size_t position = m_writer.position();
    event({note, low8(length.length), low8(length.gate)});
    if (length.slides) {
        m_slide = PendingSlide{position, note, length.length, m_slideMarkOffset};
        return;
    }
    m_writer.lineFormat("\tNOTE\t%d,%lld,%lld", note, static_cast<long long>(length.length),
                        static_cast<long long>(length.gate));
}

void ScoreCompiler::writeRest(std::int64_t length) {
    event({kRestCode, low8(length)});
    m_writer.lineFormat("\tREST\t%lld", static_cast<long long>(length));
}

void ScoreCompiler::requireNoPendingSlide() {
    if (m_slide) {
        fail(m_slide->textOffset,
             "the note marked \"~\" must be followed directly by the note it slides into");
    }
}

} // namespace audpak::mml
