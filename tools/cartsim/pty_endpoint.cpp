#include "tools/cartsim/pty_endpoint.h"

#include "tools/cartsim/serial_device.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace cartsim {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + " (" + std::strerror(errno) + ")");
}

void setRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        fail("cannot read the pseudo-terminal's settings");
    }
    makeRaw(t);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        fail("cannot set the pseudo-terminal's settings");
    }
}

} // namespace

PtyEndpoint::PtyEndpoint() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) {
        fail("cannot open a pseudo-terminal");
    }
    try {
        if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            fail("cannot unlock the pseudo-terminal");
        }
        char name[256] = {};
        if (::ptsname_r(m_master, name, sizeof name) != 0) {
            fail("cannot name the pseudo-terminal");
        }
        m_slavePath = name;
        m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_slave < 0) {
            fail("cannot open " + m_slavePath);
        }
        setRaw(m_slave);
    } catch (...) {
        if (m_slave >= 0) {
            ::close(m_slave);
        }
        ::close(m_master);
        throw;
    }
}

PtyEndpoint::~PtyEndpoint() {
    if (!m_linkPath.empty()) {
        ::unlink(m_linkPath.c_str());
    }
    ::close(m_slave);
    ::close(m_master);
}

void PtyEndpoint::linkAt(const std::string& linkPath) {
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            errno = EEXIST;
            fail("will not replace " + linkPath + ", which is not a symbolic link");
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(m_slavePath.c_str(), linkPath.c_str()) != 0) {
        fail("cannot make the link " + linkPath);
    }
    m_linkPath = linkPath;
}

} // namespace cartsim
