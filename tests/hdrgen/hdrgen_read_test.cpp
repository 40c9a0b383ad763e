// hdrgen -i and -r as a process: listings and split files byte for byte,
// and the messages and exit codes of entries that cannot be read.

#include "hdrgen_process.h"

namespace hdrgen::test {
namespace {

class Read : public HdrgenProcess {};

const std::string kDateLine = "date: 23/11/14  22:13:20\r\n";
const std::string kTableHead = "\r\noffset  bytes  type #id\r\n------ ------  --------\r\n";

// Code of 20 bytes padded to 32, a sequence, an image with id -1, and data
// without a resource header.
Bytes songEntry() {
    const Bytes data = Bytes(20, 0xC0) + zeros(12) + resource("MD", 48, 0) + resource("IM", 16, -1) +
                       bytesOf("loose bytes here");
    return entryHeader({.name = "song", .info = "a tune", .size = 112, .mode = 0x45, .resourceOffset = 32}) +
           data;
}

TEST_F(Read, ListsEntryWithoutResources) {
    write("plain.vx", entryHeader({.name = "plain", .info = "text", .size = 300, .mode = 6}) + zeros(300));
    const auto r = run({"-i", "plain.vx"});
    EXPECT_EQ(r.out, "name: plain\r\ninfo: text\r\nmode: wr\r\nsize: 428 bytes (4 blocks)\r\n" + kDateLine);
    EXPECT_EQ(r.code, 0);
}

TEST_F(Read, ListsCodeResourcesAndUnknownData) {
    write("song.vx", songEntry());
    const auto r = run({"-i", "song.vx"});
    EXPECT_EQ(r.out, "name: song\r\ninfo: a tune\r\nmode: xrl\r\nsize: 240 bytes (2 blocks)\r\n" + kDateLine +
                         kTableHead +
                         "000000     32  <code>\r\n"
                         "000020     48  VRMD #0\r\n"
                         "000050     16  VRIM #-1\r\n"
                         "000060     16  (unknown)\r\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(Read, ListingLeavesOutAnEmptyCodePart) {
    write("fx.vx", entryHeader({.name = "0123456789abcdef",
                                .info = "0123456789abcdefghijklmn",
                                .size = 20,
                                .mode = 0xFF06,
                                .date = 0,
                                .resourceOffset = 0}) +
                       resource("SE", 20, 12));
    const auto r = run({"-i", "fx.vx"});
    EXPECT_EQ(r.out, "name: 0123456789abcdef\r\ninfo: 0123456789abcdefghijklmn\r\nmode: wr\r\n"
                     "size: 148 bytes (2 blocks)\r\ndate: 00/00/00  00:00:00\r\n" +
                         kTableHead + "000000     32  VRSE #12\r\n");
}

TEST_F(Read, SplitsCodeAndEveryResource) {
    write("song.vx", songEntry());
    const auto r = run({"-r", "song.vx"});
    EXPECT_EQ(r.out, "write: song.bin (32 bytes)\r\nwrite: song_MD0.vr (48 bytes)\r\n"
                     "write: song_IM-1.vr (16 bytes)\r\nwrite: song.vr (16 bytes)\r\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(read("song.bin"), Bytes(20, 0xC0) + zeros(12));
    EXPECT_EQ(read("song_MD0.vr"), resource("MD", 48, 0));
    EXPECT_EQ(read("song_IM-1.vr"), resource("IM", 16, -1));
    EXPECT_EQ(read("song.vr"), bytesOf("loose bytes here"));
}

TEST_F(Read, SplitOfAConverterEntryWritesNoCodeFile) {
    // As audpak -e writes it: one unpadded resource whose length rounds up.
    write("song.vx",
          entryHeader({.name = "song", .size = 37, .mode = 6, .resourceOffset = 0}) + resource("MD", 37, 0));
    const auto r = run({"-r", "song.vx"});
    EXPECT_EQ(r.out, "write: song_MD0.vr (37 bytes)\r\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(read("song_MD0.vr"), resource("MD", 37, 0));
    EXPECT_EQ(files(), (std::vector<std::string>{"song.vx", "song_MD0.vr"}));
}

TEST_F(Read, SplitOfAnEntryWithoutResourcesWritesTheCode) {
    write("game.vx", entryHeader({.size = 5}) + bytesOf("12345") + Bytes(123, 0x1A));
    EXPECT_EQ(run({"-r", "game.vx"}).out, "write: game.bin (5 bytes)\r\n");
    EXPECT_EQ(read("game.bin"), bytesOf("12345"));
}

TEST_F(Read, RebuildsWhatItSplit) {
    write("code.bin", Bytes(40, 0x33));
    write("a.vr", resource("MD", 32, 0));
    write("b.vr", resource("IM", 48, 1));
    writeText("c.cf", "source : code.bin\nresource : a.vr b.vr\noutput : e.vx\nname : e\n");
    ASSERT_EQ(run({"c.cf"}).code, 0);
    ASSERT_EQ(run({"-r", "e.vx"}).code, 0);
    EXPECT_EQ(read("e.bin"), Bytes(40, 0x33) + zeros(8));
    EXPECT_EQ(read("e_MD0.vr"), read("a.vr"));
    EXPECT_EQ(read("e_IM1.vr"), read("b.vr"));
}

TEST_F(Read, ZeroLengthResourceDoesNotStall) {
    write("z.vx",
          entryHeader({.size = 32, .resourceOffset = 0}) + resource("ZZ", 32, 0, 0x44, 0) + Bytes(96, 0x1A));
    EXPECT_EQ(run({"-i", "z.vx"}).out, "name: \r\ninfo: \r\nmode: \r\nsize: 160 bytes (2 blocks)\r\n" +
                                           kDateLine + kTableHead + "000000     32  (unknown)\r\n");
    EXPECT_EQ(run({"-r", "z.vx"}).out, "write: z.vr (32 bytes)\r\n");
}

TEST_F(Read, TruncatedEntryIsReported) {
    write("t.vx",
          entryHeader({.size = 64, .resourceOffset = 16}) + Bytes(16, 1) + resource("MD", 48, 0, 2, 3));
    ::truncate(path("t.vx").c_str(), 128 + 40);
    const auto list = run({"-i", "t.vx"});
    EXPECT_EQ(list.out, "name: \r\ninfo: \r\nmode: \r\nsize: 192 bytes (2 blocks)\r\n" + kDateLine +
                            kTableHead +
                            "000000     16  <code>\r\n000010     48  VRMD #0\r\n"
                            "'t.vx' is truncated: 40 of 64 data bytes present\r\n");
    EXPECT_EQ(list.code, 0);
    const auto split = run({"-r", "t.vx"});
    EXPECT_EQ(split.out, "write: t.bin (16 bytes)\r\nwrite: t_MD0.vr (24 bytes)\r\n"
                         "'t.vx' is truncated: 40 of 64 data bytes present\r\n");
    EXPECT_EQ(split.code, 1);
}

TEST_F(Read, SplitSkipsAFileItCannotCreate) {
    write("song.vx", songEntry());
    std::filesystem::create_directory(path("song_MD0.vr"));
    const auto r = run({"-r", "song.vx"});
    EXPECT_EQ(r.out, "write: song.bin (32 bytes)\r\ncannot open 'song_MD0.vr'\n"
                     "write: song_IM-1.vr (16 bytes)\r\nwrite: song.vr (16 bytes)\r\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(Read, SplitNeverOverwritesTheEntry) {
    write("data.vr", entryHeader({.size = 16, .resourceOffset = 0}) + bytesOf("no header here.."));
    const Bytes entry = read("data.vr");
    EXPECT_EQ(run({"-r", "data.vr"}).out, "write: data-2.vr (16 bytes)\r\n");
    EXPECT_EQ(read("data.vr"), entry);
}

struct BadEntryCase {
    std::vector<std::string> args;
    Bytes file;
    std::string out;
};

class BadEntries : public HdrgenProcess, public ::testing::WithParamInterface<BadEntryCase> {};

TEST_P(BadEntries, FailWithMessage) {
    if (!GetParam().file.empty()) {
        write("bad.vx", GetParam().file);
    }
    expectRefusal(GetParam().args, GetParam().out);
}

const Bytes kShort = prefix(entryHeader({.size = 1}), 100);

INSTANTIATE_TEST_SUITE_P(
    Cases, BadEntries,
    ::testing::Values(BadEntryCase{{"-i", "none.vx"}, {}, "cannot open 'none.vx'\n"},
                      BadEntryCase{{"-r", "none.vx"}, {}, "cannot open 'none.vx'\n"},
                      BadEntryCase{{"-i", "bad.vx"}, kShort, "header not found\r\n"},
                      BadEntryCase{{"-r", "bad.vx"}, kShort, "header not found\r\n"},
                      BadEntryCase{{"-i", "bad.vx"}, bytesOf("VRMD") + zeros(200), "header not found\r\n"},
                      BadEntryCase{{"-r", "bad.vx"},
                                   entryHeader({.size = 16, .resourceOffset = 0x7FFFFFFF}) + zeros(16),
                                   "'bad.vx': resources said to start at 2147483647, outside the 16 data "
                                   "bytes\r\n"}));

} // namespace
} // namespace hdrgen::test
