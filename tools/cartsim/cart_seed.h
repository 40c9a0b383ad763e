#pragma once
// Seeding an area from a folder of entries: every regular file whose name
// ends in ".vx", in the order of their file names.

#include "tools/cartsim/cart_area.h"

#include <stdexcept>
#include <string>

namespace cartsim {

class SeedError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Stores each entry of `folder` into `area`. An entry whose name the area
// already holds (for example from a saved state) is skipped. Throws
// SeedError naming the file for an unreadable folder or file, a file that
// is no entry, or an area too small. Returns the number of entries stored.
std::size_t seedArea(CartArea& area, const std::string& folder);

} // namespace cartsim
