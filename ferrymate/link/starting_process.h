#pragma once

// The callback ExecuteCommand runs when a reply line announces a transfer
// ("125 STARTING" or "350 FURTHER INFO"); each such line runs it again.

namespace pf {

class StartingProcess {
  public:
    virtual ~StartingProcess() = default;
    virtual void Execute() = 0;
};

} // namespace pf
