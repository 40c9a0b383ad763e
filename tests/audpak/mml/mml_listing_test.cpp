// The assembly listing: a music score that uses every command, and a
// sound-effect set, with their headers rewritten in place at the end.

#include "mml_fixture.h"

#include <gtest/gtest.h>

namespace audpak::test {
namespace {

const std::string kFrame =
    "\tINCLUDE\tSEQDEF.INC\r\n\r\n\tDB\t'VR%s'\r\n\tDW\tseg END_DATA\r\n\tDW\t0\r\n\r\n";

std::string frame(const std::string& type) {
    std::string text = kFrame;
    return text.replace(text.find("%s"), 2, type);
}

TEST(MmlListing, MusicWithEveryCommand) {
    const Compiled compiled = compileScore("T150 L8 Q6 V12 P2 V12 @3 @B1 @E2 N3 S4 W5 _-2 T100 "
                                           "[3 C : D~ E ] ! #+ #+ #- #1 R4 C(30,20) #0 G ; the end");
    EXPECT_EQ(compiled.listing,
              frame("MD") +
                  "\tDW\t150\r\n\tDW\t0\r\n\tDB\t0,1,0,0\r\n\tDW\tTRACK0,TRACK1,0     ,0     \r\n\r\n"
                  "TRACK0:\r\n"
                  "\tVOL\t0CCh\r\n\tVOL\t0ACh\r\n\tPROG\t3\r\n\tVIB\t1\r\n\tENV\t2\r\n"
                  "\tNOISE\t3\r\n\tSWEEP\t4\r\n\tWAVE\t5\r\n\tTRANS\t-2\r\n\tTEMPO\t100\r\n"
                  "\tREPT1\t3\r\nTRACK0_47:\r\n\tNOTE\t60,12,9\r\n\tREPT_SKIP\t@f\r\n"
                  "\tPORT\t62,64,12\r\n\tNOTE\t64,12,9\r\n\tREPT2\tTRACK0_47\r\n@@:\r\n"
                  "\tBREAK\r\nTRACK1:\r\n\tREST\t24\r\n\tNOTE\t60,30,20\r\n\tBREAK\r\n"
                  "TRACK0:\r\n\tNOTE\t67,12,9\r\n\tBREAK\r\n"
                  "\r\n\tENDDATA\r\n\tEND\r\n");
    const Bytes expected = {0x82, 0xCC, 0x82, 0xAC, 0x89, 3,    0x86, 1,  0x83, 2,  0x87, 3,    0x84,
                            4,    0x81, 5,    0x85, 0xFE, 0x88, 100,  0,  0xFC, 3,  60,   12,   9,
                            0xFB, 64,   0,    0x8A, 64,   62,   12,   12, 64,   12, 9,    0xFD, 47,
                            0,    0xFA, 0x8C, 0x8D, 0x8B, 0xFE, 83,   0,  0,    0,  0x80, 24,   60,
                            30,   20,   0xFF, 0,    0,    0,    0,    67, 12,   9,  0xFF};
    EXPECT_EQ(Bytes(compiled.resource.begin() + 24, compiled.resource.end()), expected);
    EXPECT_EQ(Bytes(compiled.resource.begin() + 8, compiled.resource.begin() + 24),
              (Bytes{150, 0, 0, 0, 0, 1, 0, 0, 24, 0, 73, 0, 0, 0, 0, 0}));
}

TEST(MmlListing, SoundEffectSet) {
    const Compiled compiled = compileScore("T90 C ##3 [ D ] #2 E", 3);
    EXPECT_EQ(compiled.listing, frame("SE") +
                                    "\tDW\t3\r\n\tDW\tse_0\r\n\tDW\tse_1\r\n\tDW\tse_2\r\n"
                                    "\r\nse_0\tproc\r\n\tDW\t 90\r\n\tDB\t2,0\r\n\tDW\tTRACK2,0     \r\n\r\n"
                                    "TRACK2:\r\n\tNOTE\t60,24,21\r\n\tBREAK\r\nse_0\tendp\r\n"
                                    "\r\nse_1\tproc\r\n\tDW\t120\r\n\tDB\t2,3\r\n\tDW\tTRACK2,TRACK3\r\n\r\n"
                                    "TRACK2:\r\nTRACK3:\r\n\tREPT1\t2\r\nTRACK3_38:\r\n\tNOTE\t62,24,21\r\n"
                                    "\tREPT2\tTRACK3_38\r\n\tBREAK\r\nTRACK2:\r\n\tNOTE\t64,24,21\r\n"
                                    "\tBREAK\r\nse_1\tendp\r\n"
                                    "\r\n\tENDDATA\r\n\tEND\r\n");
    EXPECT_EQ(
        Bytes(compiled.resource.begin() + 8, compiled.resource.end()),
        (Bytes{3,  0, 16, 0, 28,   0, 0,  0,  90, 0,    2,  0, 24,   0, 0, 0, 60, 24, 21, 0xFF, 120, 0, 2, 3,
               49, 0, 36, 0, 0xFC, 2, 62, 24, 21, 0xFD, 38, 0, 0xFF, 0, 0, 0, 0,  64, 24, 21,   0xFF}));
}

TEST(MmlListing, WithoutListingTheBytesAreTheSame) {
    const std::string score = "T150 [3 C : D~ E ] #1 R4 C(30,20) #0 G";
    auto out = std::make_unique<ResultBuffer>();
    const std::size_t length = compileMml(Source{score}, *out, nullptr, 0);
    EXPECT_EQ(Bytes(out->data(), out->data() + length), compileScore(score).resource);
}

} // namespace
} // namespace audpak::test
