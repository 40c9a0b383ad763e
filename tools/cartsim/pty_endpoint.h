#pragma once
// A pseudo-terminal that plays the cartridge's serial port. The simulator
// works on the master side; clients open the slave device, whose path is
// printed or reached through a symbolic link.
//
// The simulator keeps the slave open itself, so that a client may close the
// device and open it again without the master's reads failing (a master
// whose slave nobody holds reads EIO).

#include <string>

namespace cartsim {

class PtyEndpoint {
  public:
    // Opens a new pseudo-terminal with both sides in raw mode.
    // Throws std::runtime_error naming the failing step and the reason.
    PtyEndpoint();
    ~PtyEndpoint();
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

    // Makes `linkPath` a symbolic link to the slave device. An existing
    // symbolic link there is replaced; any other existing file is refused
    // with std::runtime_error. The link is removed again by the destructor.
    void linkAt(const std::string& linkPath);

  private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
    std::string m_linkPath;
};

} // namespace cartsim
