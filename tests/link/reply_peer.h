#pragma once

// A scripted shell on the master side of a pseudo-terminal: for each entry
// it reads one command line (up to its CR) and answers with the entry's
// bytes. The command lines it read are kept for the test to compare.

#include <string>
#include <thread>
#include <vector>

namespace pf::test {

class ReplyPeer {
  public:
    ReplyPeer(int fd, std::vector<std::string> replies);
    ~ReplyPeer();

    // Waits for the script to end; returns the command lines read, CR included.
    const std::vector<std::string>& finish();

  private:
    std::vector<std::string> m_commands;
    std::thread m_thread;
};

} // namespace pf::test
