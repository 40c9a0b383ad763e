// hdrgen as a process: entries built from config files and by -f, byte for
// byte, and the messages and exit codes of the build's failure paths.

#include "hdrgen_process.h"
#include "tools/hdrgen/help_text.h"

#include <sys/stat.h>

namespace hdrgen::test {
namespace {

class Build : public HdrgenProcess {};

Bytes pattern(std::size_t n, std::uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) {
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    }
    return b;
}

TEST_F(Build, CodeOnlyIsCopiedUnpadded) {
    write("game.bin", pattern(300, 1));
    writeText("c.cf",
              "name : GAME\r\ninfo : a game\r\nmode : xwr\r\nsource : game.bin\r\noutput : out.vx\r\n");
    const auto r = run({"c.cf"});
    EXPECT_EQ(r.out, "hdrgen: out.vx 428 bytes (4 blocks)\r\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(read("out.vx"),
              entryHeader({.name = "GAME", .info = "a game", .size = 300, .mode = 7}) + pattern(300, 1));
    EXPECT_EQ(r.err, "");
}

TEST_F(Build, CodeAndResourcesArePaddedTo16) {
    write("code.bin", pattern(20, 1));
    write("a.vr", resource("MD", 20, 0));
    write("b.vr", resource("IM", 16, 1));
    write("empty.vr", {});
    writeText("c.cf", "name : song\nsource : code.bin\nresource : a.vr missing.vr\nresource : empty.vr b.vr\n"
                      "appid : -2\noutput : song.vx\n");
    const auto r = run({"c.cf"});
    EXPECT_EQ(r.out,
              "cannot open 'missing.vr'\ncannot open 'missing.vr'\nhdrgen: song.vx 208 bytes (2 blocks)\r\n");
    EXPECT_EQ(r.code, 0);
    const Bytes data = pattern(20, 1) + zeros(12) + resource("MD", 20, 0) + zeros(12) + resource("IM", 16, 1);
    EXPECT_EQ(read("song.vx"),
              entryHeader({.name = "song", .size = 80, .appid = -2, .resourceOffset = 32}) + data);
}

TEST_F(Build, ResourcesWithoutCodeStartAtZero) {
    write("r.vr", resource("MD", 20, 0));
    writeText("c.cf", "source : \noutput : e.vx\nresource : r.vr\n");
    const auto r = run({"c.cf"});
    EXPECT_EQ(r.out, "hdrgen: e.vx 160 bytes (2 blocks)\r\n");
    EXPECT_EQ(read("e.vx"),
              entryHeader({.size = 32, .resourceOffset = 0}) + resource("MD", 20, 0) + zeros(12));
}

TEST_F(Build, EmptyResourcesLeaveCodePaddedWithoutResourceOffset) {
    write("code.bin", pattern(5, 3));
    write("empty.vr", {});
    writeText("c.cf", "source : code.bin\nresource : empty.vr\noutput : e.vx\n");
    EXPECT_EQ(run({"c.cf"}).code, 0);
    EXPECT_EQ(read("e.vx"), entryHeader({.size = 16}) + pattern(5, 3) + zeros(11));
}

TEST_F(Build, NameAndDescriptionFillTheirFieldsWithoutTerminator) {
    write("code.bin", pattern(1, 0));
    writeText("c.cf", "name : 0123456789abcdefXYZ\ninfo : \x83\x51\x81\x5B\x83\x80 description!!! and more\n"
                      "mode : 0x1FF\nsource : code.bin\noutput : e.vx\n");
    EXPECT_EQ(run({"c.cf"}).code, 0);
    EXPECT_EQ(read("e.vx"), entryHeader({.name = "0123456789abcdef",
                                         .info = "\x83\x51\x81\x5B\x83\x80 description!!! and",
                                         .size = 1,
                                         .mode = 0x1FF}) +
                                pattern(1, 0));
}

TEST_F(Build, OutputMayReplaceItsOwnSource) {
    write("a.bin", pattern(40, 9));
    writeText("c.cf", "source : a.bin\noutput : a.bin\n");
    EXPECT_EQ(run({"c.cf"}).out, "hdrgen: a.bin 168 bytes (2 blocks)\r\n");
    EXPECT_EQ(read("a.bin"), entryHeader({.size = 40}) + pattern(40, 9));
    EXPECT_EQ(files(), (std::vector<std::string>{"a.bin", "c.cf"}));
}

TEST_F(Build, WrapsAPlainFileWithItsPathAsName) {
    std::filesystem::create_directory(path("sub"));
    write("sub/game-data.bin", pattern(129, 2));
    const auto r = run({"-f", "sub/game-data.bin", "ignored"});
    EXPECT_EQ(r.out, "hdrgen: sub/game-data.bin.vx 257 bytes (3 blocks)\r\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(read("sub/game-data.bin.vx"),
              entryHeader({.name = "sub/game-data.bi", .info = "sub/game-data.bin", .size = 129, .mode = 6}) +
                  pattern(129, 2));
}

TEST_F(Build, WrapKeepsANonAsciiNameAsTyped) {
    const std::string name = "\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF.bin";
    write(name, pattern(3, 0));
    EXPECT_EQ(run({"-f", name}).code, 0);
    EXPECT_EQ(read(name + ".vx"),
              entryHeader({.name = name, .info = name, .size = 3, .mode = 6}) + pattern(3, 0));
}

TEST_F(Build, StampFollowsSourceDateEpoch) {
    write("a.bin", pattern(1, 0));
    EXPECT_EQ(run({"-f", "a.bin"}, "946684800").code, 0); // 2000-01-01 00:00:00
    EXPECT_EQ(read("a.bin.vx"),
              entryHeader(
                  {.name = "a.bin", .info = "a.bin", .size = 1, .mode = 6, .date = (1u << 21) | (1u << 16)}) +
                  pattern(1, 0));
    const auto bad = run({"-f", "a.bin"}, "yesterday");
    EXPECT_EQ(bad.out, "hdrgen: SOURCE_DATE_EPOCH is not a whole number of seconds: 'yesterday'\r\n");
    EXPECT_EQ(bad.code, 1);
}

struct FailureCase {
    std::string config;
    std::vector<std::string> args;
    std::string out;
};

class BuildFailures : public HdrgenProcess, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BuildFailures, ReportAndWriteNothing) {
    write("code.bin", pattern(20, 1));
    write("empty.bin", {});
    std::filesystem::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    writeText("c.cf", GetParam().config);
    expectRefusal(GetParam().args, GetParam().out);
}

std::string seventeenResources() {
    std::string text = "source : code.bin\noutput : o.vx\nresource :";
    for (int i = 0; i < 17; ++i) {
        text += " code.bin";
    }
    return text + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildFailures,
    ::testing::Values(
        FailureCase{"", {"none.cf"}, "cannot open 'none.cf'\n"},
        FailureCase{"", {"folder"}, "cannot open 'folder'\n"},
        FailureCase{"name : a\nsource : code.bin\n; the output follows\noutput : o.vx\n",
                    {"c.cf"},
                    "cannot open ''\n"},
        FailureCase{"source : code.bin\noutput : no/such/o.vx\n", {"c.cf"}, "cannot open 'no/such/o.vx'\n"},
        FailureCase{"source : code.bin\noutput : folder\n", {"c.cf"}, "cannot open 'folder'\n"},
        FailureCase{"source : empty.bin\noutput : o.vx\n", {"c.cf"}, ""},
        FailureCase{"output : o.vx\nresource : empty.bin\n", {"c.cf"}, ""},
        FailureCase{"source : gone.bin\noutput : o.vx\nresource : gone.vr\n",
                    {"c.cf"},
                    "cannot open 'gone.bin'\ncannot open 'gone.vr'\n"},
        FailureCase{"", {"-f", "gone.bin"}, "cannot open 'gone.bin'\n"},
        FailureCase{"", {"-f", "empty.bin"}, ""}, FailureCase{"", {"-f", "folder"}, "cannot open 'folder'\n"},
        FailureCase{"", {"pipe"}, "cannot open 'pipe'\n"},
        FailureCase{"", {"-f", "pipe"}, "cannot open 'pipe'\n"},
        FailureCase{"", {"-i", "pipe"}, "cannot open 'pipe'\n"},
        FailureCase{seventeenResources(), {"c.cf"}, "more than 16 resource files in 'c.cf'\r\n"},
        FailureCase{"output : " + std::string(5000, 'o') + "\n",
                    {"c.cf"},
                    "value of 'output' in 'c.cf' is longer than 4095 bytes\r\n"}));

TEST_F(Build, RefusesMoreDataThanTheBlockCountHolds) {
    write("big.bin", {});
    ASSERT_EQ(::truncate(path("big.bin").c_str(), 65535 * 128 + 1), 0);
    const auto r = run({"-f", "big.bin"});
    EXPECT_EQ(r.out, "'big.bin.vx' would hold 8388481 data bytes, more than an entry can (8388480)\r\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(exists("big.bin.vx"));
}

TEST_F(Build, ExistingReadOnlyOutputIsKept) {
    write("code.bin", pattern(4, 0));
    write("o.vx", pattern(7, 7));
    ::chmod(path("o.vx").c_str(), 0444);
    writeText("c.cf", "source : code.bin\noutput : o.vx\n");
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    const auto r = run({"c.cf"});
    EXPECT_EQ(r.out, "cannot open 'o.vx'\n");
    EXPECT_EQ(read("o.vx"), pattern(7, 7));
}

struct UsageCase {
    std::vector<std::string> args;
    std::string out;
    int code;
};

class Usage : public HdrgenProcess, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(Usage, PrintsTextAndExitCode) {
    const auto r = run(GetParam().args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.code, GetParam().code);
}

const std::string kUsage = "hdrgen Version 1.02\r\nusage: hdrgen <config file>\r\n       hdrgen -f <file>\r\n"
                           "       hdrgen -r|-i <.vx file>\r\n";

INSTANTIATE_TEST_SUITE_P(Args, Usage,
                         ::testing::Values(UsageCase{{}, kUsage, 1}, UsageCase{{"-f"}, kUsage, 1},
                                           UsageCase{{"-q", "c.cf"}, kUsage, 1},
                                           UsageCase{{"--version"}, "hdrgen Version 1.02\r\n", 0},
                                           UsageCase{{"--help"}, kUsage + std::string(kHelpText), 0}));

TEST(HelpText, NamesSourceDateEpochAndTheNameRuleOfWrap) {
    EXPECT_NE(kHelpText.find("SOURCE_DATE_EPOCH"), std::string_view::npos);
    EXPECT_NE(kHelpText.find("UTF-8"), std::string_view::npos);
}

} // namespace
} // namespace hdrgen::test
