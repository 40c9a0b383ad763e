// Feeds arbitrary scores to the MML compiler. The first byte chooses the
// mode: below 0x80 music, else a set of 1-8 sound effects. A compile must
// either fail with a ConvertError or return a length inside the result
// buffer, with the same bytes whether a listing is written or not.

#include "tools/audpak/converter.h"
#include "tools/audpak/mml/mml_compiler.h"

#include "tests/audpak/string_listing.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int soundEffects = data[0] < 0x80 ? 0 : (data[0] & 7) + 1;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    auto listed = std::make_unique<audpak::ResultBuffer>();
    auto plain = std::make_unique<audpak::ResultBuffer>();
    audpak::test::StringListing listing;
    std::size_t listedLength = 0;
    try {
        listedLength = audpak::compileMml(audpak::Source{text}, *listed, &listing, soundEffects);
    } catch (const audpak::ConvertError&) {
        listedLength = 0;
    }
    std::size_t plainLength = 0;
    try {
        plainLength = audpak::compileMml(audpak::Source{text}, *plain, nullptr, soundEffects);
    } catch (const audpak::ConvertError&) {
        // A listing adds one check (the tempo field's width), so only a
        // listed compile may fail where the plain one succeeds.
        if (listedLength != 0) {
            std::abort();
        }
        return 0;
    }
    if (plainLength < 10 || plainLength > audpak::kResultCapacity) {
        std::abort();
    }
    if (listedLength != 0 &&
        (listedLength != plainLength || std::memcmp(listed->data(), plain->data(), plainLength) != 0)) {
        std::abort();
    }
    return 0;
}
