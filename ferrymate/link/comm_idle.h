#pragma once

// The port's idle hook: called before every read attempt. The connection
// installs one that pumps the window's message queue; the port does not own
// it.

namespace pf {

class CommIdle {
  public:
    virtual ~CommIdle() = default;
    virtual void Idle() = 0;
};

} // namespace pf
