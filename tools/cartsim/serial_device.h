#pragma once
// A real serial device opened for the simulator: raw, 8N1, no flow control,
// at the given speed; the device's settings are restored on destruction.

#include <string>
#include <termios.h>

namespace cartsim {

class SerialDevice {
  public:
    // Throws std::runtime_error naming the device and the reason.
    SerialDevice(const std::string& path, unsigned baud);
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    int fd() const { return m_fd; }

  private:
    int m_fd = -1;
    termios m_saved{};
};

// Puts a terminal into raw mode: 8 data bits, no parity, one stop bit,
// no echo, no flow control, no character translation.
void makeRaw(termios& t);

// The termios speed constant of a baud rate; throws std::invalid_argument
// for a rate the system does not know.
speed_t speedOf(unsigned baud);

} // namespace cartsim
