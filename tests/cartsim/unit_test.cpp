// The simulator's pieces on their own: reply texts, the clock setting, the
// word splitter, entries and areas, the state file, seeding, the program's
// options and the line pacer.

#include "tests/cartsim/cartsim_rig.h"

#include "tools/cartsim/cart_seed.h"
#include "tools/cartsim/line_pacer.h"
#include "tools/cartsim/program_options.h"
#include "tools/cartsim/reply_format.h"
#include "tools/cartsim/shell_words.h"
#include "tools/cartsim/state_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace cartsim::test {
namespace {

TEST(ReplyFormat, ModeTextShowsEachBitInItsPlace) {
    EXPECT_EQ(modeText(0), "--------");
    EXPECT_EQ(modeText(6), "-wr-----");
    EXPECT_EQ(modeText(0xFF), "xwrmsild");
    EXPECT_EQ(modeText(0x8001), "x-------") << "bits above 7 have no letter";
}

TEST(ReplyFormat, DfLineHasSixWords) {
    CartArea area("ram0", 10, Reclaim::AtOnce);
    area.store(*CartEntry::fromBytes(makeEntry("a", "", 200)));
    EXPECT_EQ(dfLine(area), "ram0         1280        384        896  30% /ram0");
}

TEST(ReplyFormat, ClockSettingMustBeARealDateInItsShape) {
    std::tm t{};
    const auto when = parseClockSetting("200008221530.45");
    ASSERT_TRUE(when);
    ::localtime_r(&*when, &t);
    EXPECT_EQ(clockLine(*when), "2000-08-22 15:30:45");
    for (const char* bad :
         {"200002301530.45", "200013011530.45", "200008222430.00", "200008221560.00", "200008221530.60",
          "200008221530:45", "20000822153045", "200008221530.4", "2000082215x0.45", ""}) {
        EXPECT_FALSE(parseClockSetting(bad)) << bad;
    }
    EXPECT_TRUE(parseClockSetting("200402291200.00")) << "a leap day";
}

TEST(ShellWords, QuotesHoldBlanksAndAnOpenQuoteFails) {
    using W = std::vector<std::string>;
    EXPECT_EQ(splitWords("ls -l  /rom0"), (W{"ls", "-l", "/rom0"}));
    EXPECT_EQ(splitWords("setinfo \"/rom0/a b\" \"two  blanks\""),
              (W{"setinfo", "/rom0/a b", "two  blanks"}));
    EXPECT_EQ(splitWords("rename \"/rom0/x\" \"\""), (W{"rename", "/rom0/x", ""}));
    EXPECT_EQ(splitWords("   "), W{});
    EXPECT_FALSE(splitWords("get \"/rom0/x"));
}

TEST(CartEntry, FillerAfterTheEntryIsCutAndShortDataRefused) {
    auto bytes = makeEntry("e", "", 130);
    const auto exact = bytes;
    bytes.resize(384, 0x1A);
    const auto entry = CartEntry::fromBytes(bytes);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->bytes(), exact);
    EXPECT_EQ(entry->blocks(), 3u);
    bytes.resize(200);
    EXPECT_FALSE(CartEntry::fromBytes(bytes)) << "the header promises 130 data bytes";
    EXPECT_FALSE(CartEntry::fromBytes(std::vector<std::uint8_t>(128, 0)));
}

TEST(CartEntry, DescriptionIsCutWithoutSplittingAShiftJisCharacter) {
    EXPECT_EQ(cutShiftJis("abc", 24), "abc");
    // Twelve two-byte characters fill 24 bytes; a 25th byte does not fit.
    const std::string kana12(24, '\x82');
    EXPECT_EQ(cutShiftJis("a" + kana12, 24).size(), 23u);
    EXPECT_EQ(cutShiftJis(std::string(30, 'x'), 24).size(), 24u);
    auto entry = *CartEntry::fromBytes(makeEntry("e", "", 0));
    entry.setInfo("a" + kana12);
    EXPECT_EQ(entry.info().size(), 23u);
    entry.rename("new");
    EXPECT_EQ(entry.name(), "new");
}

TEST(CartEntry, ValidNames) {
    EXPECT_TRUE(validEntryName("sixteen-bytes-ab"));
    EXPECT_TRUE(validEntryName("\x83\x65\x83\x58\x83\x67")); // Shift-JIS
    for (const char* bad : {"", "seventeen-bytes-x", "a/b", "a\"b", "tab\there"}) {
        EXPECT_FALSE(validEntryName(bad)) << bad;
    }
}

TEST(StateFile, RoundTripKeepsEntriesGarbageAndClock) {
    TempFolder folder;
    Cartridge cart(100, 50);
    cart.rom0().store(*CartEntry::fromBytes(makeEntry("one", "1", 500)));
    cart.rom0().store(*CartEntry::fromBytes(makeEntry("two", "2", 10)));
    cart.rom0().remove("one");
    cart.ram0().store(*CartEntry::fromBytes(makeEntry("three", "3", 0)));
    cart.setClockOffset(-12345);
    saveState(cart, folder.file("s"));
    Cartridge loaded(100, 50);
    loadState(loaded, folder.file("s"));
    EXPECT_EQ(loaded.rom0().entries().size(), 1u);
    EXPECT_EQ(loaded.rom0().garbageBlocks(), 5u);
    EXPECT_EQ(loaded.rom0().entries()[0].bytes(), makeEntry("two", "2", 10));
    EXPECT_EQ(loaded.ram0().entries()[0].name(), "three");
    EXPECT_EQ(loaded.clockOffset(), -12345);
    Cartridge small(6, 50); // the kept blocks of "one" and "two" need 7
    EXPECT_THROW(loadState(small, folder.file("s")), StateError) << "the entries do not fit";
}

TEST(StateFile, DamagedFilesAreRefusedWithTheirName) {
    TempFolder folder;
    const std::string good = "cartsim state 1\nclock 0\narea rom0 0 0\narea ram0 0 0\n";
    const std::string cases[] = {
        "",
        "other file\n",
        "cartsim state 1\nclock x\n",
        "cartsim state 1\nclock 0\narea rom9 0 0\n",
        "cartsim state 1\nclock 0\narea rom0 0 1\nentry 500\nshort",
        "cartsim state 1\nclock 0\narea rom0 0 1\nentry 99999999999\n",
        "cartsim state 1\nclock 0\narea rom0 0 1\nentry 128\n" + std::string(128, 'z'),
        "cartsim state 1\nclock 0\narea rom0 0 0\narea rom0 0 0\n",
    };
    for (const std::string& text : cases) {
        std::ofstream(folder.file("s"), std::ios::binary) << text;
        Cartridge cart;
        try {
            loadState(cart, folder.file("s"));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const StateError& error) {
            EXPECT_NE(std::string(error.what()).find(folder.file("s")), std::string::npos);
        }
    }
    std::ofstream(folder.file("s"), std::ios::binary) << good;
    Cartridge cart;
    EXPECT_NO_THROW(loadState(cart, folder.file("s")));
}

TEST(Seeding, StoresEntriesInNameOrderAndSkipsNamesAlreadyThere) {
    TempFolder folder;
    writeFile(folder.file("b.vx"), makeEntry("bee", "", 10));
    writeFile(folder.file("a.vx"), makeEntry("ant", "", 10));
    writeFile(folder.file("notes.txt"), {'x'});
    CartArea area("rom0", 100, Reclaim::OnDefrag);
    area.store(*CartEntry::fromBytes(makeEntry("bee", "old", 10)));
    EXPECT_EQ(seedArea(area, folder.path()), 1u);
    ASSERT_EQ(area.entries().size(), 2u);
    EXPECT_EQ(area.entries()[0].info(), "old");
    EXPECT_EQ(area.entries()[1].name(), "ant");

    writeFile(folder.file("c.vx"), {'n', 'o'});
    EXPECT_THROW(seedArea(area, folder.path()), SeedError);
    EXPECT_THROW(seedArea(area, folder.file("missing")), SeedError);
    CartArea tiny("ram0", 1, Reclaim::AtOnce);
    std::filesystem::remove(folder.file("c.vx"));
    EXPECT_THROW(seedArea(tiny, folder.path()), SeedError);
}

TEST(ProgramOptions, FlagsAndValues) {
    const char* argv[] = {"cartsim",         "--link=/tmp/x",
                          "--baud",          "9600",
                          "--ram0-blocks",   "12",
                          "--nak-block",     "3:4",
                          "--corrupt-block", "2",
                          "--after-reply",   "a\\r\\n\\x00\\\\",
                          "--pause",         "0.25",
                          "--cr-in-line",    "--silent-before-final=*",
                          "--send-system",   "os.bin"};
    const ProgramOptions o = parseProgramOptions(static_cast<int>(std::size(argv)), argv);
    EXPECT_EQ(o.linkPath, "/tmp/x");
    EXPECT_EQ(o.baud, 9600u);
    EXPECT_EQ(o.ram0Blocks, 12u);
    EXPECT_EQ(o.faults.xmodem.nak->block, 3u);
    EXPECT_EQ(o.faults.xmodem.nak->times, 4u);
    EXPECT_EQ(o.faults.xmodem.corrupt->times, 1u);
    EXPECT_EQ(o.faults.bytesAfterReply, std::string("a\r\n\0\\", 5));
    EXPECT_EQ(o.faults.pauseBeforeFinal, 250ms);
    EXPECT_TRUE(o.faults.crInLine);
    EXPECT_EQ(o.faults.silentBeforeFinal, "*");
    EXPECT_EQ(o.monitor->mode, MonitorMode::SendSystem);
}

TEST(ProgramOptions, MistakesAreRefused) {
    const std::vector<std::vector<const char*>> cases = {
        {"--nope"},
        {"--baud"},
        {"--baud", "fast"},
        {"--rom0-blocks", "0"},
        {"--ram0-blocks", "70000"},
        {"--nak-block", "2:"},
        {"--pause", "-1"},
        {"--after-reply", "\\q"},
        {"--after-reply", "\\x4"},
        {"--cr-in-line=yes"},
        {"--recv-system", "a", "--send-system", "b"},
        {"--device", "/dev/ttyS0", "--link", "/tmp/l"},
    };
    for (const auto& args : cases) {
        std::vector<const char*> argv{"cartsim"};
        argv.insert(argv.end(), args.begin(), args.end());
        EXPECT_THROW(parseProgramOptions(static_cast<int>(argv.size()), argv.data()), UsageError) << args[0];
    }
}

TEST(LinePacer, BooksTenBitsPerByte) {
    LinePacer pacer(38400);
    const auto t0 = Clock::now();
    EXPECT_EQ(pacer.book(t0, 3840) - t0, std::chrono::seconds(1));
    EXPECT_EQ(pacer.book(t0, 384) - t0, std::chrono::milliseconds(1100)) << "the line is still busy";
    EXPECT_EQ(pacer.bytesPer(std::chrono::microseconds(2000)), 7u);
    LinePacer unpaced;
    EXPECT_EQ(unpaced.book(t0, 1000), t0);
}

} // namespace
} // namespace cartsim::test
