#include "ferrymate/listing/listing_reply.h"
#include "listing_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <string>
#include <vector>

namespace pf {
namespace {

struct LineCase {
    const char* title;
    std::string line;
    FileInfo expected;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.title; }
};

class ListingLine : public testing::TestWithParam<LineCase> {};

TEST_P(ListingLine, BecomesRecord) {
    EXPECT_EQ(parseListingLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListingLine,
    testing::Values(
        LineCase{"Typical",
                 fileLine("AB", "-wr-s--- 1234 09-03-04 12:30 x", "\x83\x81\x83\x82\x92\xA0"),
                 {"09-03-04 12:30", 1234, "AB", "-wr-s---", "\x83\x81\x83\x82\x92\xA0", 0}},
        LineCase{"NameOfSixteenBytesRunsIntoSeparator",
                 "ABCDEFGHIJKLMNOP-wr 7 09-01-01 00:00",
                 {"09-01-01 00:00", 7, "ABCDEFGHIJKLMNOP", "wr", "", 0}},
        LineCase{"BlanksInsideNameStay",
                 fileLine(" my game ", "xwr 5 d t", ""),
                 {"d t", 5, "my game", "xwr", "", 0}},
        LineCase{"FortyByteLineHasNoDescription",
                 fileLine("A", "xwr 40 09-01-01 00:00", "").substr(0, 40),
                 {"09-01-01 00:00", 40, "A", "xwr", "", 0}},
        LineCase{"ByteFiftyBlankStartsDescription",
                 fileLine("A", "xwr 1 d t", " two  words "),
                 {"d t", 1, "A", "xwr", " two  words ", 0}},
        LineCase{"SizeDigitsThenLetters", fileLine("A", "xwr 12ab d t", ""), {"d t", 12, "A", "xwr", "", 0}},
        LineCase{"NegativeSize", fileLine("A", "xwr -5 d t", ""), {"d t", -5, "A", "xwr", "", 0}},
        LineCase{"SizeWithoutDigits", fileLine("A", "xwr abc d t", ""), {"d t", 0, "A", "xwr", "", 0}},
        LineCase{"SizeBeyond32BitsHeldAtLimit",
                 fileLine("A", "xwr 99999999999 d t", ""),
                 {"d t", std::numeric_limits<std::int32_t>::max(), "A", "xwr", "", 0}},
        LineCase{
            "TabsSeparateTokens", "A" + std::string(16, ' ') + "xwr\t3\td\tt", {"d t", 3, "A", "xwr", "", 0}},
        LineCase{"ShortLineOnlyName", "READ.ME", {" ", 0, "READ.ME", "", "", 0}},
        LineCase{"EmptyLine", "", {" ", 0, "", "", "", 0}},
        LineCase{"ControlCharactersTrimmedFromName",
                 fileLine("\x01NAME\x7F", "xwr 1 d t", ""),
                 {"d t", 1, "NAME", "xwr", "", 0}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(ListingLine, LongTokensKeepEveryByte) {
    const std::string line = std::string(16, 'N') + " " + std::string(100, 'm') + " 9 d t";
    const FileInfo record = parseListingLine(line);
    EXPECT_EQ(record.attribute, std::string(100, 'm'));
    EXPECT_EQ(record.size, 9);
    EXPECT_EQ(record.description, line.substr(50));
}

struct ReplyCase {
    const char* title;
    std::vector<std::string> replies;
    std::vector<std::string> names;
    friend void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.title; }
};

class ListingReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(ListingReply, KeepsOnlyFileLines) {
    const auto records = parseListingReply(GetParam().replies);
    ASSERT_TRUE(records.has_value());
    std::vector<std::string> names;
    for (const FileInfo& record : *records)
        names.push_back(record.name);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ListingReply,
    testing::Values(ReplyCase{"NoFiles", {"125 STARTING", "head", "3 files", "200 OK"}, {}},
                    ReplyCase{"TwoFiles",
                              {"125 STARTING", "head", fileLine("A", "x 1 d t", ""),
                               fileLine("B", "x 2 d t", ""), "closing", "200 OK"},
                              {"A", "B"}},
                    ReplyCase{"EchoLinesBeforeStartingIgnored",
                              {"ls -l /rom0", fileLine("ECHO", "x 1 d t", ""), "125 STARTING", "head",
                               fileLine("A", "x 1 d t", ""), "closing", "200 OK"},
                              {"A"}},
                    ReplyCase{"OnlyTheFirstStartingCounts",
                              {"125 STARTING", "head", "125 STARTING", "closing", "200 OK"},
                              {"125 STARTING"}},
                    ReplyCase{"StartingNearTheEnd", {"125 STARTING", "200 OK"}, {}},
                    ReplyCase{"StartingLast", {"125 STARTING"}, {}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(ListingReply, WithoutStartingLineIsNoListing) {
    EXPECT_FALSE(parseListingReply({"head", "closing", "200 OK"}).has_value());
    EXPECT_FALSE(parseListingReply({"125 starting", "head", "200 OK"}).has_value());
    EXPECT_FALSE(parseListingReply({" 125 STARTING", "head", "200 OK"}).has_value());
    EXPECT_FALSE(parseListingReply({}).has_value());
}

struct FreeSpaceCase {
    const char* title;
    std::vector<std::string> replies;
    const char* directory;
    std::uint32_t expected;
    friend void PrintTo(const FreeSpaceCase& c, std::ostream* os) { *os << c.title; }
};

class FreeSpace : public testing::TestWithParam<FreeSpaceCase> {};

TEST_P(FreeSpace, FromDfReply) {
    EXPECT_EQ(parseFreeSpace(GetParam().replies, GetParam().directory), GetParam().expected);
}

const std::vector<std::string> kDfReply = {"Filesystem  bytes  used  avail  use%  mounted",
                                           "rom0 393216 131072 262144 33% /rom0",
                                           "ram0 131072 65536 65536 50% /ram0", "200 OK"};

INSTANTIATE_TEST_SUITE_P(
    Replies, FreeSpace,
    testing::Values(FreeSpaceCase{"ProgramArea", kDfReply, "/rom0", 262144},
                    FreeSpaceCase{"WorkArea", kDfReply, "/ram0", 65536},
                    FreeSpaceCase{"MissingLine", {"rom0 1 2 3", "200 OK"}, "/ram0", 0},
                    FreeSpaceCase{"FirstMatchingLineDecides", {"ram0 1 2 7", "ram0 1 2 9"}, "/ram0", 7},
                    FreeSpaceCase{"KeyAtLineStartOnly", {" ram0 1 2 7", "ram0x 1 2 8"}, "/ram0", 8},
                    FreeSpaceCase{"CaseAsWritten", {"RAM0 1 2 7"}, "/ram0", 0},
                    FreeSpaceCase{"TooFewTokens", {"ram0 1 2"}, "/ram0", 0},
                    FreeSpaceCase{"DigitsThenLetters", {"ram0 1 2 12kB"}, "/ram0", 12},
                    FreeSpaceCase{"NegativeCountsAsNothing", {"ram0 1 2 -5"}, "/ram0", 0},
                    FreeSpaceCase{"Beyond32BitsHeldAtLimit", {"ram0 1 2 99999999999"}, "/ram0", 0xFFFFFFFFu},
                    FreeSpaceCase{"Above2GiBKept", {"ram0 1 2 3000000000"}, "/ram0", 3000000000u}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(Decimal, ReadsLikeC) {
    EXPECT_EQ(readDecimal("  42"), 42);
    EXPECT_EQ(readDecimal("+7x"), 7);
    EXPECT_EQ(readDecimal("-"), 0);
    EXPECT_EQ(readDecimal(""), 0);
    EXPECT_EQ(readDecimal("- 5"), 0);
    EXPECT_EQ(readDecimal("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(readDecimal("-99999999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

} // namespace
} // namespace pf
