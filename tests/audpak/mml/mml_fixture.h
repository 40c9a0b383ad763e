#pragma once
// Compiling a score in memory: the resource's bytes, its events and its
// listing, for the MML compiler's tests.

#include "string_listing.h"

#include "tools/audpak/mml/mml_compiler.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace audpak::test {

using Bytes = std::vector<std::uint8_t>;

struct Compiled {
    Bytes resource; // from byte 0 to the returned length
    std::string listing;
};

inline Compiled compileScore(const std::string& text, int soundEffects = 0) {
    auto out = std::make_unique<ResultBuffer>();
    StringListing listing;
    const std::size_t length = compileMml(Source{text}, *out, &listing, soundEffects);
    return {Bytes(out->data(), out->data() + length), listing.text()};
}

// The music events, after the 24-byte header.
inline Bytes musicEvents(const std::string& text) {
    const Bytes resource = compileScore(text).resource;
    return Bytes(resource.begin() + 24, resource.end());
}

inline unsigned word(const Bytes& bytes, std::size_t at) {
    return bytes.at(at) | (bytes.at(at + 1) << 8);
}

// The message a failed compile gives; empty when it succeeds.
inline std::string compileError(const std::string& text, int soundEffects = 0) {
    try {
        compileScore(text, soundEffects);
    } catch (const ConvertError& error) {
        return error.what();
    }
    return {};
}

} // namespace audpak::test
