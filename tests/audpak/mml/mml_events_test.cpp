// Each command family as a table of small scores and their exact event bytes
// (the music events after the 24-byte header, ending with the track's 0xFF).

#include "mml_fixture.h"

#include <gtest/gtest.h>

namespace audpak::test {
namespace {

struct EventCase {
    const char* name;
    std::string score;
    Bytes events;
};

void PrintTo(const EventCase& c, std::ostream* os) {
    *os << c.name;
}

class MmlEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(MmlEvents, WritesExactBytes) {
    EXPECT_EQ(musicEvents(GetParam().score), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, MmlEvents,
    ::testing::Values(
        EventCase{"eighths", "T150 O4 L8 CDEF", {60, 12, 10, 62, 12, 10, 64, 12, 10, 65, 12, 10, 0xFF}},
        EventCase{"letters", "A B c g", {69, 24, 21, 71, 24, 21, 60, 24, 21, 67, 24, 21, 0xFF}},
        EventCase{"dotted", "C4.", {60, 36, 31, 0xFF}}, EventCase{"doubleDotted", "C4..", {60, 42, 36, 0xFF}},
        EventCase{"tied", "C4^8", {60, 36, 31, 0xFF}}, EventCase{"tieKeepsUnit", "C^", {60, 48, 42, 0xFF}},
        EventCase{"parenthesesTwo", "C(30,20)", {60, 30, 20, 0xFF}},
        EventCase{"parenthesesOne", "C(30)D", {60, 30, 30, 62, 24, 21, 0xFF}},
        EventCase{"fullGate", "C4&", {60, 24, 24, 0xFF}}, EventCase{"lengthZeroUnit", "C0", {60, 0, 0, 0xFF}},
        EventCase{"accidentals", "C+ D- E++ F +", {61, 24, 21, 61, 24, 21, 66, 24, 21, 66, 24, 21, 0xFF}},
        EventCase{"noteAsRest", "O9 G+", {0x80, 24, 0xFF}},
        EventCase{"highOctave", "O10 C", {192, 24, 21, 0xFF}},
        EventCase{"noteOnCommandByte", "O14 B", {0xFB, 24, 21, 0xFF}},
        EventCase{"noteWraps", "O15 A+", {6, 24, 21, 0xFF}},
        EventCase{"rests", "R8 R r2.", {0x80, 12, 0x80, 24, 0x80, 72, 0xFF}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Settings, MmlEvents,
    ::testing::Values(EventCase{"octaveSet", "O0 C O-9 C O+2 C", {12, 24, 21, 12, 24, 21, 36, 24, 21, 0xFF}},
                      EventCase{"octaveArrows", "> C << C < C", {72, 24, 21, 48, 24, 21, 36, 24, 21, 0xFF}},
                      EventCase{"octaveSignedByte", "O200 C", {12, 24, 21, 0xFF}},
                      EventCase{"octaveFloor", "O1 <5 C", {12, 24, 21, 0xFF}},
                      EventCase{"length", "L16 C L C", {60, 6, 5, 60, 96, 84, 0xFF}},
                      EventCase{"gate", "Q8 C Q4 C", {60, 24, 24, 60, 24, 12, 0xFF}},
                      EventCase{"lowercase", "o5 l8 q8 c", {72, 12, 12, 0xFF}},
                      EventCase{"comment", "C ; D E\nF", {60, 24, 21, 65, 24, 21, 0xFF}},
                      EventCase{"slashEnds", "C / D", {60, 24, 21, 0xFF}},
                      EventCase{"eofByteEnds",
                                "C\x1A"
                                "D",
                                {60, 24, 21, 0xFF}},
                      EventCase{"ignored", "C x 123 yz \x82\xA0 D", {60, 24, 21, 62, 24, 21, 0xFF}},
                      // 10^300 - 1 wraps to -1 like a 32-bit int: L-1 gives -96 ticks
                      EventCase{"hugeNumber", "L" + std::string(300, '9') + " C", {60, 0xA0, 0xAC, 0xFF}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Values, MmlEvents,
    ::testing::Values(
        EventCase{"volume", "V10 P3 V10", {0x82, 0xAA, 0x82, 0x7A, 0xFF}},
        EventCase{"balanceLeft", "P-3 V10", {0x82, 0xA7, 0xFF}},
        EventCase{"balanceFloor", "P20 V5", {0x82, 0x05, 0xFF}},
        EventCase{"volumeClamped", "V20 V-20 V+ V+3", {0x82, 0xFF, 0x82, 0x00, 0x82, 0x11, 0x82, 0x44, 0xFF}},
        EventCase{"tempoEvent",
                  "C T90 T+10 T-300",
                  {60, 24, 21, 0x88, 90, 0, 0x88, 100, 0, 0x88, 0x38, 0xFF, 0xFF}},
        EventCase{"program", "@5 @-1 @+2 @", {0x89, 5, 0x89, 0xFF, 0x89, 2, 0xFF}},
        EventCase{"vibratoEnvelope", "@B2 @e3", {0x86, 2, 0x83, 3, 0xFF}},
        EventCase{"noiseSweepWave",
                  "N4 S5 W6 @N7 @S8 @W300",
                  {0x87, 4, 0x84, 5, 0x81, 6, 0x87, 7, 0x84, 8, 0x81, 44, 0xFF}},
        EventCase{"transposition", "_7 _-2", {0x85, 7, 0x85, 0xFE, 0xFF}},
        EventCase{"atLetters", "@V5 @L8 @O5 C", {0x82, 0x55, 72, 12, 10, 0xFF}},
        EventCase{"atNoteLettersDoNothing", "@C @R @a C", {60, 24, 21, 0xFF}},
        EventCase{"marks", "! #+ #+ #- #+", {0xFA, 0x8C, 0x8D, 0x8B, 0x8C, 0xFF}},
        EventCase{"atAtEnd", "C @", {60, 24, 21, 0xFF}}, EventCase{"nothing", "@C ; only a comment", {}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Loops, MmlEvents,
    ::testing::Values(
        // offsets: 0xFC at 24, body 26, 0xFB at 29 -> 38, 0xFD at 35 -> 26
        EventCase{"skip",
                  "[3 C : D ] E",
                  {0xFC, 3, 60, 24, 21, 0xFB, 38, 0, 62, 24, 21, 0xFD, 26, 0, 64, 24, 21, 0xFF}},
        EventCase{"defaultCount", "[ C ]", {0xFC, 2, 60, 24, 21, 0xFD, 26, 0, 0xFF}},
        EventCase{"nested", "[2 [3 C ] ]", {0xFC, 2, 0xFC, 3, 60, 24, 21, 0xFD, 28, 0, 0xFD, 26, 0, 0xFF}},
        EventCase{"thirdLevelIgnored",
                  "[ [ [5 C ] ] ]",
                  {0xFC, 2, 0xFC, 2, 60, 24, 21, 0xFD, 28, 0, 0xFD, 26, 0, 0xFF}},
        EventCase{"closeWithoutOpen", "] C", {60, 24, 21, 0xFF}},
        EventCase{"skipWithoutEnd", "C :", {60, 24, 21, 0xFB, 30, 0, 0xFF}},
        // the second ":" is the one the "]" links; the first keeps pointing after itself
        EventCase{"secondSkipWins",
                  "[ : C : D ]",
                  {0xFC, 2, 0xFB, 29, 0, 60, 24, 21, 0xFB, 41, 0, 62, 24, 21, 0xFD, 26, 0, 0xFF}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Slides, MmlEvents,
    ::testing::Values(
        EventCase{"slide", "C~ D", {0x8A, 62, 60, 24, 24, 62, 24, 21, 0xFF}},
        EventCase{"chained", "C~ D8~ E", {0x8A, 62, 60, 24, 24, 0x8A, 64, 62, 12, 12, 64, 24, 21, 0xFF}},
        EventCase{"settingsBetween", "C~ L8 O5 D", {0x8A, 74, 60, 24, 24, 74, 12, 10, 0xFF}},
        EventCase{"sameTrackSwitch", "C~ #0 D", {0x8A, 62, 60, 24, 24, 62, 24, 21, 0xFF}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace audpak::test
