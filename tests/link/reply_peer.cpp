#include "reply_peer.h"

#include "pty_pair.h"

namespace pf::test {

ReplyPeer::ReplyPeer(int fd, std::vector<std::string> replies)
    : m_thread([this, fd, replies = std::move(replies)] {
          for (const std::string& reply : replies) {
              std::string command = readUntil(fd, '\r');
              if (command.empty())
                  return;
              m_commands.push_back(std::move(command));
              writeAll(fd, reply);
          }
      }) {}

ReplyPeer::~ReplyPeer() {
    if (m_thread.joinable())
        m_thread.join();
}

const std::vector<std::string>& ReplyPeer::finish() {
    if (m_thread.joinable())
        m_thread.join();
    return m_commands;
}

} // namespace pf::test
