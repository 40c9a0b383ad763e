#include "entry/file_names.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* input;
    const char* defaultExt;
    const char* cut;
    const char* last;
    const char* replaced; // with suffix ".bin"
};

TEST(FileNames, Table) {
    const NameCase cases[] = {
        {"song", "song.mml", "song", "song", "song.bin"},
        {"song.mml", "song.mml", "song", "song.mml", "song.bin"},
        {"my.song.mml", "my.song.mml", "my.song", "my.song.mml", "my.song.bin"},
        {"dir/song", "dir/song.mml", "dir/song", "song", "dir/song.bin"},
        {"d.x/song", "d.x/song", "d", "song", "d.bin"},
        {"C:\\w\\a.txt", "C:\\w\\a.txt", "C:\\w\\a", "a.txt", "C:\\w\\a.bin"},
        {"", ".mml", "", "", ".bin"},
        {"trailing/", "trailing/.mml", "trailing/", "", "trailing/.bin"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pf::withDefaultExtension(c.input, ".mml"), c.defaultExt) << c.input;
        EXPECT_EQ(pf::cutAtLastDot(c.input), c.cut) << c.input;
        EXPECT_EQ(pf::lastPathComponent(c.input), c.last) << c.input;
        EXPECT_EQ(pf::replaceExtension(c.input, ".bin"), c.replaced) << c.input;
    }
}

} // namespace
