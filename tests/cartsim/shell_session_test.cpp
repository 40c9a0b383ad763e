// The shell over a pseudo-terminal, driven by a raw client: echo, every
// command with its replies and reply codes, reconnecting, the saved state.

#include "tests/cartsim/cartsim_rig.h"

#include "tools/cartsim/cart_entry.h"
#include "tools/cartsim/reply_format.h"
#include "tools/cartsim/state_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cartsim::test {
namespace {

Cartridge cartWith(std::initializer_list<std::pair<std::string, std::size_t>> rom0Entries,
                   std::uint32_t rom0Blocks = kDefaultRom0Blocks,
                   std::uint32_t ram0Blocks = kDefaultRam0Blocks) {
    Cartridge cart(rom0Blocks, ram0Blocks);
    for (const auto& [name, size] : rom0Entries) {
        cart.rom0().store(*CartEntry::fromBytes(makeEntry(name, "about " + name, size)));
    }
    return cart;
}

// The client of `rig` after "stty -echo".
Client& quiet(Rig& rig) {
    rig.client().command("stty -echo");
    rig.client().reply();
    return rig.client();
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The free bytes that the "df" reply gives for an area, read the way the PC
// reads it: the first line that begins with the area's word, fourth word.
long dfFree(const std::vector<std::string>& reply, const std::string& word) {
    for (const std::string& line : reply) {
        if (line.starts_with(word)) {
            const auto w = words(line);
            EXPECT_EQ(w.size(), 6u) << line;
            return w.size() >= 4 ? std::stol(w[3]) : -1;
        }
    }
    return -1;
}

TEST(ShellSession, EchoesCommandLinesUntilSttyMinusEcho) {
    Rig rig;
    Client& c = rig.client();
    c.command("df");
    EXPECT_EQ(c.line(), "df");
    EXPECT_EQ(c.reply().back(), "200 OK");
    c.write("stty -echX\bo\r"); // a backspace takes back the typo
    EXPECT_EQ(c.rawLine(), "stty -echX\b \bo\r");
    EXPECT_EQ(c.reply(), std::vector<std::string>{"200 OK"});
    c.command("df");
    EXPECT_EQ(c.line(), "Filesystem      Bytes       Used  Available Use% Mounted on");
}

TEST(ShellSession, GreetingHasInformationLinesClosingLineAndOk) {
    Rig rig;
    Client& c = quiet(rig);
    c.command("HELO \"Ferrymate version 1.03 beta\"");
    const auto reply = c.reply();
    ASSERT_GE(reply.size(), 4u);
    EXPECT_EQ(reply.front(), "125 STARTING");
    EXPECT_EQ(reply[reply.size() - 2], "End of information");
    EXPECT_EQ(reply.back(), "200 OK");
    EXPECT_NE(std::find(reply.begin(), reply.end(), "Hello, Ferrymate version 1.03 beta"), reply.end());
}

TEST(ShellSession, ListingHasFixedColumnsHeaderAndClosingLine) {
    Rig rig({}, cartWith({{"sixteen-bytes-ab", 300}, {"AB", 0}}));
    Client& c = quiet(rig);
    c.command("ls -l /rom0");
    const auto reply = c.reply();
    ASSERT_EQ(reply.size(), 6u);
    EXPECT_EQ(reply[0], "125 STARTING");
    EXPECT_EQ(reply[1].find("Description"), 50u);
    // Name in bytes 0-15, tokens from byte 17, description from byte 50.
    EXPECT_EQ(reply[2], "sixteen-bytes-ab -wr-----     428 45-05-22 15:17  about sixteen-bytes-ab");
    EXPECT_EQ(reply[2].substr(50), "about sixteen-bytes-ab");
    EXPECT_EQ(reply[3].substr(0, 17), "AB               ");
    EXPECT_EQ(words(reply[3].substr(17, 33)),
              (std::vector<std::string>{"-wr-----", "128", "45-05-22", "15:17"}));
    EXPECT_EQ(reply[3].substr(50), "about AB");
    EXPECT_EQ(reply[4], "2 files, 5 blocks used, 3067 blocks free");
    EXPECT_EQ(reply[5], "200 OK");
}

TEST(ShellSession, DfGivesSixWordsPerAreaWithFreeBytesFourth) {
    Rig rig({}, cartWith({{"one", 1000}}, 100, 20));
    Client& c = quiet(rig);
    c.command("df");
    const auto reply = c.reply();
    EXPECT_EQ(dfFree(reply, "rom0"), (100 - 9) * 128);
    EXPECT_EQ(dfFree(reply, "ram0"), 20 * 128);
    EXPECT_EQ(reply.back(), "200 OK");
}

TEST(ShellSession, DateReadsAndSetsTheClock) {
    Rig rig;
    Client& c = quiet(rig);
    c.command("date 200008221530.45");
    EXPECT_EQ(c.reply(), std::vector<std::string>{"200 OK"});
    c.command("date");
    const auto reply = c.reply();
    ASSERT_EQ(reply.size(), 3u);
    EXPECT_EQ(reply[0], "125 STARTING");
    EXPECT_TRUE(reply[1].starts_with("2000-08-22 15:3")) << reply[1];
    EXPECT_EQ(reply[2], "200 OK");
    for (const char* bad : {"date 200002301200.00", "date 200008222530.00", "date 2000082215.3045",
                            "date 20000822153045", "date 200008221530.45 x"}) {
        c.command(bad);
        EXPECT_EQ(c.reply(), std::vector<std::string>{"501 SYNTAX ERR"}) << bad;
    }
}

// Each command in turn, on one cartridge, with the final line it must get.
TEST(ShellSession, CommandsAnswerWithTheirReplyCodes) {
    Rig rig({}, cartWith({{"alpha", 10}, {"beta", 10}, {"delta", 10}}));
    Client& c = quiet(rig);
    const std::pair<std::string, std::string> cases[] = {
        {"delete \"/rom0/alpha\"", "200 OK"},
        {"delete \"/rom0/alpha\"", "450 NOT AVAILABLE"},
        {"delete \"/rom9/alpha\"", "501 SYNTAX ERR"},
        {"delete /rom0", "501 SYNTAX ERR"},
        {"rename \"/rom0/beta\" \"gamma\"", "200 OK"},
        {"rename \"/rom0/beta\" \"other\"", "450 NOT AVAILABLE"},
        {"rename \"/rom0/gamma\" \"delta\"", "450 NOT AVAILABLE"},
        {"rename \"/rom0/gamma\" \"seventeen-bytes-x\"", "451 LOCAL ERR"},
        {"rename \"/rom0/gamma\" \"a/b\"", "451 LOCAL ERR"},
        {"rename \"/rom0/gamma\"", "501 SYNTAX ERR"},
        {"setinfo \"/rom0/gamma\" \"new text with blanks\"", "200 OK"},
        {"setinfo \"/rom0/nothing\" \"x\"", "450 NOT AVAILABLE"},
        {"get \"/rom0/nothing\"", "450 NOT AVAILABLE"},
        {"get", "501 SYNTAX ERR"},
        {"put /rom7", "450 NOT AVAILABLE"},
        {"put", "501 SYNTAX ERR"},
        {"ls -l /rom7", "450 NOT AVAILABLE"},
        {"ls /rom0", "501 SYNTAX ERR"},
        {"defrag rom0", "200 OK"},
        {"defrag rom7", "450 NOT AVAILABLE"},
        {"defrag", "501 SYNTAX ERR"},
        {"newfs ram0", "200 OK"},
        {"stty raw", "501 SYNTAX ERR"},
        {"df -h", "501 SYNTAX ERR"},
        {"ls -l \"/rom0", "501 SYNTAX ERR"},
        {"format c:", "504 NOT IMPLEMENTED"},
        {"helo", "504 NOT IMPLEMENTED"},
        {std::string(600, 'x'), "501 SYNTAX ERR"},
    };
    for (const auto& [command, final] : cases) {
        c.command(command);
        EXPECT_EQ(c.reply(), std::vector<std::string>{final}) << command;
    }
    c.command("ls -l /rom0");
    const auto listing = c.reply();
    ASSERT_EQ(listing.size(), 6u);
    EXPECT_TRUE(listing[2].starts_with("gamma ")) << listing[2];
    EXPECT_EQ(listing[2].substr(50), "new text with blanks");
    EXPECT_TRUE(listing[3].starts_with("delta ")) << listing[3];
}

TEST(ShellSession, EmptyLinesAndLineFeedsGetNoReply) {
    Rig rig;
    Client& c = quiet(rig);
    c.write("\r\n\r  \r");
    EXPECT_EQ(c.drain(), "");
}

TEST(ShellSession, ProgramAreaKeepsDeletedBlocksUntilDefrag) {
    Rig rig({}, cartWith({{"big", 1280}}, 100, 100));
    Client& c = quiet(rig);
    c.command("delete \"/rom0/big\"");
    c.reply();
    c.command("df");
    EXPECT_EQ(dfFree(c.reply(), "rom0"), 89 * 128);
    c.command("defrag rom0");
    c.reply();
    c.command("df");
    EXPECT_EQ(dfFree(c.reply(), "rom0"), 100 * 128);
}

TEST(ShellSession, ClientMayCloseTheDeviceAndOpenItAgain) {
    Rig rig;
    {
        Client first(rig.device());
        first.command("stty -echo");
        EXPECT_EQ(first.reply().back(), "200 OK");
    }
    rig.client().drain(100ms);
    Client second(rig.device());
    second.command("df");
    EXPECT_EQ(second.reply().back(), "200 OK");
}

TEST(ShellSession, ChangesAreSavedToTheStateFile) {
    TempFolder folder;
    SimulatorConfig config;
    config.statePath = folder.file("cart.state");
    {
        Rig rig(config, cartWith({{"keep", 50}, {"drop", 50}}));
        rig.client().command("delete \"/rom0/drop\"");
        rig.client().reply();
        rig.client().command("date 203001020304.06");
        rig.client().reply();
    }
    Cartridge loaded;
    loadState(loaded, config.statePath);
    ASSERT_EQ(loaded.rom0().entries().size(), 1u);
    EXPECT_EQ(loaded.rom0().entries()[0].bytes(), makeEntry("keep", "about keep", 50));
    EXPECT_EQ(loaded.rom0().garbageBlocks(), 2u) << "178 bytes of \"drop\" take two blocks until defrag";
    EXPECT_NEAR(static_cast<double>(loaded.now()), static_cast<double>(*parseClockSetting("203001020304.06")),
                60);
}

} // namespace
} // namespace cartsim::test
