#pragma once
// The simulated cartridge on one open line: the shell, or the monitor mode
// when one is chosen. Runs on the calling thread until a stop is requested
// or the line closes, so that tests can run it in a thread of their own.

#include "tools/cartsim/cartridge.h"
#include "tools/cartsim/fault_plan.h"
#include "tools/cartsim/monitor.h"

#include <functional>
#include <optional>
#include <stop_token>
#include <string>

namespace cartsim {

struct SimulatorConfig {
    unsigned baud = 0; // pace both directions at 10 bits per byte; 0: unpaced
    FaultPlan faults;
    XmodemTiming timing;
    std::string statePath; // saved after every change; empty: not saved
    std::optional<MonitorSettings> monitor;
    std::function<void(const std::string&)> report; // progress and failures, one line each
};

class Simulator {
  public:
    Simulator(int fd, Cartridge& cart, SimulatorConfig config);

    // Plays the cartridge until `stop` is requested or the line closes.
    // Returns true when the line was closed on purpose by a fault.
    bool run(std::stop_token stop);

  private:
    void save();
    void report(const std::string& text) const;

    int m_fd = -1;
    Cartridge& m_cart;
    SimulatorConfig m_config;
};

} // namespace cartsim
