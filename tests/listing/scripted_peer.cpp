#include "scripted_peer.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace pf::test {

ScriptedPeer::ScriptedPeer(std::vector<Reply> replies) : m_replies(std::move(replies)) {
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    m_devicePath = name;
    m_thread = std::jthread([this](std::stop_token stop) { run(stop); });
}

ScriptedPeer::~ScriptedPeer() {
    m_thread.request_stop();
    if (m_thread.joinable())
        m_thread.join();
    close(m_slave);
    close(m_master);
}

std::vector<std::string> ScriptedPeer::commands() const {
    std::lock_guard guard(m_lock);
    return m_commands;
}

void ScriptedPeer::run(std::stop_token stop) {
    std::string pending;
    while (!stop.stop_requested()) {
        pollfd watch{m_master, POLLIN, 0};
        if (poll(&watch, 1, 20) <= 0 || (watch.revents & POLLIN) == 0)
            continue;
        char bytes[256];
        const ssize_t count = read(m_master, bytes, sizeof bytes);
        for (ssize_t i = 0; i < count; ++i) {
            if (bytes[i] != '\r') {
                pending += bytes[i];
                continue;
            }
            answer(pending);
            pending.clear();
        }
    }
}

void ScriptedPeer::answer(const std::string& command) {
    {
        std::lock_guard guard(m_lock);
        m_commands.push_back(command);
    }
    if (m_nextReply >= m_replies.size())
        return; // unscripted: stay silent
    std::string text;
    for (const std::string& line : m_replies[m_nextReply++])
        text += line + "\r\n";
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(m_master, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

} // namespace pf::test
