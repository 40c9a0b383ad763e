// audpak as a process: arguments in, files, standard output and exit code
// compared.

#include "temp_folder.h"
#include "tests/support/process_runner.h"
#include "wave_builder.h"

#include "entry/entry_header.h"
#include "entry/resource_header.h"
#include "entry/time_stamp.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace audpak {
namespace {

using namespace test;
using namespace pf::test;

const std::string kUsage = "Velda Sound resource converter Version 1.03\r\n"
                           "usage: audpak [options] <MML file(.mml)> [resource file(.vr)]\r\n"
                           "       audpak -i [options] <instrument file(.prg)> [resource file(.vr)]\r\n"
                           "       audpak -w [options] <wave file(.wav)> [resource file(.vr)]\r\n"
                           "options:\r\n"
                           "\t-b<n>    sound effect\r\n"
                           "\t-s       assembly output\r\n"
                           "\t-e       VBFF entry\r\n"
                           "\t-t<type> resource type symbol\r\n"
                           "\t-d<id>   resource id number\r\n";

// A small set: one vibrato with a loop and one instrument.
const std::string kBank = "@V0 1 [ 2 ]\n@P0 3 4\n";
const std::string kBankBody = std::string("\0\0\0\0\0\0\0\0\x20\0\1\0\0\0\0\0\x28\0\1\0\0\0\0\0", 24) +
                              std::string("\x22\0\1\2\0\0\x23\0\3\4\0", 11);
const std::string kBankListing =
    "\tINCLUDE\tSEQDEF.INC\r\n\r\n\tDB\t'VRSI'\r\n\tDW\tseg END_DATA\r\n\tDW\t0\r\n\r\n"
    "\tDW\t0, 0\r\n\tDW\t0, 0\r\n\tDW\tVIB_TBL, 1\r\n\tDW\t0, 0\r\n"
    "\tDW\tINST_TBL, 1\r\n\tDW\t0, 0\r\n"
    "\r\nVIB_TBL:\r\n\tDW\tVIB_0\r\nVIB_0:\r\n\tDB\t1\r\nVIB_0_l:\r\n\tDB\t2\r\n"
    "\tDW\t0,VIB_0_l\r\n"
    "\r\nINST_TBL:\r\n\tDB\t3,4,0\r\n"
    "\r\n\tENDDATA\r\n\tEND\r\n";

std::string resourceHeader(const char* type, std::size_t length, std::int16_t id) {
    const auto header = pf::encodeResourceHeader(pf::makeResourceHeader({type[0], type[1]}, length, id));
    return std::string(header.begin(), header.end());
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

class AudpakProcess : public ::testing::Test {
  protected:
    ProcessResult run(std::vector<std::string> args, std::vector<std::string> environment = {}) {
        return runProcess(AUDPAK_BINARY, args, m_folder.path().string(), environment);
    }
    std::string file(const std::string& name) const { return readFile(m_folder / name); }
    void put(const std::string& name, const std::string& bytes) const { writeFile(m_folder / name, bytes); }
    std::string names() const { return folderNames(m_folder.path()); }

    TempFolder m_folder;
};

TEST_F(AudpakProcess, UsageHelpAndVersion) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-i", "-s", "-e"}}) {
        const auto result = run(args);
        EXPECT_EQ(result.out, kUsage);
        EXPECT_EQ(result.code, 1);
    }
    const auto help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.starts_with(kUsage));
    EXPECT_NE(help.out.find("my.song.asm"), std::string::npos);
    const auto version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "Velda Sound resource converter Version 1.03\r\n");
}

TEST_F(AudpakProcess, InstrumentSetWithListingTypeAndId) {
    put("bank.prg", kBank);
    const auto result = run({"-i", "-s", "-tAB", "-d-2", "bank"});
    EXPECT_EQ(result.out, "audpak: bank.vr (43 bytes)\r\n");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(file("bank.vr"), resourceHeader("AB", 43, -2) + kBankBody);
    EXPECT_EQ(file("bank.asm"), kBankListing);
    EXPECT_EQ(names(), "bank.asm bank.prg bank.vr ");
    EXPECT_EQ(std::filesystem::status(m_folder / "bank.vr").permissions(),
              std::filesystem::perms(0666 & ~currentUmask()));
}

TEST_F(AudpakProcess, EntryWrapsTheResource) {
    std::filesystem::create_directory(m_folder / "src");
    put("src/a_rather_long_bank_name.prg", kBank);
    const auto result = run({"-e", "-i", "src/a_rather_long_bank_name.prg"},
                            {"SOURCE_DATE_EPOCH=1262349296"}); // 2010-01-01 12:34:56
    EXPECT_EQ(result.out, "audpak: src/a_rather_long_bank_name.vx (171 bytes)\r\n");
    EXPECT_EQ(result.code, 0);

    const std::string entry = file("src/a_rather_long_bank_name.vx");
    ASSERT_EQ(entry.size(), 128u + 43u);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(entry.data()), entry.size());
    EXPECT_EQ(entry.substr(4, 60), std::string(60, '\xff'));
    const auto record = pf::decodeEntryHeader(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(pf::recordName(*record), "a_rather_long_ba");
    EXPECT_EQ(pf::recordInfo(*record), "a_rather_long_bank_name");
    EXPECT_EQ(record->size, 43u);
    EXPECT_EQ(record->blocks, 1);
    EXPECT_EQ(record->mode, 6);
    EXPECT_EQ(record->appid, 0);
    EXPECT_EQ(record->resourceOffset, 0);
    EXPECT_EQ(record->reserved, 0u);
    const auto stamp = pf::decodeTimeStamp(record->date);
    EXPECT_EQ(stamp.year, 10);
    EXPECT_EQ(stamp.hour, 12);
    EXPECT_EQ(stamp.second, 56);
    EXPECT_EQ(entry.substr(128), resourceHeader("SI", 43, 0) + kBankBody);
}

TEST_F(AudpakProcess, EntryNamesAreTakenAsBytes) {
    const std::string name =
        "\xe3\x81\x82\xe3\x81\x84\xe3\x81\x86\xe3\x81\x88\xe3\x81\x8a\xe3\x81\x8b"; // six kana
    put(name + ".prg", kBank);
    const auto result = run({"-e", "-i", name}, {"SOURCE_DATE_EPOCH=0"});
    EXPECT_EQ(result.code, 0);
    const std::string entry = file(name + ".vx");
    ASSERT_EQ(entry.size(), 171u);
    EXPECT_EQ(entry.substr(64, 16), name.substr(0, 16));
    EXPECT_EQ(entry.substr(80, 24), name + std::string(6, '\0'));
}

TEST_F(AudpakProcess, BadTimeSourceFailsBeforeWriting) {
    put("bank.prg", kBank);
    const auto result = run({"-e", "-i", "bank"}, {"SOURCE_DATE_EPOCH=soon"});
    EXPECT_EQ(result.out, "SOURCE_DATE_EPOCH is not a whole number of seconds: 'soon'\r\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(names(), "bank.prg ");
}

TEST_F(AudpakProcess, TwoDotsKeepListingAndOutputApart) {
    put("my.bank.prg", kBank);
    const auto result = run({"-i", "-s", "my.bank.prg"});
    EXPECT_EQ(result.out, "audpak: my.bank (43 bytes)\r\n");
    EXPECT_EQ(file("my.bank"), resourceHeader("SI", 43, 0) + kBankBody);
    EXPECT_EQ(file("my.bank.asm"), kBankListing);
}

TEST_F(AudpakProcess, CannotOpenMessages) {
    put("bank.prg", kBank);
    std::filesystem::create_directory(m_folder / "bank.asm");
    struct Case {
        std::vector<std::string> args;
        std::string output;
    };
    const std::vector<Case> cases = {
        {{"song"}, "cannot open 'song.mml'\n"},
        {{"-w", "missing/voice"}, "cannot open 'missing/voice.wav'\n"},
        {{"-i", "bank", "missing/out"}, "cannot open 'missing/out.vr'\n"},
        {{"-i", "-s", "bank", "out"}, "cannot open 'bank.asm'\n"},
        {{"-i", "bank.prg", "bank.prg"}, "'bank.prg' would overwrite the source\r\n"},
        {{"-i", "-s", "bank.asm"}, "cannot open 'bank.asm'\n"}, // a folder as the source
        {{"-i", "-d40000", "bank"}, "resource id out of range '40000'\r\n"},
        {{"-i", std::string(300, 'b')}, "path too long '" + std::string(300, 'b') + ".prg'\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const auto result = run(c.args);
        EXPECT_EQ(result.out, c.output);
        EXPECT_EQ(result.code, 1);
    }
    EXPECT_EQ(file("bank.prg"), kBank);
    EXPECT_EQ(names(), "bank.asm bank.prg ");
}

TEST_F(AudpakProcess, FailedConversionLeavesExistingFilesAlone) {
    put("bad.prg", "@P0 1\n@V0 1 ]\n");
    put("bad.vr", "old resource");
    put("bad.asm", "old listing");
    auto result = run({"-i", "-s", "bad"});
    EXPECT_EQ(result.out, "']' without '[' in line 2\r\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(file("bad.vr"), "old resource");
    EXPECT_EQ(file("bad.asm"), "old listing");

    put("voice.wav", riff(formatChunk(1, 2, 2) + chunk("data", "abcd")));
    result = run({"-w", "-s", "voice"});
    EXPECT_EQ(result.out, "accept only 8bit mono wave format\r\n");
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(names(), "bad.asm bad.prg bad.vr voice.wav ");
}

// A one-character type is followed by a zero byte.
TEST_F(AudpakProcess, WaveWritesAnEmptyListing) {
    put("v.wav", mono8("abc"));
    const auto result = run({"-w", "-s", "-d7", "-tQ", "v.wav", "out"});
    EXPECT_EQ(result.out, "audpak: out.vr (19 bytes)\r\n");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(file("out.vr"), std::string("VRQ\0\2\0\7\0", 8) + le16(3) + le16(1) + le32(0) + "abc");
    EXPECT_EQ(file("v.asm"), "");
    EXPECT_EQ(names(), "out.vr v.asm v.wav ");
}

} // namespace
} // namespace audpak
