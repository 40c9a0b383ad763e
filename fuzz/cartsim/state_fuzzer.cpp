// Loads arbitrary bytes as a state file: it must load or be refused with
// StateError, never read out of bounds or store an entry that does not fit.

#include "tools/cartsim/state_file.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    cartsim::Cartridge cart(64, 16);
    try {
        cartsim::loadState(cart, in, "fuzz");
    } catch (const cartsim::StateError&) {
        return 0;
    }
    if (cart.rom0().usedBlocks() > 64 + cart.rom0().garbageBlocks()) {
        std::abort();
    }
    return 0;
}
