#include "entry/entry_header.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using pf::EntryRecord;

TEST(EntryHeader, EncodesEveryFieldLittleEndianAtItsOffset) {
    const EntryRecord r = pf::makeEntryRecord("game", "a test", 0x1234, -2, 300, 16, 0xA1B2C3D4);
    const auto h = pf::encodeEntryHeader(r);

    EXPECT_EQ(std::string(h.begin(), h.begin() + 4), "#!ws");
    for (int i = 4; i < 64; ++i) {
        ASSERT_EQ(h[i], 0xFF) << i;
    }
    EXPECT_EQ(std::string(h.begin() + 64, h.begin() + 68), "game");
    for (int i = 68; i < 80; ++i) {
        ASSERT_EQ(h[i], 0) << i;
    }
    EXPECT_EQ(std::string(h.begin() + 80, h.begin() + 86), "a test");
    const std::vector<std::uint8_t> tail(h.begin() + 104, h.end());
    const std::vector<std::uint8_t> expected = {
        0,    0,    0,    0,    // reserved
        0x2C, 0x01, 0,    0,    // size 300
        3,    0,                // blocks
        0x34, 0x12,             // mode
        0xD4, 0xC3, 0xB2, 0xA1, // date: time half at 116, date half at 118
        0xFE, 0xFF, 0xFF, 0xFF, // appid -2
        16,   0,    0,    0,    // resource offset
    };
    EXPECT_EQ(tail, expected);
}

TEST(EntryHeader, FullNameAndDescriptionHaveNoTerminator) {
    const EntryRecord r =
        pf::makeEntryRecord("ABCDEFGHIJKLMNOPQR", "abcdefghijklmnopqrstuvwxyz", 6, 0, 1, pf::kNoResources, 0);
    const auto h = pf::encodeEntryHeader(r);
    EXPECT_EQ(std::string(h.begin() + 64, h.begin() + 80), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(std::string(h.begin() + 80, h.begin() + 104), "abcdefghijklmnopqrstuvwx");

    const auto back = pf::decodeEntryHeader(h);
    ASSERT_TRUE(back);
    EXPECT_EQ(pf::recordName(*back), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(pf::recordInfo(*back), "abcdefghijklmnopqrstuvwx");
}

TEST(EntryHeader, RoundTripsAndDerivesTheCodeLength) {
    const EntryRecord withResources = pf::makeEntryRecord("s", "", 6, 7, 64, 32, 1);
    const EntryRecord withoutResources = pf::makeEntryRecord("s", "", 6, 7, 300, pf::kNoResources, 1);
    for (const auto& r : {withResources, withoutResources}) {
        const auto back = pf::decodeEntryHeader(pf::encodeEntryHeader(r));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, r);
    }
    EXPECT_EQ(pf::codeLength(withResources), 32u);
    EXPECT_EQ(pf::codeLength(withoutResources), 300u);
}

TEST(EntryHeader, RejectsShortInputAndOtherMagic) {
    auto h = pf::encodeEntryHeader(pf::makeEntryRecord("x", "", 6, 0, 1, -1, 0));
    EXPECT_FALSE(pf::decodeEntryHeader(std::span<const std::uint8_t>(h.data(), 127)));
    EXPECT_FALSE(pf::decodeEntryHeader({}));
    h[3] = 'x';
    EXPECT_FALSE(pf::decodeEntryHeader(h));
    EXPECT_FALSE(pf::hasEntryMagic(h));

    const std::uint8_t three[] = {'#', '!', 'w'};
    EXPECT_FALSE(pf::hasEntryMagic(three));
    const std::uint8_t four[] = {'#', '!', 'w', 's'};
    EXPECT_TRUE(pf::hasEntryMagic(four));
}

TEST(EntryHeader, FillerIsNotChecked) {
    auto h = pf::encodeEntryHeader(pf::makeEntryRecord("x", "", 6, 0, 1, -1, 0));
    h[10] = 0;
    EXPECT_TRUE(pf::decodeEntryHeader(h));
}

TEST(EntryHeader, BlockCounts) {
    const std::pair<std::uint32_t, std::uint16_t> cases[] = {{0, 0}, {1, 1}, {128, 1}, {129, 2}, {300, 3}};
    for (const auto& [size, blocks] : cases) {
        EXPECT_EQ(pf::blockCount(size), blocks) << size;
    }
}

TEST(EntryHeader, ModeLettersInBitOrder) {
    EXPECT_EQ(pf::modeLetterString(6), "wr");
    EXPECT_EQ(pf::modeLetterString(0xFF), "xwrmsild");
    EXPECT_EQ(pf::modeLetterString(0x100), "");
    EXPECT_EQ(pf::modeLetterString(0x81), "xd");
}

} // namespace
