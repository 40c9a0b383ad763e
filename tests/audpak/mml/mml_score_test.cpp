// The music header and its slots, tracks written in blocks joined by jumps,
// sound-effect sets, and the errors a musician sees.

#include "mml_fixture.h"

#include <gtest/gtest.h>

namespace audpak::test {
namespace {

Bytes header(const Bytes& resource) {
    return Bytes(resource.begin() + 8, resource.begin() + 24);
}

TEST(MmlHeader, TempoAndSlots) {
    struct Case {
        std::string score;
        Bytes header;
    };
    const Case cases[] = {
        {"", {120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"T150 C", {150, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0}},
        {"T+10 T-30 C", {100, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0}},
        // a T before a later track's first event still goes to the header
        {"C #1 T200 D", {200, 0, 0, 0, 0, 1, 0, 0, 24, 0, 32, 0, 0, 0, 0, 0}},
        // slots in increasing track number, whatever order the tracks came in
        {"#3 C #1 D", {120, 0, 0, 0, 1, 3, 0, 0, 32, 0, 24, 0, 0, 0, 0, 0}},
        {"#2 C #1 C #3 C #0 C", {120, 0, 0, 0, 0, 1, 2, 3, 48, 0, 32, 0, 24, 0, 40, 0}},
        // a track switched to without events takes no slot
        {"#1 #2 C", {120, 0, 0, 0, 2, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(header(compileScore(c.score).resource), c.header) << c.score;
    }
}

TEST(MmlHeader, LengthEndsAtTheLastEvent) {
    EXPECT_EQ(compileScore("").resource.size(), 24u);
    EXPECT_EQ(compileScore("C").resource.size(), 28u);
}

TEST(MmlTracks, BlocksAreJoinedByJumps) {
    // C at 24, block end at 27, D at 32, block end at 35, E at 40, end at 43
    const Bytes events = musicEvents("C #1 D #0 E");
    EXPECT_EQ(events, (Bytes{60, 24, 21, 0xFE, 40, 0, 0, 0, 62, 24, 21, 0xFF, 0, 0, 0, 0, 64, 24, 21, 0xFF}));
}

TEST(MmlTracks, SwitchForms) {
    EXPECT_EQ(musicEvents("C #5 D"), musicEvents("C #1 D"));  // n mod 4
    EXPECT_EQ(musicEvents("C # D"), musicEvents("C #1 D"));   // no number: track 1
    EXPECT_EQ(musicEvents("C ##2 D"), musicEvents("C #2 D")); // "##" is a switch in music
    EXPECT_EQ(musicEvents("C #0 D"), musicEvents("C D"));     // the current track: nothing
}

TEST(MmlTracks, EmptyBlockLeavesTheJumpForTheTracksNextEvents) {
    // Track 0 comes back without events before track 1 goes on: track 0's
    // block end must stay an end, not jump into track 1's notes.
    const Bytes events = musicEvents("C #1 D #0 #1 E");
    EXPECT_EQ(events, (Bytes{60, 24, 21, 0xFF, 0, 0, 0, 0, 62, 24, 21, 0xFE, 40, 0, 0, 0, 64, 24, 21, 0xFF}));
}

TEST(MmlTracks, ThousandsOfSwitches) {
    std::string score;
    for (int i = 0; i < 4000; ++i) {
        score += "#" + std::to_string(i) + " C";
    }
    const Bytes resource = compileScore(score).resource;
    ASSERT_EQ(resource.size(), 24u + 4000u * 8u - 4u); // the last block ends with one byte
    // every block but the last four jumps to its track's next block
    EXPECT_EQ(word(resource, 24 + 3 + 1), 24u + 4 * 8u);
}

TEST(MmlEffects, TwoEffectsOnTheirTracks) {
    const Compiled compiled = compileScore("C D ## E", 2);
    const Bytes expected = {0x56, 0x52, 0x53, 0x45, 0,   0, 0,   0, // header area kept for the frame
                            2,    0,    14,   0,    29,  0, 120, 0, 2,  0, 22, 0, 0,  0,  60, 24,  21,
                            62,   24,   21,   0xFF, 120, 0, 1,   0, 37, 0, 0,  0, 64, 24, 21, 0xFF};
    EXPECT_EQ(Bytes(compiled.resource.begin() + 8, compiled.resource.end()),
              Bytes(expected.begin() + 8, expected.end()));
}

TEST(MmlEffects, Sets) {
    struct Case {
        std::string score;
        int count;
        Bytes afterHeader;
    };
    const Case cases[] = {
        // an effect the text does not reach keeps offset 0
        {"C", 2, {2, 0, 14, 0, 0, 0, 120, 0, 2, 0, 22, 0, 0, 0, 60, 24, 21, 0xFF}},
        // more effects in the text than asked for: the rest is not read
        {"C ## D", 1, {1, 0, 12, 0, 120, 0, 2, 0, 20, 0, 0, 0, 60, 24, 21, 0xFF}},
        // tempo before the first event goes to the effect's header
        {"T90 C", 1, {1, 0, 12, 0, 90, 0, 2, 0, 20, 0, 0, 0, 60, 24, 21, 0xFF}},
        // "##3" starts the next effect on track 3; two tracks in slot order
        {"C ##3 D #1 E", 2, {2, 0, 14, 0,  26, 0,  120, 0,  2,  0,  22,   0, 0, 0, 60, 24, 21, 0xFF, 120,
                             0, 1, 3,  42, 0,  34, 0,   62, 24, 21, 0xFF, 0, 0, 0, 0,  64, 24, 21,   0xFF}},
        // the track states start afresh in every effect
        {"O6 L8 C ## C", 2, {2,  0,  14,   0,   26, 0, 120, 0,  2, 0, 22, 0,  0,  0,  84,
                             12, 10, 0xFF, 120, 0,  1, 0,   34, 0, 0, 0,  60, 24, 21, 0xFF}},
    };
    for (const Case& c : cases) {
        const Bytes resource = compileScore(c.score, c.count).resource;
        EXPECT_EQ(Bytes(resource.begin() + 8, resource.end()), c.afterHeader) << c.score;
    }
}

TEST(MmlErrors, SayWhereInTheScore) {
    struct Case {
        std::string score;
        int count;
        std::string message;
    };
    const Case cases[] = {
        {"L0", 0, "line 1, column 1: L0 gives no note length (use L1 to L96)\r\n"},
        {"C\n  D L0 E", 0, "line 2, column 5: L0 gives no note length (use L1 to L96)\r\n"},
        {"C~ R", 0,
         "line 1, column 2: the note marked \"~\" must be followed directly by the note it slides into\r\n"},
        {"C D~ V3 E", 0,
         "line 1, column 4: the note marked \"~\" must be followed directly by the note it slides into\r\n"},
        {"C~ #1 D", 0,
         "line 1, column 2: the note marked \"~\" must be followed directly by the note it slides into\r\n"},
        {"C\nD~", 0,
         "line 2, column 2: the note marked \"~\" must be followed directly by the note it slides into\r\n"},
        {"C~ ## D", 2,
         "line 1, column 2: the note marked \"~\" must be followed directly by the note it slides into\r\n"},
        {"C #1 D #0 E", 1,
         "line 1, column 11: sound effect 0 uses a third track (track 0); an effect has two\r\n"},
        {"C ## C #2 C #3 C", 2,
         "line 1, column 16: sound effect 1 uses a third track (track 3); an effect has two\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compileError(c.score, c.count), c.message) << c.score;
    }
}

TEST(MmlErrors, ResourceLimit) {
    // 21836 notes, one "!" and the end fill the 65534 bytes exactly
    std::string score = "Q8 " + std::string(21836, 'C') + "!";
    EXPECT_EQ(compileScore(score).resource.size(), 65534u);
    EXPECT_EQ(compileError(score + "!"), "line 1, column 21841: the resource passes 65534 bytes\r\n");
    EXPECT_EQ(compileError("C", 40000), "resource too large: more than 65534 bytes\r\n");
}

TEST(MmlErrors, ListingTempoMustFitItsField) {
    EXPECT_EQ(compileError("T1000 C"),
              "line 1, column 1: the header tempo 1000 does not fit the listing (-99 to 999)\r\n");
    // without a listing the header word holds it
    auto out = std::make_unique<ResultBuffer>();
    const std::string score = "T1000 C";
    compileMml(Source{score}, *out, nullptr, 0);
    EXPECT_EQ(out->get16(8), 1000u);
}

} // namespace
} // namespace audpak::test
