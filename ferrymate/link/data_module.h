#pragma once

// TDM, the data module: the two XMODEM engines of the program. FileXModem
// carries get and put (its progress dialog is the file transfer dialog);
// OSXModem carries the operating-system upgrade and backup. The window
// installs their progress callbacks and wires the dialogs' Cancel buttons to
// RequestCancel.

#include "ferrymate/link/xmodem2.h"

namespace pf {

class TDM {
  public:
    TXModem2 FileXModem;
    TXModem2 OSXModem;
};

// The one instance, living for the whole program.
extern TDM DM;

} // namespace pf
