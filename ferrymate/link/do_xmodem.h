#pragma once

// The transfer callbacks of get and put: each runs one XMODEM transfer with
// DM.FileXModem when the cartridge announces it.

#include "ferrymate/link/starting_process.h"

#include <filesystem>

namespace pf {

class TCommPort;

namespace cmd_get {

// Logs "(XMODEM RECEIVE)" and receives into the PC file.
class DoXModem final : public StartingProcess {
  public:
    DoXModem(TCommPort& port, std::filesystem::path file) : m_port(port), m_file(std::move(file)) {}
    void Execute() override;

  private:
    TCommPort& m_port;
    std::filesystem::path m_file;
};

} // namespace cmd_get

namespace cmd_put {

// Logs "(XMODEM SEND)" and sends the PC file.
class DoXModem final : public StartingProcess {
  public:
    DoXModem(TCommPort& port, std::filesystem::path file) : m_port(port), m_file(std::move(file)) {}
    void Execute() override;

  private:
    TCommPort& m_port;
    std::filesystem::path m_file;
};

} // namespace cmd_put

} // namespace pf
