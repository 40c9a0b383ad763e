#include "entry/time_stamp.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(TimeStamp, PacksFieldsAndHalvesSeconds) {
    const std::uint32_t s = pf::encodeTimeStamp(at(2026, 12, 10, 12, 34, 59));
    EXPECT_EQ(s, (26u << 25) | (12u << 21) | (10u << 16) | (12u << 11) | (34u << 5) | 29u);
    const auto d = pf::decodeTimeStamp(s);
    EXPECT_EQ(d.year, 26);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 10);
    EXPECT_EQ(d.hour, 12);
    EXPECT_EQ(d.minute, 34);
    EXPECT_EQ(d.second, 58);
}

TEST(TimeStamp, YearFieldWrapsEvery128Years) {
    EXPECT_EQ(pf::decodeTimeStamp(pf::encodeTimeStamp(at(2000, 1, 1, 0, 0, 0))).year, 0);
    EXPECT_EQ(pf::decodeTimeStamp(pf::encodeTimeStamp(at(2127, 1, 1, 0, 0, 0))).year, 127);
    EXPECT_EQ(pf::decodeTimeStamp(pf::encodeTimeStamp(at(2128, 1, 1, 0, 0, 0))).year, 0);
    EXPECT_EQ(pf::decodeTimeStamp(pf::encodeTimeStamp(at(1999, 1, 1, 0, 0, 0))).year, 127);
}

class SourceDateEpoch : public ::testing::Test {
  protected:
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(SourceDateEpoch, IsUsedAsUtc) {
    setenv("SOURCE_DATE_EPOCH", "1000000000", 1); // 2001-09-09 01:46:40 UTC
    const std::tm t = pf::entryStampTime();
    EXPECT_EQ(t.tm_year, 101);
    EXPECT_EQ(t.tm_mon, 8);
    EXPECT_EQ(t.tm_mday, 9);
    EXPECT_EQ(t.tm_hour, 1);
    EXPECT_EQ(t.tm_min, 46);
    EXPECT_EQ(t.tm_sec, 40);
}

TEST_F(SourceDateEpoch, RejectsWhatIsNotAWholeNumber) {
    for (const char* bad : {"", "12x", "-5", "1.5", "99999999999999999999999"}) {
        setenv("SOURCE_DATE_EPOCH", bad, 1);
        EXPECT_THROW(pf::entryStampTime(), pf::TimeSourceError) << bad;
    }
}

} // namespace
