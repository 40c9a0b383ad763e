// Feeds arbitrary bytes to the wave converter: it must either fail with a
// ConvertError or return a resource that holds exactly the samples it
// announces, and never read or write out of bounds.

#include "tools/audpak/converter.h"
#include "tools/audpak/wave_converter.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto out = std::make_unique<audpak::ResultBuffer>();
    try {
        const std::size_t length = audpak::convertWave(audpak::Source{bytes}, *out, nullptr, 0);
        if (length < 16 || length > audpak::kResultCapacity || out->get16(8) != length - 16) {
            std::abort();
        }
    } catch (const audpak::ConvertError&) {
    }
    return 0;
}
