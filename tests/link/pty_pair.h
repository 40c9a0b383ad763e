#pragma once

// A pseudo-terminal for the link tests: the port opens the slave by path, the
// test's scripted peer talks on the master. The slave stays open here too, so
// the master keeps working while ports come and go.

#include <chrono>
#include <string>
#include <string_view>

namespace pf::test {

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int master() const { return m_master; }
    int slave() const { return m_slave; }
    const std::string& slavePath() const { return m_slavePath; }

    // Closes the master: the slave side reads as a hung-up device.
    void hangUp();

  private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

// Writes all of `bytes` to `fd`.
void writeAll(int fd, std::string_view bytes);

// Reads from `fd` until `terminator` has been read (included) or `limit`
// passed; returns what was read.
std::string readUntil(int fd, char terminator, std::chrono::milliseconds limit = std::chrono::seconds(10));

// Reads exactly `count` bytes unless `limit` passes first.
std::string readExactly(int fd, std::size_t count,
                        std::chrono::milliseconds limit = std::chrono::seconds(10));

// Reads whatever arrives until the line has been quiet for `quiet`.
std::string readQuiet(int fd, std::chrono::milliseconds quiet = std::chrono::milliseconds(200));

} // namespace pf::test
