#include "tools/audpak/mml/score_compiler.h"

#include "tools/audpak/listing_frame.h"
#include "tools/audpak/mml/listing_text.h"

namespace audpak::mml {

namespace {

constexpr std::size_t kTempoAt = 8;
constexpr std::size_t kMusicSlotTracksAt = 12;
constexpr std::size_t kMusicSlotOffsetsAt = 16;
constexpr std::size_t kMusicEventsAt = 24;
constexpr std::size_t kEffectTableAt = 10;
constexpr std::size_t kMusicSlots = 4;
constexpr std::size_t kEffectSlots = 2;

} // namespace

ScoreCompiler::ScoreCompiler(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects)
    : m_reader(source), m_writer(out, listing), m_soundEffects(soundEffects > 0 ? soundEffects : 0) {}

std::size_t ScoreCompiler::compile() {
    try {
        if (m_soundEffects > 0) {
            compileEffects();
        } else {
            compileMusic();
        }
    } catch (const BufferFull&) {
        fail(m_commandOffset, "the resource passes 65534 bytes");
    }
    return m_writer.position();
}

void ScoreCompiler::fail(std::size_t textOffset, std::string_view what) const {
    const TextPlace place = m_reader.placeOf(textOffset);
    throw ConvertError(formatText("line %d, column %d: %.*s\r\n", place.line, place.column,
                                  static_cast<int>(what.size()), what.data()));
}

void ScoreCompiler::startPart() {
    m_tracks = TrackStates{};
    m_blockWritten = false;
    m_headerTempo = kDefaultTempo;
}

void ScoreCompiler::compileMusic() {
    const std::uint64_t frameAt = m_writer.listingPosition();
    m_writer.line(listingFrameText("MD"));
    startPart();
    m_track = 0;
    m_headerAt = kTempoAt;
    for (std::size_t at = kTempoAt; at < kMusicEventsAt; ++at) {
        m_writer.patch(at, {0});
    }
    m_writer.patchWord(kTempoAt, kDefaultTempo);
    m_headerLinesAt = m_writer.listingPosition();
    m_writer.line(musicHeaderText(kDefaultTempo, SlotTable{}));
    m_writer.lineFormat("TRACK%d:", m_track);
    m_writer.moveTo(kMusicEventsAt);

    runCommands();

    const SlotTable slots = finishPart(kMusicSlots);
    writeHeaderTempo(m_headerTempo);
    for (std::size_t slot = 0; slot < kMusicSlots; ++slot) {
        m_writer.patch(kMusicSlotTracksAt + slot, {slots.tracks[slot]});
        m_writer.patchWord(kMusicSlotOffsetsAt + 2 * slot, slots.offsets[slot]);
    }
    m_writer.listingEnd();
    m_writer.rewrite(frameAt,
                     listingFrameText("MD") + "\r\n" + musicHeaderText(m_headerTempo, slots) + "\r\n");
}

void ScoreCompiler::compileEffects() {
    const auto count = static_cast<std::size_t>(m_soundEffects);
    const std::size_t eventsAt = kEffectTableAt + 2 * count;
    ResultBuffer::require(eventsAt);
    const std::uint64_t frameAt = m_writer.listingPosition();
    m_writer.line(listingFrameText("SE"));
    m_writer.lineFormat("\tDW\t%d", m_soundEffects);
    for (int effect = 0; effect < m_soundEffects; ++effect) {
        m_writer.lineFormat("\tDW\tse_%d", effect);
    }
    for (std::size_t at = kTempoAt; at < eventsAt; ++at) {
        m_writer.patch(at, {0});
    }
    m_writer.patchWord(kTempoAt, count);
    m_writer.moveTo(eventsAt);

    for (int effect = 0;; ++effect) {
        const ScoreEnd end = compileEffect(effect);
        if (end != ScoreEnd::EndOfEffect || effect + 1 >= m_soundEffects) {
            break;
        }
    }
    m_writer.listingEnd();
    m_writer.rewrite(frameAt, listingFrameText("SE") + "\r\n");
}

ScoreCompiler::ScoreEnd ScoreCompiler::compileEffect(int index) {
    startPart();
    m_track = 2;
    m_effect = index;
    m_headerAt = m_writer.position();
    m_writer.patchWord(kEffectTableAt + 2 * static_cast<std::size_t>(index), m_headerAt);
    m_writer.bytes({low8(kDefaultTempo), 0, 0, 0, 0, 0, 0, 0});
    m_writer.lineFormat("\r\nse_%d\tproc", index);
    m_headerLinesAt = m_writer.listingPosition();
    m_writer.line(effectHeaderText(kDefaultTempo, SlotTable{}));
    m_writer.lineFormat("TRACK%d:", m_track);

    const ScoreEnd end = runCommands();

    const SlotTable slots = finishPart(kEffectSlots);
    writeHeaderTempo(m_headerTempo);
    for (std::size_t slot = 0; slot < kEffectSlots; ++slot) {
        m_writer.patch(m_headerAt + 2 + slot, {slots.tracks[slot]});
        m_writer.patchWord(m_headerAt + 4 + 2 * slot, slots.offsets[slot]);
    }
    m_writer.rewrite(m_headerLinesAt, effectHeaderText(m_headerTempo, slots) + "\r\n");
    m_writer.lineFormat("se_%d\tendp", index);
    return end;
}

SlotTable ScoreCompiler::finishPart(std::size_t slotCount) {
    requireNoPendingSlide();
    if (m_blockWritten) {
        m_writer.bytes({0xFF});
        m_writer.line("\tBREAK");
    }
    return fillSlots(m_tracks, slotCount);
}

void ScoreCompiler::writeHeaderTempo(std::int32_t tempo) {
    m_writer.patchWord(m_headerAt, static_cast<std::uint16_t>(static_cast<std::uint32_t>(tempo)));
}

void ScoreCompiler::startEvent() {
    requireNoPendingSlide();
    TrackState& current = track();
    if (!m_blockWritten) {
        if (current.pendingJump) {
            m_writer.patch(*current.pendingJump, {0xFE});
            m_writer.patchWord(*current.pendingJump + 1, m_writer.position());
            current.pendingJump.reset();
        }
        m_blockWritten = true;
    }
    if (!current.firstEvent) {
        if (m_soundEffects > 0 && fillSlots(m_tracks, kEffectSlots).used >= kEffectSlots) {
            fail(m_commandOffset,
                 formatText("sound effect %d uses a third track (track %d); an effect has two", m_effect,
                            m_track));
        }
        current.firstEvent = m_writer.position();
    }
}

void ScoreCompiler::event(std::initializer_list<std::uint8_t> bytes) {
    startEvent();
    m_writer.bytes(bytes);
}

} // namespace audpak::mml
