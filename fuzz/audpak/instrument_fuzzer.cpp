// Feeds arbitrary bytes to the instrument compiler with a listing attached:
// it must either fail with a ConvertError or return a length inside the
// result buffer, and never read or write out of bounds.

#include "tools/audpak/converter.h"
#include "tools/audpak/instrument_compiler.h"

#include "tests/audpak/string_listing.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto out = std::make_unique<audpak::ResultBuffer>();
    audpak::test::StringListing listing;
    try {
        const std::size_t length = audpak::compileInstruments(audpak::Source{text}, *out, &listing, 0);
        if (length < 32 || length > audpak::kResultCapacity) {
            std::abort();
        }
    } catch (const audpak::ConvertError&) {
    }
    return 0;
}
