#include "entry/digit_value.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(DigitValue, ReadsDigitsOfEachBaseAndRefusesTheRest) {
    EXPECT_EQ(digitValue('7', 8), 7);
    EXPECT_EQ(digitValue('8', 8), -1);
    EXPECT_EQ(digitValue('9', 10), 9);
    EXPECT_EQ(digitValue('z', 36), 35);
    EXPECT_EQ(digitValue('Z', 36), 35);
    EXPECT_EQ(digitValue('a', 10), -1);
    for (const char c : {' ', '/', ':', '@', '[', '`', '{', '\0', '\xff'}) {
        EXPECT_EQ(digitValue(c, 36), -1) << static_cast<int>(c);
    }
}

TEST(DigitValue, HexDigitsInEitherCase) {
    EXPECT_EQ(hexDigitValue('0'), 0);
    EXPECT_EQ(hexDigitValue('a'), 10);
    EXPECT_EQ(hexDigitValue('F'), 15);
    EXPECT_EQ(hexDigitValue('g'), -1);
    EXPECT_EQ(hexDigitValue('G'), -1);
}

} // namespace
} // namespace pf
