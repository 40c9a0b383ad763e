#include "tools/imgpak/command_line.h"

#include "tools/imgpak/convert_error.h"
#include "tools/imgpak/file_naming.h"

#include <gtest/gtest.h>
#include <vector>

namespace imgpak::test {
namespace {

CommandLine parse(std::vector<std::string> args) {
    return parseCommandLine(args);
}

TEST(CommandLineTest, ReadsOptionsThenTheFiles) {
    const CommandLine line = parse({"-p3210", "-tXY", "-d-2", "-e", "logo", "out.bin"});
    ASSERT_EQ(line.request, Request::Convert);
    EXPECT_EQ(line.options.shadeOverride, 0x3210u);
    EXPECT_EQ(line.options.type, (std::array<char, 2>{'X', 'Y'}));
    EXPECT_EQ(line.options.id, -2);
    EXPECT_EQ(line.options.output, OutputKind::Entry);
    EXPECT_EQ(line.options.bitmap, "logo");
    EXPECT_EQ(line.options.outputName, "out.bin");
}

TEST(CommandLineTest, OptionsByTheirSecondCharacter) {
    EXPECT_EQ(parse({"-t", "a"}).options.type, (std::array<char, 2>{0, 0}));
    EXPECT_EQ(parse({"-tA", "a"}).options.type, (std::array<char, 2>{'A', 0}));
    EXPECT_EQ(parse({"-tABC", "a"}).options.type, (std::array<char, 2>{'A', 'B'}));
    EXPECT_EQ(parse({"-c", "a"}).options.formatFile, "format");
    EXPECT_EQ(parse({"-cmy.fmt", "a"}).options.formatFile, "my.fmt");
    EXPECT_EQ(parse({"-c", "-e", "a"}).options.output, OutputKind::CHeader); // -c wins over -e
    EXPECT_EQ(parse({"-e", "-c", "a"}).options.output, OutputKind::CHeader);
    EXPECT_EQ(parse({"-exyz", "a"}).options.output, OutputKind::Entry);
    EXPECT_FALSE(parse({"a"}).options.outputName.has_value());
}

TEST(CommandLineTest, AsksForTheUsageText) {
    const std::vector<std::vector<std::string>> cases{
        {}, {"-e"}, {"-x", "a"}, {"-", "a"}, {"--", "a"}, {"-e", "-q", "a"}, {"a", "b", "c"}, {"-help"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(parse(args).request, Request::Usage) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(parse({"--help"}).request, Request::Help);
    EXPECT_EQ(parse({"--version", "a"}).request, Request::Version);
    EXPECT_EQ(parse({"-e", "--help"}).request, Request::Usage);
}

TEST(CommandLineTest, ShadeValueIsHexadecimal) {
    const std::pair<std::string_view, std::uint32_t> cases[] = {
        {"3210", 0x3210}, {"fEdC", 0xFEDC},          {"0x1F", 0x1F}, {"12zz", 0x12}, {"", 0}, {"zz", 0},
        {"0x", 0},        {"123456789", 0x23456789}, // modulo 2^32
        {"-1", 0},        {"FFFFFFFF", 0xFFFFFFFF},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseHex(text), value) << text;
    }
}

TEST(CommandLineTest, IdFollowsAtoi) {
    const std::pair<std::string_view, std::int16_t> cases[] = {
        {"7", 7},
        {"-2", -2},
        {"  +15x", 15},
        {"", 0},
        {"x5", 0},
        {"32767", 32767},
        {"32768", -32768},
        {"65537", 1},
        {"99999999999999999999", -1}, // INT_MAX's low bits
        {"-99999999999999999999", 0}, // INT_MIN's
    };
    for (const auto& [text, id] : cases) {
        EXPECT_EQ(parseId(text), id) << text;
    }
}

TEST(FileNamingTest, DerivesThePathsAndNames) {
    struct Case {
        std::string bitmap;
        std::optional<std::string> output;
        OutputKind kind;
        FileNames expected;
    };
    const Case cases[] = {
        {"logo", std::nullopt, OutputKind::Resource, {"logo.bmp", "logo.vr", "logo.bmp", "logo"}},
        {"logo.bmp", std::nullopt, OutputKind::Entry, {"logo.bmp", "logo.vx", "logo.bmp", "logo"}},
        {"logo.BMP", std::nullopt, OutputKind::CHeader, {"logo.BMP", "logo.h", "logo.BMP", "logo"}},
        // The name cut at its last "." still holds one: it is taken as it stands.
        {"pic.v2.bmp", std::nullopt, OutputKind::Resource, {"pic.v2.bmp", "pic.v2", "pic.v2.bmp", "pic.v2"}},
        {"logo", std::string("out"), OutputKind::Entry, {"logo.bmp", "out.vx", "logo.bmp", "logo"}},
        {"logo", std::string("out.bin"), OutputKind::CHeader, {"logo.bmp", "out.bin", "logo.bmp", "logo"}},
        {"art/logo", std::nullopt, OutputKind::Resource, {"art/logo.bmp", "art/logo.vr", "logo.bmp", "logo"}},
        {"art\\logo.bmp",
         std::nullopt,
         OutputKind::Resource,
         {"art\\logo.bmp", "art\\logo.vr", "logo.bmp", "logo"}},
        // A "." in a folder name is no extension.
        {"./logo.bmp", std::nullopt, OutputKind::Resource, {"./logo.bmp", "./logo.vr", "logo.bmp", "logo"}},
        {"v1.2/logo",
         std::nullopt,
         OutputKind::Resource,
         {"v1.2/logo.bmp", "v1.2/logo.vr", "logo.bmp", "logo"}},
        {"../logo.bmp",
         std::string("../out"),
         OutputKind::Entry,
         {"../logo.bmp", "../out.vx", "logo.bmp", "logo"}},
    };
    for (const Case& c : cases) {
        const FileNames names = deriveFileNames(c.bitmap, c.output, c.kind);
        EXPECT_EQ(names.bitmap, c.expected.bitmap) << c.bitmap;
        EXPECT_EQ(names.output, c.expected.output) << c.bitmap;
        EXPECT_EQ(names.entryName, c.expected.entryName) << c.bitmap;
        EXPECT_EQ(names.symbol, c.expected.symbol) << c.bitmap;
    }
}

TEST(FileNamingTest, PathsStopAt255Bytes) {
    EXPECT_NO_THROW(checkPathLength(std::string(255, 'a')));
    EXPECT_THROW(checkPathLength(std::string(256, 'a')), ConvertError);
}

} // namespace
} // namespace imgpak::test
