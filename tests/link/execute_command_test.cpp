// ExecuteCommand against a scripted shell: each final reply code with its
// log lines, list and exception; transfer callbacks; the recovery after a
// failed transfer; the silence rule in virtual time.

#include "ferrymate/link/comm_port.h"
#include "ferrymate/link/data_module.h"
#include "ferrymate/link/exceptions.h"
#include "ferrymate/link/execute_command.h"
#include "ferrymate/link/starting_process.h"

#include "log_recorder.h"
#include "pty_pair.h"
#include "reply_peer.h"
#include "virtual_clock.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <functional>
#include <type_traits>
#include <typeindex>

namespace pf {
namespace {

using namespace std::chrono_literals;
using test::black;
using test::blue;
using test::LogLine;
using test::PtyPair;
using test::red;

// The class of what `run` raised; typeid(void) when it returned.
std::type_index raisedBy(const std::function<void()>& run) {
    try {
        run();
    } catch (const Exception& error) {
        return typeid(error);
    }
    return typeid(void);
}

struct CountingStart final : StartingProcess {
    void Execute() override { ++calls; }
    int calls = 0;
};

template <typename Error> struct FailingStart final : StartingProcess {
    void Execute() override { throw Error(); }
};

struct ReplyCase {
    const char* reply;
    std::vector<std::string> list;
    std::vector<LogLine> logAfterCommand;
    std::type_index raised;
};

TEST(ExecuteCommand, FinalRepliesGiveTheirListLogAndException) {
    const ReplyCase cases[] = {
        {"200 OK\r\n", {"200 OK"}, {blue("200 OK")}, typeid(void)},
        {"abc\r\n200 OK\r\n", {"abc", "200 OK"}, {blue("abc"), blue("200 OK")}, typeid(void)},
        {"125 STARTING\n200 OK\n",
         {"125 STARTING", "200 OK"},
         {blue("125 STARTING"), blue("200 OK")},
         typeid(void)},
        {"501 SYNTAX ERR\r\n", {"501 SYNTAX ERR"}, {blue("501 SYNTAX ERR")}, typeid(void)},
        {"426 TRANSFER ABORTED\r\n", {"426 TRANSFER ABORTED"}, {blue("426 TRANSFER ABORTED")}, typeid(void)},
        {"504 NOT IMPLEMENTED\r\n", {"504 NOT IMPLEMENTED"}, {}, typeid(CmdNotImplementedException)},
        {"451 LOCAL ERR\r\n", {"451 LOCAL ERR"}, {}, typeid(CmdLocalErrorException)},
        {"x\n450 NOT AVAILABLE\r\n",
         {"x", "450 NOT AVAILABLE"},
         {blue("x"), black("(CANCELED)"), black("(ABORTED)"), blue("450 NOT AVAILABLE")},
         typeid(CmdNotAvailableException)},
        {"452 FS FULL\r\n",
         {"452 FS FULL"},
         {black("(CANCELED)"), black("(ABORTED)"), blue("452 FS FULL")},
         typeid(CmdFileSystemException)},
        {"200 OK extra\n 200 OK\n200 OK\n",
         {"200 OK extra", " 200 OK", "200 OK"},
         {blue("200 OK extra"), blue(" 200 OK"), blue("200 OK")},
         typeid(void)},
    };
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (const ReplyCase& c : cases) {
        test::LogRecorder log;
        test::ReplyPeer peer(pty.master(), {c.reply});
        ReplyList list;
        EXPECT_EQ(raisedBy([&] { ExecuteCommand(port, "cmd", &list); }), c.raised) << c.reply;
        std::vector<LogLine> expected{red("cmd")};
        expected.insert(expected.end(), c.logAfterCommand.begin(), c.logAfterCommand.end());
        EXPECT_EQ(log.lines, expected) << c.reply;
        EXPECT_EQ(list, c.list) << c.reply;
        EXPECT_EQ(peer.finish(), std::vector<std::string>{"cmd\r"});
    }
}

// The tree the window's handlers catch by.
static_assert(std::is_base_of_v<CmdException, CmdNotAvailableException>);
static_assert(std::is_base_of_v<CmdException, CmdArgumentException>);
static_assert(std::is_base_of_v<CommTimeoutException, CommXModemTimeout>);
static_assert(!std::is_base_of_v<CommXModemException, CommXModemTimeout>);
static_assert(std::is_base_of_v<CommXModemException, XCANReceived>);
static_assert(std::is_base_of_v<CommException, CommOpenException>);
static_assert(std::is_base_of_v<CommException, CommAbortException>);
static_assert(std::is_base_of_v<Exception, EDirNotFound>);
static_assert(!std::is_base_of_v<CommException, CreateProcException>);

TEST(ExecuteCommand, ErrorMessagesAreTheReplyLines) {
    EXPECT_STREQ(CmdNotImplementedException().what(), "504 NOT IMPLEMENTED");
    EXPECT_STREQ(CmdNotAvailableException().what(), "450 NOT AVAILABLE");
    EXPECT_STREQ(CmdLocalErrorException().what(), "451 LOCAL ERR");
    EXPECT_STREQ(CmdFileSystemException().what(), "452 FS FULL");
    EXPECT_STREQ(CommTimeoutException().what(), "Time out error!");
    EXPECT_STREQ(CommXModemTimeout().what(), "Time out error!");
    EXPECT_STREQ(CommAbortException().what(), "通信がキャンセルされました");
    EXPECT_STREQ(XUserBreak().what(), "ユーザーによる中断");
    EXPECT_STREQ(XFileOpenError().what(), "ファイルオープンに失敗しました");
    EXPECT_STREQ(XRetryOver().what(), "リトライしましたがダメでした");
    EXPECT_STREQ(XCANReceived().what(), "CANを受信しました");
    EXPECT_STREQ(CreateProcException("hdrgen").what(), "hdrgenコマンドが実行できませんでした。");
    EXPECT_STREQ(EDirNotFound().what(), "指定されたディレクトリが見つかりません");
}

TEST(ExecuteCommand, EveryAnnouncementRunsTheCallbackAndNoneRunsWithoutOne) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    CountingStart start;
    {
        test::ReplyPeer peer(pty.master(),
                             {"125 STARTING\r\n350 FURTHER INFO\r\n125 STARTING\r\n200 OK\r\n"});
        ExecuteCommand(port, "get \"/rom0/a\"", nullptr, &start);
    }
    EXPECT_EQ(start.calls, 3);
    test::LogRecorder log;
    ReplyList list;
    test::ReplyPeer peer(pty.master(), {"125 STARTING\r\n200 OK\r\n"});
    ExecuteCommand(port, "ls -l /rom0", &list);
    EXPECT_EQ(list, (ReplyList{"125 STARTING", "200 OK"}));
}

TEST(ExecuteCommand, StaleInputIsPurgedAndTheFileEngineCancelCleared) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::writeAll(pty.master(), "504 NOT IMPLEMENTED\r\n");
    pollfd entry{pty.slave(), POLLIN, 0};
    ASSERT_EQ(::poll(&entry, 1, 2000), 1);
    DM.FileXModem.RequestCancel();
    test::ReplyPeer peer(pty.master(), {"200 OK\r\n"});
    ReplyList list;
    ExecuteCommand(port, "df", &list);
    EXPECT_EQ(list, ReplyList{"200 OK"});
    EXPECT_FALSE(DM.FileXModem.CancelRequested());
}

struct RecoveryCase {
    const char* name;
    std::string rest; // what the shell sends after "125 STARTING"
    std::type_index raised;
    std::vector<LogLine> logTail;
};

TEST(ExecuteCommand, FailedTransferIsReportedOnlyWhenTheShellSaysAborted) {
    const RecoveryCase cases[] = {
        {"426 passes the break on",
         "noise\r\n\x18\x18"
         "426 TRANSFER ABORTED\r\n",
         typeid(XUserBreak),
         {black("(CANCELED)"), black("(ABORTED)"), blue("426 TRANSFER ABORTED")}},
        {"200 OK drops it", "noise\r\n200 OK\r\n", typeid(void), {blue("200 OK")}},
        {"450 after it is handled as 450",
         "450 NOT AVAILABLE\r\n",
         typeid(CmdNotAvailableException),
         {black("(CANCELED)"), black("(ABORTED)"), blue("450 NOT AVAILABLE")}},
        {"504 after it is handled as 504", "504 NOT IMPLEMENTED\r\n", typeid(CmdNotImplementedException), {}},
    };
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    for (const RecoveryCase& c : cases) {
        test::LogRecorder log;
        test::ReplyPeer peer(pty.master(), {"125 STARTING\r\n" + c.rest});
        FailingStart<XUserBreak> start;
        EXPECT_EQ(raisedBy([&] { ExecuteCommand(port, "put /rom0", nullptr, &start); }), c.raised) << c.name;
        std::vector<LogLine> expected{red("put /rom0"), blue("125 STARTING")};
        expected.insert(expected.end(), c.logTail.begin(), c.logTail.end());
        EXPECT_EQ(log.lines, expected) << c.name;
    }
}

TEST(ExecuteCommand, EachXModemErrorIsRecoveredAndPassedOn) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    const auto run = [&](StartingProcess& start) {
        test::ReplyPeer peer(pty.master(), {"125 STARTING\r\n426 TRANSFER ABORTED\r\n"});
        return raisedBy([&] { ExecuteCommand(port, "get \"/ram0/x\"", nullptr, &start); });
    };
    FailingStart<XFileOpenError> open;
    FailingStart<XRetryOver> retry;
    FailingStart<XCANReceived> can;
    EXPECT_EQ(run(open), typeid(XFileOpenError));
    EXPECT_EQ(run(retry), typeid(XRetryOver));
    EXPECT_EQ(run(can), typeid(XCANReceived));
}

TEST(ExecuteCommand, XModemTimeoutReachesTheCallerWithoutDraining) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::LogRecorder log;
    test::ReplyPeer peer(pty.master(), {"125 STARTING\r\n426 TRANSFER ABORTED\r\n"});
    FailingStart<CommXModemTimeout> start;
    EXPECT_EQ(raisedBy([&] { ExecuteCommand(port, "get \"/ram0/x\"", nullptr, &start); }),
              typeid(CommXModemTimeout));
    EXPECT_EQ(log.lines, (std::vector<LogLine>{red("get \"/ram0/x\""), blue("125 STARTING")}));
}

TEST(ExecuteCommandTimeout, LowerCaseOkIsNotFinalAndTheCommandTimesOut) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::VirtualClock clock;
    test::LogRecorder log;
    clock.schedule(1ms, pty.master(), "200 ok\r\n");
    ReplyList list;
    EXPECT_EQ(raisedBy([&] { ExecuteCommand(port, "df", &list); }), typeid(CommTimeoutException));
    EXPECT_EQ(list, ReplyList{"200 ok"});
    EXPECT_EQ(log.lines, (std::vector<LogLine>{red("df"), blue("200 ok")}));
    EXPECT_GT(clock.elapsed(), 10s);
}

TEST(ExecuteCommandTimeout, AbortWhileDrainingReplacesTheTransferError) {
    PtyPair pty;
    TCommPort port({38400, pty.slavePath()});
    test::ReplyPeer peer(pty.master(), {"125 STARTING\r\n"});
    FailingStart<XUserBreak> start;
    int pumps = 0;
    test::PumpScript pump([&] {
        if (++pumps == 50)
            port.RequestAbort();
    });
    EXPECT_EQ(raisedBy([&] { ExecuteCommand(port, "put /rom0", nullptr, &start); }),
              typeid(CommAbortException));
}

} // namespace
} // namespace pf
