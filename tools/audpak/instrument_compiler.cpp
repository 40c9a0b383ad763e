#include "tools/audpak/instrument_compiler.h"

#include "tools/audpak/instrument_scanner.h"
#include "tools/audpak/listing_frame.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace audpak {

namespace {

enum Kind { Wave, Envelope, Vibrato, Drum, Instrument, Name, KindCount };

constexpr std::size_t kHeadSize = 32;
constexpr std::size_t kWaveValues = 16;
constexpr int kMaxSections = 0xFFFF;

struct KindInfo {
    char letter;
    const char* table;          // label of the count line
    std::size_t tableEntrySize; // 0: the kind has no table
};

constexpr std::array<KindInfo, KindCount> kKinds{{
    {'W', "WAV_TBL", 0},
    {'E', "ENV_TBL", 4},
    {'V', "VIB_TBL", 2},
    {'D', "DRUM_TBL", 2},
    {'P', "INST_TBL", 0},
    {'N', "NAME_TBL", 0},
}};

std::optional<Kind> kindOfLetter(char c) {
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    for (int k = 0; k < KindCount; ++k) {
        if (kKinds[k].letter == upper) {
            return static_cast<Kind>(k);
        }
    }
    return std::nullopt;
}

std::size_t offsetField(Kind kind) {
    return 8 + 4 * static_cast<std::size_t>(kind);
}
std::size_t countField(Kind kind) {
    return offsetField(kind) + 2;
}

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint16_t lowWord(int value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}

// A byte value as the listing shows it: as written when it fits a byte,
// else the byte that is stored.
int listedByte(int value) {
    return value >= -128 && value <= 255 ? value : lowByte(value);
}

// The first pass: every "@" followed by a section letter counts, comments
// included.
std::array<int, KindCount> countSections(std::string_view text) {
    std::array<int, KindCount> counts{};
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '@') {
            if (const auto kind = kindOfLetter(text[i + 1])) {
                ++counts[*kind];
            }
        }
    }
    for (const int count : counts) {
        if (count > kMaxSections) {
            throw ConvertError("too many sections: more than 65535 of one kind\r\n");
        }
    }
    return counts;
}

class InstrumentCompiler {
  public:
    InstrumentCompiler(const Source& source, ResultBuffer& out, Listing* listing)
        : m_scan(source.text), m_out(out), m_listing(listing),
          m_counts(countSections(instrumentText(source.text))) {}

    std::size_t run();

  private:
    void writeHead();
    void compileSection(Kind kind);
    void startKind(Kind kind);
    void listTable(Kind kind);
    void compileWave();
    void compileEnvelope(int index);
    void compileLineItems(Kind kind, int index);
    void lineValue(Kind kind, int value);
    void openLoop(std::optional<std::uint16_t>& loop, const char* label, int index);
    void closeLoop(const std::optional<std::uint16_t>& loop, const char* label, int index);

    void putByte(int value) { m_out.put8(m_write++, lowByte(value)); }
    void putWord(int value) {
        m_out.put16(m_write, lowWord(value));
        m_write += 2;
    }
    void line(const std::string& text) {
        if (m_listing) {
            m_listing->line(text);
        }
    }
    void raw(const std::string& text) {
        if (m_listing) {
            m_listing->raw(text);
        }
    }

    InstrumentScanner m_scan;
    ResultBuffer& m_out;
    Listing* m_listing = nullptr;
    std::array<int, KindCount> m_counts{};
    std::array<int, KindCount> m_compiled{};
    std::array<std::size_t, KindCount> m_tables{};
    std::size_t m_write = kHeadSize;
    std::optional<std::uint16_t> m_envelopeLoop;
    std::optional<std::uint16_t> m_vibratoLoop;
    int m_drumFirst = 0; // the first value of the current drum line
    int m_drumValues = 0;
};

std::size_t InstrumentCompiler::run() {
    writeHead();
    for (char c = m_scan.peek(); !m_scan.atEnd() && c != '/' && c != '\x1a'; c = m_scan.peek()) {
        if (c == ';') {
            m_scan.skipComment();
            continue;
        }
        m_scan.advance();
        if (c != '@') {
            continue;
        }
        // Another letter after "@" starts nothing and is left to this loop.
        if (const auto kind = kindOfLetter(m_scan.peek())) {
            m_scan.advance();
            m_scan.skipSectionSuffix();
            compileSection(*kind);
        }
    }
    if (m_listing) {
        writeListingEnd(*m_listing);
    }
    return m_write;
}

void InstrumentCompiler::writeHead() {
    for (std::size_t at = 8; at < kHeadSize; at += 2) {
        m_out.put16(at, 0);
    }
    for (int k = 0; k < KindCount; ++k) {
        m_out.put16(countField(static_cast<Kind>(k)), static_cast<std::uint16_t>(m_counts[k]));
    }
    if (!m_listing) {
        return;
    }
    writeListingFrame(*m_listing, "SI");
    for (int k = 0; k < KindCount; ++k) {
        line(format("\tDW\t%s,%2d", m_counts[k] > 0 ? kKinds[k].table : "0", m_counts[k]));
    }
}

void InstrumentCompiler::compileSection(Kind kind) {
    if (kind == Name) {
        return; // counted, no data
    }
    const int index = m_compiled[kind]++;
    if (index == 0) {
        startKind(kind);
    }
    const std::size_t entrySize = kKinds[kind].tableEntrySize;
    if (entrySize != 0 && index < m_counts[kind]) {
        m_out.put16(m_tables[kind] + static_cast<std::size_t>(index) * entrySize, lowWord(m_write));
    }
    switch (kind) {
    case Wave:
        compileWave();
        break;
    case Envelope:
        compileEnvelope(index);
        break;
    default:
        compileLineItems(kind, index);
        break;
    }
}

// The kind's offset in the head, and its zero-filled table.
void InstrumentCompiler::startKind(Kind kind) {
    m_out.put16(offsetField(kind), lowWord(m_write));
    m_tables[kind] = m_write;
    const std::size_t tableSize = static_cast<std::size_t>(m_counts[kind]) * kKinds[kind].tableEntrySize;
    ResultBuffer::require(m_write + tableSize);
    for (std::size_t i = 0; i < tableSize; ++i) {
        putByte(0);
    }
    listTable(kind);
}

void InstrumentCompiler::listTable(Kind kind) {
    line(std::string("\r\n") + kKinds[kind].table + ":");
    for (int i = 0; i < m_counts[kind]; ++i) {
        switch (kind) {
        case Envelope:
            line(format("\tDW\tENV_%d,ENV_REL_%d", i, i));
            break;
        case Vibrato:
            line(format("\tDW\tVIB_%d", i));
            break;
        case Drum:
            line(format("\tDW\tDRUM_%d", i));
            break;
        default:
            return;
        }
    }
}

// Sixteen numbers over any number of lines; where something else stands,
// the rest of the wave is 0 and that character is left to the top level.
void InstrumentCompiler::compileWave() {
    std::string text = "\tDB\t";
    bool reading = true;
    for (std::size_t i = 0; i < kWaveValues; ++i) {
        if (reading) {
            m_scan.skipBlanks(true);
            reading = m_scan.atNumber();
        }
        const int value = reading ? m_scan.readNumber() : 0;
        putByte(value);
        text += format("%03Xh%s", lowByte(value), i + 1 < kWaveValues ? "," : "\r\n");
    }
    line(text);
}

// Everything up to the next "@": "$" values as words, "[" and "]" for the
// loop, ";" comments; anything else is skipped.
void InstrumentCompiler::compileEnvelope(int index) {
    line(format("ENV_%d:", index));
    for (char c = m_scan.peek(); !m_scan.atEnd() && c != '@'; c = m_scan.peek()) {
        if (c == ';') {
            m_scan.skipComment();
        } else if (m_scan.atHexNumber()) {
            const int value = m_scan.readNumber();
            putWord(value);
            line(format("\tDW\t%05Xh", lowWord(value)));
        } else {
            m_scan.advance();
            if (c == '[') {
                openLoop(m_envelopeLoop, "ENV_%d_l:", index);
            } else if (c == ']') {
                closeLoop(m_envelopeLoop, "\tDW\t0,ENV_%d_l", index);
                line(format("ENV_REL_%d:", index));
                if (index < m_counts[Envelope]) {
                    m_out.put16(m_tables[Envelope] + static_cast<std::size_t>(index) * 4 + 2,
                                lowWord(m_write));
                }
            }
        }
    }
}

// The items of one line: the rest of the section's line, or the next line
// when the rest holds only blanks or a comment. The line ends at a line
// feed, a ";" comment or the "@" of the next section.
void InstrumentCompiler::compileLineItems(Kind kind, int index) {
    if (kind == Vibrato) {
        line(format("VIB_%d:", index));
    } else if (kind == Drum) {
        line(format("DRUM_%d:", index));
        m_drumValues = 0;
    } else {
        raw("\tDB\t");
    }
    m_scan.skipBlanks(false);
    if (m_scan.peek() == ';') {
        m_scan.skipComment();
    }
    if (m_scan.peek() == '\n') {
        m_scan.advance();
    }
    for (char c = m_scan.peek(); !m_scan.atEnd() && c != '@'; c = m_scan.peek()) {
        if (c == ';') {
            m_scan.skipComment();
            continue;
        }
        if (m_scan.atNumber()) {
            lineValue(kind, m_scan.readNumber());
            continue;
        }
        m_scan.advance();
        if (c == '\n') {
            break;
        }
        if (kind == Vibrato && c == '[') {
            openLoop(m_vibratoLoop, "VIB_%d_l:", index);
        } else if (kind == Vibrato && c == ']') {
            closeLoop(m_vibratoLoop, "\tDW\t0,VIB_%d_l", index);
        }
    }
    if (kind == Instrument) {
        putByte(0);
        line("0");
    }
}

void InstrumentCompiler::lineValue(Kind kind, int value) {
    if (kind == Instrument) {
        putByte(value);
        raw(format("%d,", listedByte(value)));
        return;
    }
    if (kind == Drum && m_drumValues++ < 2) {
        if (m_drumValues == 1) {
            m_drumFirst = value;
            return;
        }
        const int word = (lowWord(m_drumFirst) << 13) | lowWord(value);
        putWord(word);
        line(format("\tDW\t%05Xh", lowWord(word)));
        return;
    }
    putByte(value);
    line(format("\tDB\t%d", listedByte(value)));
}

void InstrumentCompiler::openLoop(std::optional<std::uint16_t>& loop, const char* label, int index) {
    loop = lowWord(static_cast<int>(m_write));
    line(format(label, index));
}

void InstrumentCompiler::closeLoop(const std::optional<std::uint16_t>& loop, const char* label, int index) {
    if (!loop) {
        throw ConvertError(format("']' without '[' in line %d\r\n", m_scan.lineNumber()));
    }
    putWord(0);
    putWord(*loop);
    line(format(label, index));
}

} // namespace

std::size_t compileInstruments(const Source& source, ResultBuffer& out, Listing* listing, int) {
    return InstrumentCompiler(source, out, listing).run();
}

} // namespace audpak
