// Track switches, which split a track into blocks joined by jumps, and the
// loops with their ":" skip.
#include "tools/audpak/mml/score_compiler.h"

namespace audpak::mml {

namespace {

constexpr std::uint8_t kJumpCode = 0xFF; // a block end until it is linked
constexpr std::uint8_t kSkipCode = 0xFB;
constexpr std::uint8_t kLoopStartCode = 0xFC;
constexpr std::uint8_t kLoopEndCode = 0xFD;

} // namespace

void ScoreCompiler::switchTrack(int next) {
    if (next == m_track) {
        return;
    }
    requireNoPendingSlide();
    if (m_blockWritten) {
        track().pendingJump = m_writer.position();
        m_writer.bytes({kJumpCode, 0, 0, 0, 0});
        m_writer.line("\tBREAK");
    }
    m_track = next;
    m_blockWritten = false;
    m_writer.lineFormat("TRACK%d:", m_track);
}

void ScoreCompiler::loopStart() {
    const Argument argument = m_reader.readArgument();
    const std::int32_t count = argument.hasDigits ? argument.signedValue() : 2;
    TrackState& current = track();
    if (current.openLoops >= kLoopLevels) {
        return;
    }
    event({kLoopStartCode, low8(count)});
    const std::size_t body = m_writer.position();
    current.loopBodies[current.openLoops++] = body;
    m_writer.lineFormat("\tREPT1\t%d", count);
    m_writer.lineFormat("TRACK%d_%zu:", m_track, body);
}

void ScoreCompiler::loopEnd() {
    TrackState& current = track();
    if (current.openLoops == 0) {
        return;
    }
    const std::size_t body = current.loopBodies[--current.openLoops];
    event({kLoopEndCode, low8(static_cast<std::int64_t>(body)), low8(static_cast<std::int64_t>(body >> 8))});
    m_writer.lineFormat("\tREPT2\tTRACK%d_%zu", m_track, body);
    if (m_skipOperand) {
        m_writer.patchWord(*m_skipOperand, m_writer.position());
        m_skipOperand.reset();
        m_writer.line("@@:");
    }
}

void ScoreCompiler::loopSkip() {
    event({kSkipCode, 0, 0});
    const std::size_t operand = m_writer.position() - 2;
    m_writer.patchWord(operand, m_writer.position());
    m_skipOperand = operand;
    m_writer.line("\tREPT_SKIP\t@f");
}

} // namespace audpak::mml
