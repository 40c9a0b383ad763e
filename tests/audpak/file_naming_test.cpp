#include "tools/audpak/converter.h"
#include "tools/audpak/file_naming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace audpak {
namespace {

struct NamingCase {
    std::vector<std::string_view> args;
    FileNames expected;
};

TEST(FileNaming, DerivesNamesInOrder) {
    const std::vector<NamingCase> cases = {
        {{"song"}, {"song.mml", "song.vr", "song", ""}},
        {{"-s", "song"}, {"song.mml", "song.vr", "song", "song.asm"}},
        {{"-b3", "se.mml", "fx"}, {"se.mml", "fx.vr", "se", ""}},
        {{"-e", "x.mml"}, {"x.mml", "x.vx", "x", ""}},
        {{"-e", "x.mml", "y.bin"}, {"x.mml", "y.bin", "x", ""}},
        {{"song.txt"}, {"song.txt", "song.vr", "song", ""}},
        {{"-i", "-s", "bank"}, {"bank.prg", "bank.vr", "bank", "bank.asm"}},
        {{"-w", "voice"}, {"voice.wav", "voice.vr", "voice", ""}},
        {{"-i", "music/bank"}, {"music/bank.prg", "music/bank.vr", "bank", ""}},
        {{"-i", "dos\\dir\\bank"}, {"dos\\dir\\bank.prg", "dos\\dir\\bank.vr", "bank", ""}},
        // A "." in a folder name counts as the extension's dot.
        {{"-i", "v1.0/bank"}, {"v1.0/bank", "v1.vr", "bank", ""}},
        // Two dots: the listing is kept apart from the output.
        {{"-s", "my.song.mml"}, {"my.song.mml", "my.song", "my.song", "my.song.asm"}},
        {{"-s", "my.song.mml", "./my.song"}, {"my.song.mml", "./my.song", "my.song", "my.song.asm"}},
        {{"-s", "song.mml", "song.asm"}, {"song.mml", "song.asm", "song", "song.asm.asm"}},
        {{"-s", "-e", "my.song.mml"}, {"my.song.mml", "my.song", "my.song", "my.song.asm"}},
        {{"-s", "my.song.mml", "out"}, {"my.song.mml", "out.vr", "my.song", "my.song"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const FileNames names = deriveFileNames(parseCommandLine(c.args));
        EXPECT_EQ(names.source, c.expected.source);
        EXPECT_EQ(names.output, c.expected.output);
        EXPECT_EQ(names.entryName, c.expected.entryName);
        EXPECT_EQ(names.listing, c.expected.listing);
    }
}

TEST(FileNaming, PathsAreLimitedTo255Characters) {
    const std::string longest(251, 'a'); // + ".mml" = 255
    std::vector<std::string_view> args{longest};
    EXPECT_EQ(deriveFileNames(parseCommandLine(args)).source.size(), 255u);

    const std::string tooLong(252, 'a');
    args = {tooLong};
    try {
        deriveFileNames(parseCommandLine(args));
        ADD_FAILURE() << "accepted";
    } catch (const ConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "path too long '" + tooLong + ".mml'\r\n");
    }
}

} // namespace
} // namespace audpak
