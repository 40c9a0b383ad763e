#pragma once
// Writes the lines of one reply, each ended by CR LF, and acts out the
// faults that concern reply lines.

#include "tools/cartsim/fault_plan.h"
#include "tools/cartsim/serial_line.h"

#include <string_view>

namespace cartsim {

class ReplyWriter {
  public:
    ReplyWriter(SerialLine& line, const FaultPlan& faults) : m_line(line), m_faults(faults) {}

    // Starts the reply to a command whose first word is `command`.
    void begin(std::string_view command);

    // A line that is not the final one.
    void line(std::string_view text);

    // The final line, with its reply code.
    void final(std::string_view code);

  private:
    void send(std::string_view text);

    SerialLine& m_line;
    const FaultPlan& m_faults;
    bool m_silentFinal = false;
};

} // namespace cartsim
