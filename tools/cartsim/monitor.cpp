#include "tools/cartsim/monitor.h"

#include "tools/cartsim/xmodem_receiver.h"
#include "tools/cartsim/xmodem_sender.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace cartsim {

void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot write " + temporary + " (" + std::strerror(errno) + ")");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot replace " + path + " (" + reason + ")");
    }
}

std::vector<std::uint8_t> readImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path + " (" + std::strerror(errno) + ")");
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Monitor::Monitor(SerialLine& line, const MonitorSettings& settings, const XmodemTiming& timing,
                 const XmodemFaults& faults, std::function<void(const std::string&)> report)
    : m_line(line), m_settings(settings), m_timing(timing), m_faults(faults), m_report(std::move(report)) {
    // The monitor waits for a PC as long as it runs.
    m_timing.startTries = std::numeric_limits<unsigned>::max();
    m_timing.senderStart = std::chrono::hours(24 * 365);
    if (m_settings.mode == MonitorMode::SendSystem) {
        m_image = readImage(m_settings.file);
    }
}

[[noreturn]] void Monitor::run() {
    for (;;) {
        if (m_settings.mode == MonitorMode::RecvSystem) {
            receiveImage();
        } else {
            sendImage();
        }
    }
}

void Monitor::receiveImage() {
    XmodemReceiver receiver(m_line, m_timing, m_faults, m_settings.limit);
    std::vector<std::uint8_t> image;
    if (receiver.receive(image) != TransferEnd::Done) {
        m_report("Recv System: transfer aborted");
        return;
    }
    try {
        replaceFile(m_settings.file, image);
        m_report("Recv System: " + std::to_string(image.size()) + " bytes written to " + m_settings.file);
    } catch (const std::runtime_error& error) {
        m_report(std::string("Recv System: ") + error.what());
    }
}

void Monitor::sendImage() {
    XmodemSender sender(m_line, m_timing, m_faults);
    const bool done = sender.send(m_image) == TransferEnd::Done;
    m_report(done ? "Send System: " + std::to_string(m_image.size()) + " bytes sent"
                  : std::string("Send System: transfer aborted"));
}

} // namespace cartsim
