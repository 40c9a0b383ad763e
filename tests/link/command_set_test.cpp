// The thirteen commands: their lines on the wire byte for byte, the
// refusal of arguments that would malform a line, and get/put without a
// transfer announcement.

#include "ferrymate/link/command_set.h"

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/port_names.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "reply_peer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace pf {
namespace {

using test::PtyPair;

struct WireCase {
    std::function<void(TCommPort&)> run;
    std::string wire;
};

TEST(CommandSet, EachCommandSendsItsLine) {
    const std::filesystem::path unused = std::filesystem::temp_directory_path() / "pf_link_unused.vx";
    ReplyList list;
    const WireCase cases[] = {
        {[&](TCommPort& p) { CmdHelo(p); }, "HELO \"Ferrymate version 1.03 beta\"\r"},
        {[&](TCommPort& p) { CmdHelo(p, &list); }, "HELO \"Ferrymate version 1.03 beta\"\r"},
        {[&](TCommPort& p) { CmdSttyEchoOff(p); }, "stty -echo\r"},
        {[&](TCommPort& p) { CmdList(p, "/rom0", &list); }, "ls -l /rom0\r"},
        {[&](TCommPort& p) { CmdList(p, "/ram0", &list); }, "ls -l /ram0\r"},
        {[&](TCommPort& p) { CmdDf(p, &list); }, "df\r"},
        {[&](TCommPort& p) { CmdDefrag(p, "/ram0"); }, "defrag ram0\r"},
        {[&](TCommPort& p) { CmdNewfs(p, "/rom0"); }, "newfs rom0\r"},
        {[&](TCommPort& p) { CmdGet(p, "/rom0/game", unused); }, "get \"/rom0/game\"\r"},
        {[&](TCommPort& p) { CmdPut(p, "/rom0", "/any/where/file.bin"); }, "put /rom0\r"},
        {[&](TCommPort& p) { CmdDelete(p, "/ram0/save"); }, "delete \"/ram0/save\"\r"},
        {[&](TCommPort& p) { CmdDate(p, &list); }, "date\r"},
        {[&](TCommPort& p) { CmdSetDate(p, "2026/12/10 23:59:58"); }, "date 2026/12/10 23:59:58\r"},
        {[&](TCommPort& p) { CmdRename(p, "/rom0/old", "new"); }, "rename \"/rom0/old\" \"new\"\r"},
        {[&](TCommPort& p) { CmdSetInfo(p, "/rom0/a b", "\x83\x65\x83\x58\x83\x67"); },
         "setinfo \"/rom0/a b\" \"\x83\x65\x83\x58\x83\x67\"\r"},
    };
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (const WireCase& c : cases) {
        test::ReplyPeer peer(pty.master(), {"200 OK\r\n"});
        c.run(port);
        EXPECT_EQ(peer.finish(), std::vector<std::string>{c.wire});
    }
    EXPECT_FALSE(std::filesystem::exists(unused)) << "a get without announcement must not create the file";
}

TEST(CommandSet, ConnectingOnCom2SendsSttyThenHelo) {
    PtyPair pty;
    ASSERT_TRUE(SetPortDevice("COM2", pty.slavePath()));
    TCommPort port({38400, "COM2"});
    test::ReplyPeer peer(pty.master(), {"200 OK\r\n", "Pocketforge\r\n200 OK\r\n"});
    CmdSttyEchoOff(port);
    CmdHelo(port);
    EXPECT_EQ(peer.finish(),
              (std::vector<std::string>{"stty -echo\r", "HELO \"Ferrymate version 1.03 beta\"\r"}));
    ResetPortDevices();
}

TEST(CommandSet, ArgumentsThatWouldMalformTheLineAreRefusedUnsent) {
    const std::function<void(TCommPort&)> refused[] = {
        [](TCommPort& p) { CmdRename(p, "/rom0/old", "a\"b"); },
        [](TCommPort& p) { CmdRename(p, "/rom0/o\"ld", "new"); },
        [](TCommPort& p) { CmdSetInfo(p, "/rom0/x", "say \"hi\""); },
        [](TCommPort& p) { CmdDelete(p, "/rom0/x\rnewfs rom0"); },
        [](TCommPort& p) { CmdGet(p, "/rom0/x\n", "/tmp/pf_link_never.vx"); },
        [](TCommPort& p) { CmdSetDate(p, std::string("2026\0", 5)); },
        [](TCommPort& p) { CmdSetInfo(p, "/rom0/x", std::string(500, 'd')); },
    };
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::LogRecorder log;
    for (const auto& run : refused)
        EXPECT_THROW(run(port), CmdArgumentException);
    EXPECT_EQ(test::readQuiet(pty.master()), "");
    EXPECT_TRUE(log.lines.empty());
    try {
        CmdRename(port, "/rom0/old", "a\"b");
    } catch (const CmdArgumentException& error) {
        EXPECT_STREQ(error.what(), "名前や説明に二重引用符（\"）は使えません。");
    }
}

} // namespace
} // namespace pf
