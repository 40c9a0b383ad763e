// cartsim: a stand-in Pocketforge cartridge on a pseudo-terminal or a
// serial device.

#include "tools/cartsim/cart_seed.h"
#include "tools/cartsim/help_text.h"
#include "tools/cartsim/program_options.h"
#include "tools/cartsim/pty_endpoint.h"
#include "tools/cartsim/serial_device.h"
#include "tools/cartsim/simulator.h"
#include "tools/cartsim/state_file.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <pthread.h>
#include <thread>

namespace {

using namespace cartsim;

void report(const std::string& text) {
    std::cerr << "cartsim: " << text << std::endl;
}

Cartridge loadCartridge(const ProgramOptions& options) {
    Cartridge cart(options.rom0Blocks, options.ram0Blocks);
    if (!options.statePath.empty() && std::filesystem::exists(options.statePath)) {
        loadState(cart, options.statePath);
    }
    for (const std::string& folder : options.seedRom0) {
        seedArea(cart.rom0(), folder);
    }
    for (const std::string& folder : options.seedRam0) {
        seedArea(cart.ram0(), folder);
    }
    if (!options.statePath.empty()) {
        saveState(cart, options.statePath);
    }
    return cart;
}

SimulatorConfig simulatorConfig(const ProgramOptions& options) {
    SimulatorConfig config;
    config.baud = options.devicePath.empty() ? options.baud.value_or(0) : 0;
    config.faults = options.faults;
    config.statePath = options.statePath;
    config.monitor = options.monitor;
    config.report = report;
    return config;
}

// Blocks the stop signals in every thread and returns their set; the main
// thread then waits for one of them.
sigset_t blockStopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) {
        sigaddset(&set, signal);
    }
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return set;
}

int play(const ProgramOptions& options) {
    const sigset_t stopSignals = blockStopSignals();
    if (options.monitor && options.monitor->mode == MonitorMode::SendSystem) {
        readImage(options.monitor->file); // refuse a missing image before the line opens
    }
    Cartridge cart = loadCartridge(options);
    std::unique_ptr<PtyEndpoint> pty;
    std::unique_ptr<SerialDevice> device;
    int fd = -1;
    if (options.devicePath.empty()) {
        pty = std::make_unique<PtyEndpoint>();
        fd = pty->masterFd();
    } else {
        device = std::make_unique<SerialDevice>(options.devicePath, options.baud.value_or(38400));
        fd = device->fd();
    }
    Simulator simulator(fd, cart, simulatorConfig(options));
    const pthread_t mainThread = pthread_self();
    std::jthread player([&](std::stop_token stop) {
        simulator.run(stop);
        if (!stop.stop_requested()) {
            pthread_kill(mainThread, SIGUSR1); // the line is gone: end the program
        }
    });
    if (pty && !options.linkPath.empty()) {
        pty->linkAt(options.linkPath);
    }
    std::cout << (pty ? pty->slavePath() : options.devicePath) << std::endl; // the cartridge is ready
    int signal = 0;
    sigwait(&stopSignals, &signal);
    player.request_stop();
    player.join();
    if (!options.statePath.empty()) {
        saveState(cart, options.statePath);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const ProgramOptions options = parseProgramOptions(argc, argv);
        if (options.help) {
            std::cout << kHelpText;
            return 0;
        }
        if (options.version) {
            std::cout << "cartsim " CARTSIM_VERSION "\n";
            return 0;
        }
        return play(options);
    } catch (const UsageError& error) {
        std::cerr << "cartsim: " << error.what() << "\nTry \"cartsim --help\" for the options.\n";
        return 1;
    } catch (const std::exception& error) {
        report(error.what());
        return 1;
    }
}
