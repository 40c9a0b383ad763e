#include "ferrymate/listing/byte_size_text.h"
#include "ferrymate/listing/selection_status.h"
#include "listing_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace pf {
namespace {

struct SizeCase {
    std::uint32_t bytes;
    const char* text;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.bytes; }
};

class ByteSize : public testing::TestWithParam<SizeCase> {};

TEST_P(ByteSize, Text) {
    EXPECT_EQ(FormatByteSize(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ByteSize,
                         testing::Values(SizeCase{0, "0バイト"}, SizeCase{1024, "1024バイト"},
                                         SizeCase{1025, "1Kバイト"}, SizeCase{1536, "1.5Kバイト"},
                                         SizeCase{3000, "2.93Kバイト"}, SizeCase{2058, "2.01Kバイト"},
                                         SizeCase{1029, "1Kバイト"}, SizeCase{1030, "1.01Kバイト"},
                                         SizeCase{102399, "100Kバイト"}, SizeCase{102400, "100Kバイト"},
                                         SizeCase{102912, "101Kバイト"}, SizeCase{1152, "1.13Kバイト"},
                                         SizeCase{65536, "64Kバイト"}, SizeCase{1023999, "1000Kバイト"},
                                         SizeCase{1024000, "0.98Mバイト"}, SizeCase{5242880, "5.0Mバイト"},
                                         SizeCase{1048576 * 3 / 2, "1.5Mバイト"},
                                         SizeCase{1179648, "1.13Mバイト"},
                                         SizeCase{4294967295u, "4096.0Mバイト"}),
                         [](const auto& info) { return std::to_string(info.param.bytes); });

TEST(GroupedNumber, CommasEveryThreeDigits) {
    EXPECT_EQ(formatGroupedNumber(0), "0");
    EXPECT_EQ(formatGroupedNumber(999), "999");
    EXPECT_EQ(formatGroupedNumber(1000), "1,000");
    EXPECT_EQ(formatGroupedNumber(1234567), "1,234,567");
    EXPECT_EQ(formatGroupedNumber(-5), "-5");
    EXPECT_EQ(formatGroupedNumber(-2147483648LL), "-2,147,483,648");
}

TEST(SelectionStatus, SumsSelectedRowsAndShowsFreeSpace) {
    FixedListing listing({file("a", 1000), file("b", 1000), file("c", 1000), file("d", 7)}, 65536);
    const std::vector<std::size_t> three = {0, 1, 2};
    EXPECT_EQ(selectionStatusText(listing, three), "2.93Kバイト [空き容量 64Kバイト]");
    EXPECT_EQ(selectionStatusText(listing, {}), "0バイト [空き容量 64Kバイト]");
}

TEST(SelectionStatus, SumWrapsAt32BitsAndIgnoresRowsPastEnd) {
    FixedListing listing({file("big", 0x7FFFFFFF), file("big2", 0x7FFFFFFF), file("x", 3)}, 0);
    const std::vector<std::size_t> rows = {0, 1, 2, 99};
    EXPECT_EQ(selectedSize(listing, rows), 1u);
}

} // namespace
} // namespace pf
