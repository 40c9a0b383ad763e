#pragma once

// lrzsz's rx or sx as an independent XMODEM peer on the master side of a
// pseudo-terminal: the program runs with a socket as its standard input and
// output, and a relay thread copies bytes between that socket and the master.

#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace pf::test {

class LrzszPeer {
  public:
    // Starts `argv` (for example {"rx", "-X", "-q", "in.bin"}) in the folder
    // `workDir` (lrzsz refuses paths outside its working folder), relayed to
    // `master`.
    LrzszPeer(int master, const std::string& workDir, std::vector<std::string> argv);
    ~LrzszPeer();
    LrzszPeer(const LrzszPeer&) = delete;
    LrzszPeer& operator=(const LrzszPeer&) = delete;

    // Waits up to 20 s for the program to end (killing it after that);
    // returns its exit status as from waitpid, or -1.
    int finish();

  private:
    void relay(int master);

    pid_t m_child = -1;
    int m_socket = -1;
    bool m_stop = false;
    std::thread m_relay;
    int m_status = -1;
};

} // namespace pf::test
