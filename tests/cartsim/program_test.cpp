// The cartsim program as a process: its help, its refusals, and a run on a
// linked pseudo-terminal with seeding and a state file, stopped by SIGTERM.

#include "tests/cartsim/cartsim_rig.h"

#include "tools/cartsim/pty_endpoint.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace cartsim::test {
namespace {

namespace fs = std::filesystem;

// cartsim started with its output in files of `folder`.
class Program {
  public:
    Program(const TempFolder& folder, std::vector<std::string> args) : m_folder(folder) {
        args.insert(args.begin(), CARTSIM_BINARY);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, folder.file("stdout").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, folder.file("stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
    }

    ~Program() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    int wait() {
        int status = 0;
        for (int i = 0; i < 500 && ::waitpid(m_pid, &status, WNOHANG) == 0; ++i) {
            std::this_thread::sleep_for(20ms);
        }
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int stop() {
        ::kill(m_pid, SIGTERM);
        return wait();
    }

    std::string out() const { return text("stdout"); }
    std::string err() const { return text("stderr"); }

  private:
    std::string text(const char* name) const {
        const auto bytes = readFile(m_folder.file(name));
        return std::string(bytes.begin(), bytes.end());
    }

    const TempFolder& m_folder;
    pid_t m_pid = -1;
};

bool waitForFile(const std::string& path) {
    for (int i = 0; i < 250; ++i) {
        std::error_code ignored;
        if (fs::exists(fs::symlink_status(path, ignored))) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

TEST(Program, HelpNamesEveryFlagAndVersionItsNumber) {
    TempFolder folder;
    Program help(folder, {"--help"});
    EXPECT_EQ(help.wait(), 0);
    for (const char* flag : {"--link",
                             "--device",
                             "--baud",
                             "--rom0-blocks",
                             "--ram0-blocks",
                             "--seed-rom0",
                             "--seed-ram0",
                             "--state",
                             "--recv-system",
                             "--send-system",
                             "--silent-after",
                             "--silent-before-final",
                             "--cancel-at-block",
                             "--nak-block",
                             "--corrupt-block",
                             "--close-at-block",
                             "--after-reply",
                             "--can-before-reply",
                             "--cr-in-line",
                             "--echo-always",
                             "--pause",
                             "--help",
                             "--version"}) {
        EXPECT_NE(help.out().find(std::string("  ") + flag), std::string::npos) << flag;
    }
    Program version(folder, {"--version"});
    EXPECT_EQ(version.wait(), 0);
    EXPECT_EQ(version.out(), "cartsim 1.0\n");
}

TEST(Program, MistakesEndWithExitCodeOneAndAMessage) {
    TempFolder folder;
    std::ofstream(folder.file("plain")) << "not a link";
    fs::create_directory(folder.file("seeds"));
    std::ofstream(folder.file("seeds/bad.vx")) << "no entry";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--frobnicate"}, "unknown option \"--frobnicate\""},
        {{"--nak-block", "x"}, "--nak-block wants a number"},
        {{"--link", folder.file("plain")}, "will not replace " + folder.file("plain")},
        {{"--seed-rom0", folder.file("seeds")}, folder.file("seeds/bad.vx")},
        {{"--seed-ram0", folder.file("none")}, "cannot read the folder " + folder.file("none")},
        {{"--send-system", folder.file("none.bin")}, "cannot open " + folder.file("none.bin")},
        {{"--device", folder.file("plain")}, folder.file("plain") + " is not a serial device"},
    };
    for (const auto& [args, message] : cases) {
        Program program(folder, args);
        EXPECT_EQ(program.wait(), 1) << args[0];
        EXPECT_NE(program.err().find(message), std::string::npos) << program.err();
        EXPECT_EQ(program.out(), "") << args[0];
    }
}

TEST(Program, RunsOnALinkKeepsItsStateAndStopsOnSigterm) {
    TempFolder folder;
    fs::create_directory(folder.file("rom0"));
    writeFile(folder.file("rom0/game.vx"), makeEntry("game", "seeded", 500));
    const std::string link = folder.file("cart");
    const std::string state = folder.file("cart.state");
    {
        Program program(folder, {"--link", link, "--seed-rom0", folder.file("rom0"), "--state", state,
                                 "--ram0-blocks", "64"});
        ASSERT_TRUE(waitForFile(link)) << program.err();
        EXPECT_EQ(program.out(), fs::read_symlink(link).string() + "\n");
        Client client(link);
        client.command("stty -echo");
        client.reply();
        client.command("df");
        const auto df = client.reply();
        ASSERT_EQ(df.size(), 4u);
        EXPECT_TRUE(df[2].starts_with("ram0 ") && df[2].find(" 8192 ") != std::string::npos) << df[2];
        client.command("rename \"/rom0/game\" \"renamed\"");
        EXPECT_EQ(client.reply().back(), "200 OK");
        EXPECT_EQ(program.stop(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link is removed on exit";
    }
    Program again(folder, {"--link", link, "--state", state});
    ASSERT_TRUE(waitForFile(link)) << again.err();
    Client client(link);
    client.command("ls -l /rom0");
    const auto listing = client.reply();
    ASSERT_EQ(listing.size(), 6u) << "echo, 125, header, one file, closing line, 200";
    EXPECT_TRUE(listing[3].starts_with("renamed ")) << listing[3];
    EXPECT_EQ(again.stop(), 0);
}

TEST(Program, PlaysOnAGivenSerialDevice) {
    TempFolder folder;
    PtyEndpoint cable; // the test holds the far end of a "cable" on the master side
    Program program(folder, {"--device", cable.slavePath(), "--baud", "115200"});
    for (int i = 0; i < 250 && program.out().empty(); ++i) {
        std::this_thread::sleep_for(20ms); // ready when it names the device
    }
    EXPECT_EQ(program.out(), cable.slavePath() + "\n");
    const std::string command = "df\r";
    ASSERT_EQ(::write(cable.masterFd(), command.data(), command.size()), 3);
    std::string reply;
    pollfd p{cable.masterFd(), POLLIN, 0};
    while (reply.find("200 OK\r\n") == std::string::npos && ::poll(&p, 1, 5000) > 0) {
        char buffer[256];
        const ssize_t got = ::read(cable.masterFd(), buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        reply.append(buffer, static_cast<std::size_t>(got));
    }
    EXPECT_TRUE(reply.starts_with("df\r\nFilesystem")) << reply;
    EXPECT_NE(reply.find("\r\nram0 "), std::string::npos) << reply;
    EXPECT_EQ(program.stop(), 0);
}

} // namespace
} // namespace cartsim::test
