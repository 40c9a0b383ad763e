#pragma once

// ExecuteCommand: the one way to talk to the cartridge's shell.

#include <string>
#include <string_view>
#include <vector>

namespace pf {

class StartingProcess;
class TCommPort;

// Reply lines in arrival order, the final one included.
using ReplyList = std::vector<std::string>;

// Clears DM.FileXModem's cancel flag, purges the port, sends `command` (logged
// in red) and reads reply lines until a final one. Every line goes to
// `replies` when given; other lines are logged in blue, and "125 STARTING" /
// "350 FURTHER INFO" run `starting` when given.
//
// Returns on "200 OK", "501 SYNTAX ERR" and "426 TRANSFER ABORTED" (logged in
// blue). Raises CmdNotImplementedException on 504 and CmdLocalErrorException
// on 451 (line not logged); CmdNotAvailableException on 450 and
// CmdFileSystemException on 452 (logging "(CANCELED)", "(ABORTED)" and the
// line). When the transfer raises an XMODEM error (XUserBreak, XFileOpenError,
// XRetryOver, XCANReceived), the rest of the reply is read without logging:
// "426 TRANSFER ABORTED" passes the transfer's exception on (after the same
// three log lines), any other final line is handled as above. Timeouts
// (CommXModemTimeout included), aborts and a refused command line
// (CmdArgumentException, nothing sent) reach the caller at once.
void ExecuteCommand(TCommPort& port, std::string_view command, ReplyList* replies = nullptr,
                    StartingProcess* starting = nullptr);

} // namespace pf
