#pragma once
// Saving and loading the cartridge's files and clock, so that a later run
// of the simulator finds what an earlier one stored.
//
// Format: the line "cartsim state 1", the line "clock <offset seconds>",
// then per area the line "area <word> <garbage blocks> <entries>" and per
// entry the line "entry <bytes>" followed by exactly that many bytes.

#include "tools/cartsim/cartridge.h"

#include <istream>
#include <stdexcept>
#include <string>

namespace cartsim {

class StateError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the state to a temporary file beside `path` and renames it into
// place, so that an earlier good state is never half overwritten.
void saveState(const Cartridge& cart, const std::string& path);

// Loads `path` into an empty cartridge; throws StateError naming the file
// and the fault when it is unreadable, malformed or does not fit.
void loadState(Cartridge& cart, const std::string& path);

// The same from an open stream; `name` stands for the file in messages.
void loadState(Cartridge& cart, std::istream& in, const std::string& name);

} // namespace cartsim
