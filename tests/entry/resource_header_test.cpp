#include "entry/resource_header.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ResourceHeader, EncodesMagicTypeUnitsAndSignedId) {
    const auto h = pf::makeResourceHeader({'M', 'D'}, 33, -1);
    const auto bytes = pf::encodeResourceHeader(h);
    const std::vector<std::uint8_t> expected = {'V', 'R', 'M', 'D', 3, 0, 0xFF, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(pf::decodeResourceHeader(bytes), h);
}

TEST(ResourceHeader, LengthRoundsUpToUnits) {
    const std::pair<std::size_t, std::uint16_t> cases[] = {{8, 1}, {16, 1}, {17, 2}, {65534, 4096}};
    for (const auto& [bytes, units] : cases) {
        EXPECT_EQ(pf::resourceLengthUnits(bytes), units) << bytes;
    }
    EXPECT_EQ(pf::padToUnit(0), 0u);
    EXPECT_EQ(pf::padToUnit(20), 32u);
    EXPECT_EQ(pf::padToUnit(32), 32u);
}

TEST(ResourceHeader, DecodeNeedsEightBytesAndTheMagic) {
    const std::uint8_t good[] = {'V', 'R', 'S', 'I', 1, 0, 5, 0};
    EXPECT_TRUE(pf::decodeResourceHeader(good));
    EXPECT_FALSE(pf::decodeResourceHeader(std::span<const std::uint8_t>(good, 7)));
    const std::uint8_t other[] = {'V', 'X', 'S', 'I', 1, 0, 5, 0};
    EXPECT_FALSE(pf::decodeResourceHeader(other));
}

} // namespace
