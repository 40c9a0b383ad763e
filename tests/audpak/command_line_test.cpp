#include "tools/audpak/command_line.h"
#include "tools/audpak/converter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace audpak {
namespace {

CommandLine parse(std::vector<std::string_view> args) {
    return parseCommandLine(args);
}

struct OptionCase {
    std::vector<std::string_view> args;
    SourceKind kind;
    int soundEffects;
    std::optional<std::array<char, 2>> type;
    std::int16_t id;
};

TEST(CommandLine, OptionsSetKindCountTypeAndId) {
    const std::vector<OptionCase> cases = {
        {{"song"}, SourceKind::Music, 0, std::nullopt, 0},
        {{"-b3", "se"}, SourceKind::SoundEffects, 3, std::nullopt, 0},
        {{"-b", "se"}, SourceKind::SoundEffects, 1, std::nullopt, 0},
        {{"-b0", "se"}, SourceKind::SoundEffects, 1, std::nullopt, 0},
        {{"-bx", "se"}, SourceKind::SoundEffects, 1, std::nullopt, 0},
        {{"-b-4", "se"}, SourceKind::SoundEffects, 1, std::nullopt, 0},
        {{"-b99999999999999999999", "se"}, SourceKind::SoundEffects, 2147483647, std::nullopt, 0},
        {{"-b2", "-i", "x"}, SourceKind::Instruments, 2, std::nullopt, 0},
        {{"-i", "-w", "x"}, SourceKind::Wave, 0, std::nullopt, 0},
        {{"-w", "-b", "x"}, SourceKind::SoundEffects, 1, std::nullopt, 0},
        {{"-tXY", "x"}, SourceKind::Music, 0, std::array<char, 2>{'X', 'Y'}, 0},
        {{"-tXYZ", "x"}, SourceKind::Music, 0, std::array<char, 2>{'X', 'Y'}, 0},
        {{"-tQ", "x"}, SourceKind::Music, 0, std::array<char, 2>{'Q', '\0'}, 0},
        {{"-tXY", "-t", "x"}, SourceKind::Music, 0, std::nullopt, 0},
        {{"-d5", "x"}, SourceKind::Music, 0, std::nullopt, 5},
        {{"-d  -12abc", "x"}, SourceKind::Music, 0, std::nullopt, -12},
        {{"-d+7", "x"}, SourceKind::Music, 0, std::nullopt, 7},
        {{"-dabc", "x"}, SourceKind::Music, 0, std::nullopt, 0},
        {{"-d-32768", "x"}, SourceKind::Music, 0, std::nullopt, -32768},
        {{"-d32767", "x"}, SourceKind::Music, 0, std::nullopt, 32767},
        {{"-z", "-", "-Q", "x"}, SourceKind::Music, 0, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CommandLine line = parse(c.args);
        EXPECT_EQ(line.request, Request::Convert);
        EXPECT_EQ(line.kind, c.kind);
        EXPECT_EQ(line.soundEffects, c.soundEffects);
        EXPECT_EQ(line.type, c.type);
        EXPECT_EQ(line.id, c.id);
    }
}

TEST(CommandLine, IdOutsideSixteenBitsIsRefused) {
    for (const char* option : {"-d32768", "-d-32769", "-d99999999999999999999999"}) {
        try {
            parse({option, "x"});
            ADD_FAILURE() << option;
        } catch (const ConvertError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "resource id out of range '" + std::string(option + 2) + "'\r\n");
        }
    }
}

TEST(CommandLine, FirstPlainArgumentIsSourceSecondIsOutputRestIgnored) {
    const CommandLine line = parse({"-s", "in.mml", "-e", "out", "extra"});
    EXPECT_EQ(line.source, "in.mml");
    EXPECT_EQ(line.output, "out");
    EXPECT_TRUE(line.listing);
    EXPECT_TRUE(line.entry);

    EXPECT_FALSE(parse({"in.mml"}).output.has_value());
}

TEST(CommandLine, RequestsWithoutSource) {
    EXPECT_EQ(parse({}).request, Request::Usage);
    EXPECT_EQ(parse({"-i", "-s"}).request, Request::Usage);
    EXPECT_EQ(parse({"x", "--help"}).request, Request::Help);
    EXPECT_EQ(parse({"--version"}).request, Request::Version);
}

} // namespace
} // namespace audpak
