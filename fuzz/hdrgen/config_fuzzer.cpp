// The config reader on arbitrary bytes: it must end, stay within its
// limits and never read or write out of bounds.

#include "tools/hdrgen/entry_config.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const hdrgen::ConfigReading reading = hdrgen::readEntryConfig(in, "fuzz.cf");
    const hdrgen::EntryConfig& c = reading.config;
    const auto within = [](const std::string& value) { return value.size() <= hdrgen::kMaxValueBytes; };
    if (c.resources.size() > hdrgen::kMaxResourceFiles || !within(c.name) || !within(c.info) ||
        !within(c.source) || !within(c.output)) {
        std::abort();
    }
    return 0;
}
