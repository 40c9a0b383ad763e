#pragma once
// A cartridge stand-in on a real pseudo-terminal: it answers each command
// line (ended by CR) with the next scripted reply, lines ended by CR LF, and
// records the commands it got.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pf::test {

using Reply = std::vector<std::string>;

class ScriptedPeer {
  public:
    explicit ScriptedPeer(std::vector<Reply> replies);
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    // The device a TCommPort opens.
    const std::string& devicePath() const { return m_devicePath; }

    // The command lines received so far, without their CR.
    std::vector<std::string> commands() const;

  private:
    void run(std::stop_token stop);
    void answer(const std::string& command);

    int m_master = -1;
    int m_slave = -1;
    std::string m_devicePath;
    std::vector<Reply> m_replies;
    std::size_t m_nextReply = 0;
    mutable std::mutex m_lock;
    std::vector<std::string> m_commands;
    std::jthread m_thread;
};

} // namespace pf::test
