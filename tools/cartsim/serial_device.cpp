#include "tools/cartsim/serial_device.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace cartsim {

void makeRaw(termios& t) {
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

speed_t speedOf(unsigned baud) {
    struct Rate {
        unsigned baud;
        speed_t speed;
    };
    static constexpr Rate rates[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},   {9600, B9600},
                                     {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}};
    for (const auto& r : rates) {
        if (r.baud == baud) {
            return r.speed;
        }
    }
    throw std::invalid_argument("unsupported baud rate " + std::to_string(baud));
}

SerialDevice::SerialDevice(const std::string& path, unsigned baud) {
    const speed_t speed = speedOf(baud);
    m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        throw std::runtime_error("cannot open " + path + " (" + std::strerror(errno) + ")");
    }
    termios t{};
    if (::tcgetattr(m_fd, &t) != 0) {
        const std::string reason = std::strerror(errno);
        ::close(m_fd);
        throw std::runtime_error(path + " is not a serial device (" + reason + ")");
    }
    m_saved = t;
    makeRaw(t);
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);
    if (::tcsetattr(m_fd, TCSANOW, &t) != 0) {
        const std::string reason = std::strerror(errno);
        ::close(m_fd);
        throw std::runtime_error("cannot set up " + path + " (" + reason + ")");
    }
    ::tcflush(m_fd, TCIOFLUSH);
}

SerialDevice::~SerialDevice() {
    ::tcsetattr(m_fd, TCSANOW, &m_saved);
    ::close(m_fd);
}

} // namespace cartsim
