// Feeds arbitrary bytes from the line to the shell of a cartridge holding a
// few entries. The line is /dev/null: replies go nowhere, and a transfer
// that starts finds the line closed at its first read.

#include "tools/cartsim/cart_entry.h"
#include "tools/cartsim/shell.h"

#include "entry/entry_header.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

std::vector<std::uint8_t> entry(const char* name, std::size_t size) {
    const auto header = pf::encodeEntryHeader(pf::makeEntryRecord(name, "info", 6, 0, size, -1, 0));
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(bytes.size() + size, 0x55);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int line = ::open("/dev/null", O_RDWR);
    cartsim::Cartridge cart(64, 16);
    cart.rom0().store(*cartsim::CartEntry::fromBytes(entry("game", 300)));
    cart.ram0().store(*cartsim::CartEntry::fromBytes(entry("save", 0)));
    cartsim::SerialLine serial(line, 0, {});
    cartsim::FaultPlan faults;
    cartsim::Shell shell(serial, cart, faults, cartsim::XmodemTiming{}, nullptr);
    for (std::size_t i = 0; i < size; ++i) {
        try {
            shell.feed(data[i]);
        } catch (const cartsim::LineClosed&) {
            // a transfer met the closed line; the shell takes the next byte
        }
    }
    return 0;
}
