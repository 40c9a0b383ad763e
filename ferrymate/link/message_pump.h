#pragma once

// The message-pump seam. Every wait of the link pumps the window's event
// queue through this one function so that dialogs repaint and their Cancel
// buttons work: the window installs QCoreApplication::processEvents, a test
// its own function (which is also where a test presses Cancel at an exact
// moment).

#include <functional>

namespace pf {

using MessagePump = std::function<void()>;

// Installs `pump`; an empty function makes PumpMessages do nothing.
void SetMessagePump(MessagePump pump);

// Runs the installed pump once.
void PumpMessages();

} // namespace pf
