#include "lrzsz_peer.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <stdexcept>

extern char** environ;

namespace pf::test {
namespace {

// Copies what `from` has to `to`; false at end of input.
bool copyOnce(int from, int to) {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(from, buffer.data(), buffer.size());
    if (count <= 0)
        return false;
    ssize_t done = 0;
    while (done < count) {
        const ssize_t written = ::write(to, buffer.data() + done, static_cast<std::size_t>(count - done));
        if (written > 0) {
            done += written;
        } else {
            pollfd entry{to, POLLOUT, 0};
            ::poll(&entry, 1, 50);
        }
    }
    return true;
}

} // namespace

LrzszPeer::LrzszPeer(int master, const std::string& workDir, std::vector<std::string> argv) {
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        throw std::runtime_error("socketpair failed");
    m_socket = sockets[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], 0);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], 1);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    const int failed = ::posix_spawnp(&m_child, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(sockets[1]);
    if (failed != 0) {
        ::close(m_socket);
        throw std::runtime_error("cannot start " + argv[0]);
    }
    m_relay = std::thread([this, master] { relay(master); });
}

LrzszPeer::~LrzszPeer() {
    finish();
    if (m_socket >= 0)
        ::close(m_socket);
}

void LrzszPeer::relay(int master) {
    while (!std::atomic_ref(m_stop).load()) {
        std::array<pollfd, 2> entries{{{master, POLLIN, 0}, {m_socket, POLLIN, 0}}};
        if (::poll(entries.data(), entries.size(), 50) <= 0)
            continue;
        if ((entries[0].revents & POLLIN) && !copyOnce(master, m_socket))
            return;
        if ((entries[1].revents & (POLLIN | POLLHUP)) && !copyOnce(m_socket, master))
            return; // the program ended and closed its side
    }
}

int LrzszPeer::finish() {
    if (m_child > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        int status = 0;
        pid_t done = 0;
        while ((done = ::waitpid(m_child, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() < deadline)
            ::usleep(10000);
        if (done == 0) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, &status, 0);
            status = -1;
        }
        m_status = status;
        m_child = -1;
    }
    if (m_relay.joinable()) {
        // Let the relay pass on the program's last bytes before it stops.
        ::usleep(100000);
        std::atomic_ref(m_stop).store(true);
        m_relay.join();
    }
    return m_status;
}

} // namespace pf::test
