#include "ferrymate/platform/text_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, RoundTripsJapaneseAndAscii) {
    const std::string sjis = "\x83\x65\x83\x58\x83\x67 abc"; // テスト abc
    EXPECT_EQ(pf::cp932ToUtf8(sjis), "テスト abc");
    EXPECT_EQ(pf::utf8ToCp932("テスト abc"), sjis);
    EXPECT_EQ(pf::utf8ToCp932("～"), std::string("\x81\x60"));
}

TEST(TextCodec, BadBytesBecomeReplacementCharactersAndTheRestSurvives) {
    EXPECT_EQ(pf::cp932ToUtf8("a\xFF"
                              "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(pf::cp932ToUtf8("ab\x83"), "ab\xEF\xBF\xBD"); // lead byte cut off at the end
}

TEST(TextCodec, UnrepresentableTextIsRefused) {
    EXPECT_EQ(pf::utf8ToCp932("😀"), std::nullopt);
    EXPECT_EQ(pf::utf8ToCp932("\xC3"), std::nullopt);
}

} // namespace
