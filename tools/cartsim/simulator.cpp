#include "tools/cartsim/simulator.h"

#include "tools/cartsim/shell.h"
#include "tools/cartsim/state_file.h"

namespace cartsim {

Simulator::Simulator(int fd, Cartridge& cart, SimulatorConfig config)
    : m_fd(fd), m_cart(cart), m_config(std::move(config)) {}

void Simulator::report(const std::string& text) const {
    if (m_config.report) {
        m_config.report(text);
    }
}

void Simulator::save() {
    if (m_config.statePath.empty()) {
        return;
    }
    try {
        saveState(m_cart, m_config.statePath);
    } catch (const StateError& error) {
        report(error.what());
    }
}

bool Simulator::run(std::stop_token stop) {
    SerialLine line(m_fd, m_config.baud, std::move(stop));
    if (m_config.faults.silentAfterByte) {
        line.silenceAfter(*m_config.faults.silentAfterByte);
    }
    try {
        if (m_config.monitor) {
            Monitor monitor(line, *m_config.monitor, m_config.timing, m_config.faults.xmodem,
                            [this](const std::string& text) { report(text); });
            monitor.run();
        } else {
            Shell shell(line, m_cart, m_config.faults, m_config.timing, [this] { save(); });
            for (;;) {
                if (const auto byte = line.readByte(std::chrono::milliseconds(200))) {
                    shell.feed(*byte);
                }
            }
        }
    } catch (const LineCut& cut) {
        report(cut.what());
        return true;
    } catch (const LineClosed& closed) {
        if (!line.stopRequested()) {
            report(closed.what());
        }
    } catch (const std::runtime_error& error) {
        report(error.what());
    }
    return false;
}

} // namespace cartsim
