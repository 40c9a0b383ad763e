#include "tools/hdrgen/config_number.h"
#include "tools/hdrgen/entry_config.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hdrgen {
namespace {

ConfigReading read(const std::string& text) {
    std::istringstream in(text);
    return readEntryConfig(in, "c.cf");
}

EntryConfig config(const std::string& text) {
    const ConfigReading reading = read(text);
    EXPECT_FALSE(reading.error) << *reading.error;
    return reading.config;
}

TEST(ConfigReader, ReadsWhatFerrymateWrites) {
    const EntryConfig c = config("name : GAME\r\ninfo : \x83\x51\x81\x5B\x83\x80 test\r\nmode : wr\r\n"
                                 "source : /home/u/game.bin\r\noutput : tmp.vx\r\n");
    EXPECT_EQ(c.name, "GAME");
    EXPECT_EQ(c.info, "\x83\x51\x81\x5B\x83\x80 test"); // Shift-JIS passes as bytes
    EXPECT_EQ(c.mode, 6);
    EXPECT_EQ(c.source, "/home/u/game.bin");
    EXPECT_EQ(c.output, "tmp.vx");
    EXPECT_TRUE(c.resources.empty());
}

TEST(ConfigReader, ReadsLooselyWithAnySeparatorAndCase) {
    EntryConfig expected;
    expected.name = "a b  "; // trailing blanks kept
    expected.info = "x:y";
    expected.output = "o.vx";
    expected.appid = 0x7F;
    EXPECT_EQ(config("\n\n  NAME=\t a b  \n Info:x:y\nOut put # o.vx\nAppID : 0x7f"), expected);
}

TEST(ConfigReader, LineEndAfterSeparatorGivesEmptyValue) {
    const EntryConfig c = config("source : a.bin\nsource :\r\noutput : o.vx\n");
    EXPECT_EQ(c.source, "");
    EXPECT_EQ(c.output, "o.vx");
}

TEST(ConfigReader, KeyWithoutLettersEndsTheReading) {
    const EntryConfig c = config("name : a\nsource : s.bin\n; comment\noutput : o.vx\n");
    EXPECT_EQ(c.name, "a");
    EXPECT_EQ(c.source, "s.bin");
    EXPECT_EQ(c.output, "");
    EXPECT_EQ(config("name : a\n: b\nname : c\n").name, "a");
    EXPECT_EQ(config("name : a\n\x82\xA0 : c\nname : c\n").name, "a");
}

TEST(ConfigReader, KeyAtEndWithoutSeparatorIsIgnored) {
    EXPECT_EQ(config("output : o.vx\noutput").output, "o.vx");
    EXPECT_EQ(config("output : o.vx\n  \n").output, "o.vx");
}

TEST(ConfigReader, UnknownAndOverlongKeysAreIgnored) {
    const std::string longKey(40, 'n');
    const EntryConfig c =
        config("colour : red\n" + longKey + " : x\nnamenamenamenamenamename : y\nname : z\n");
    EXPECT_EQ(c.name, "z");
    EXPECT_EQ(config("foo : " + std::string(10000, 'v') + "\nname : z\n").name, "z");
}

TEST(ConfigReader, ResourceListsAppend) {
    const EntryConfig c = config("resource : a.vr\nresource : b.vr\t c.vr  \nresource :\n");
    EXPECT_EQ(c.resources, (std::vector<std::string>{"a.vr", "b.vr", "c.vr"}));
}

TEST(ConfigReader, SixteenResourcesAreAcceptedSeventeenRefused) {
    std::string sixteen = "resource :";
    for (int i = 0; i < 16; ++i) {
        sixteen += " r" + std::to_string(i) + ".vr";
    }
    EXPECT_EQ(config(sixteen + "\n").resources.size(), 16u);
    const ConfigReading refused = read(sixteen + "\nresource : one-more.vr\n");
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(*refused.error, "more than 16 resource files in 'c.cf'\r\n");
}

TEST(ConfigReader, ValuesUpToTheLimitPassLongerAreRefused) {
    const std::string longest(kMaxValueBytes, 'p');
    EXPECT_EQ(config("output : " + longest + "\n").output, longest);
    const ConfigReading refused = read("output : " + longest + "q\n");
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(*refused.error, "value of 'output' in 'c.cf' is longer than 4095 bytes\r\n");
}

struct ModeCase {
    std::string text;
    std::uint16_t mode;
};

class ModeCases : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeCases, GivesBits) {
    EXPECT_EQ(config(GetParam().text).mode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Values, ModeCases,
                         ::testing::Values(ModeCase{"mode : wr", 6}, ModeCase{"mode : 6", 6},
                                           ModeCase{"mode : 0x26", 38}, ModeCase{"mode : 010", 8},
                                           ModeCase{"mode : xwrmsild", 0xFF}, ModeCase{"mode : XWR?d", 0x80},
                                           ModeCase{"mode : x\nmode : w", 3},
                                           ModeCase{"mode : xw\nmode : 4", 4},
                                           ModeCase{"mode : 0x12345", 0x2345}, ModeCase{"mode : -5", 0},
                                           ModeCase{"mode : 99999999999", 0xFFFF}));

struct NumberCase {
    std::string text;
    std::int32_t value;
};

class NumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberCases, Parses) {
    EXPECT_EQ(parseConfigNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberCases,
                         ::testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"  42xyz", 42},
                                           NumberCase{"-42", -42}, NumberCase{"+7", 7},
                                           NumberCase{"0x1F", 31}, NumberCase{"0X1f", 31},
                                           NumberCase{"0x", 0}, NumberCase{"0xg", 0}, NumberCase{"017", 15},
                                           NumberCase{"089", 0}, NumberCase{"2147483647", 2147483647},
                                           NumberCase{"2147483648", 2147483647},
                                           NumberCase{"-2147483648", -2147483647 - 1},
                                           NumberCase{"-0x80000001", -2147483647 - 1},
                                           NumberCase{"99999999999999999999999", 2147483647},
                                           NumberCase{"0xFFFFFFFF", 2147483647}));

} // namespace
} // namespace hdrgen
