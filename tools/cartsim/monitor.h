#pragma once
// The cartridge's monitor mode: no shell, only bare XMODEM transfers of the
// operating-system image. "Recv System" takes an image into a file on the
// host, "Send System" sends one; both serve one transfer after another
// until the simulator stops.

#include "tools/cartsim/serial_line.h"
#include "tools/cartsim/xmodem_bytes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cartsim {

enum class MonitorMode { RecvSystem, SendSystem };

// The largest image "Recv System" takes.
inline constexpr std::size_t kDefaultImageLimit = 4u << 20;

struct MonitorSettings {
    MonitorMode mode = MonitorMode::RecvSystem;
    std::string file;
    std::size_t limit = kDefaultImageLimit;
};

class Monitor {
  public:
    // "Send System" reads its image here; throws std::runtime_error naming
    // the file when it cannot be read. `report` receives one line per
    // finished or failed transfer.
    Monitor(SerialLine& line, const MonitorSettings& settings, const XmodemTiming& timing,
            const XmodemFaults& faults, std::function<void(const std::string&)> report);

    // Serves transfers until the line closes (LineClosed passes on).
    [[noreturn]] void run();

  private:
    void receiveImage();
    void sendImage();

    SerialLine& m_line;
    MonitorSettings m_settings;
    XmodemTiming m_timing;
    XmodemFaults m_faults;
    std::function<void(const std::string&)> m_report;
    std::vector<std::uint8_t> m_image;
};

// Reads the image "Send System" sends; throws std::runtime_error naming the
// file when it cannot be read.
std::vector<std::uint8_t> readImage(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it into
// place; throws std::runtime_error naming the file and the reason.
void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace cartsim
