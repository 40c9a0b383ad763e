#include "ferrymate/link/do_xmodem.h"

#include "ferrymate/link/data_module.h"
#include "ferrymate/link/log_sink.h"

namespace pf {

void cmd_get::DoXModem::Execute() {
    AppendLog("(XMODEM RECEIVE)", clLogMarker);
    DM.FileXModem.recv(m_port, m_file);
}

void cmd_put::DoXModem::Execute() {
    AppendLog("(XMODEM SEND)", clLogMarker);
    DM.FileXModem.send(m_port, m_file);
}

} // namespace pf
