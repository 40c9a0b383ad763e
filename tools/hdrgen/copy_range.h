#pragma once
// Copying a stretch of an input into an output file in 32768-byte pieces.

#include "entry/replacement_file.h"
#include "tools/hdrgen/byte_source.h"

#include <cstdint>

namespace hdrgen {

struct CopyOutcome {
    std::uint64_t copied = 0; // fewer than asked when the input ended first
    bool writeFailed = false;
};

CopyOutcome copyRange(const ByteSource& source, std::uint64_t offset, std::uint64_t length,
                      pf::ReplacementFile& output);

} // namespace hdrgen
