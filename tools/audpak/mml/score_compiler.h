#pragma once
// The one-pass compiler of a score: it reads the text once, left to right,
// and writes the events of the tracks as it goes. Its work is spread over
// several files by concern: the score and its headers (score_compiler.cpp),
// the command loop and the plain commands (commands.cpp), notes, rests and
// slides (notes.cpp), and track blocks and loops (track_blocks.cpp).

#include "tools/audpak/converter.h"
#include "tools/audpak/mml/event_writer.h"
#include "tools/audpak/mml/mml_reader.h"
#include "tools/audpak/mml/slot_table.h"
#include "tools/audpak/mml/track_state.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace audpak::mml {

class ScoreCompiler {
  public:
    ScoreCompiler(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects);
    std::size_t compile();

  private:
    enum class ScoreEnd { EndOfText, EndOfEffect };

    struct NoteLength {
        std::int64_t length = 0;
        std::int64_t gate = 0;
        bool slides = false;
    };

    // A note marked "~", waiting for the note it slides into.
    struct PendingSlide {
        std::size_t position = 0; // of its note event
        std::uint8_t note = 0;
        std::int64_t length = 0;
        std::size_t textOffset = 0; // of the "~", for messages
    };

    // score_compiler.cpp: the score, the sound-effect set and their headers.
    void compileMusic();
    void compileEffects();
    ScoreEnd compileEffect(int index);
    void startPart();
    SlotTable finishPart(std::size_t slotCount);
    void writeHeaderTempo(std::int32_t tempo);
    [[noreturn]] void fail(std::size_t textOffset, std::string_view what) const;
    // Every event goes through here: it links the track's pending jump, notes
    // the track's first event and writes the bytes.
    void event(std::initializer_list<std::uint8_t> bytes);
    void startEvent();
    TrackState& track() { return m_tracks[static_cast<std::size_t>(m_track)]; }

    // commands.cpp: the command loop and the commands that set values.
    ScoreEnd runCommands();
    void command(unsigned char letter);
    void atCommand();
    void valueEvent(std::uint8_t code, const char* name);
    void octaveCommand(std::int64_t octave);
    void lengthCommand();
    void volumeCommand();
    void tempoCommand();
    void sharpCommand();

    // notes.cpp: notes, rests, their lengths and slides.
    void noteCommand(unsigned char letter);
    void restCommand();
    NoteLength readLength();
    void writeNote(std::uint8_t note, const NoteLength& length);
    void writeRest(std::int64_t length);
    void requireNoPendingSlide();

    // track_blocks.cpp: track switches and loops.
    void switchTrack(int track);
    void endBlock();
    void loopStart();
    void loopEnd();
    void loopSkip();

    MmlReader m_reader;
    EventWriter m_writer;
    int m_soundEffects = 0;
    std::size_t m_commandOffset = 0;   // text offset of the command being read
    std::size_t m_slideMarkOffset = 0; // text offset of the last "~" read

    // Reset for the score and for every sound effect.
    TrackStates m_tracks{};
    int m_track = 0;
    bool m_blockWritten = false;
    std::size_t m_headerAt = 0; // the music header, or the current effect's
    std::int32_t m_headerTempo = kDefaultTempo;
    std::uint64_t m_headerLinesAt = 0;
    int m_effect = 0;

    // Kept over the whole text.
    std::optional<PendingSlide> m_slide;
    bool m_alternate = false;
    std::optional<std::size_t> m_skipOperand; // operand of the last ":" not yet closed
};

} // namespace audpak::mml
