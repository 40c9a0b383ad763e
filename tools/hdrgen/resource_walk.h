#pragma once
// The walk over an entry's resources that -i lists and -r splits.

#include "entry/entry_header.h"
#include "entry/resource_header.h"
#include "tools/hdrgen/byte_source.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hdrgen {

struct WalkedPart {
    std::uint64_t offset = 0; // from the first data byte
    std::uint64_t length = 0; // as declared; the file may end sooner
    // The resource header; empty for data without one ("(unknown)").
    std::optional<pf::ResourceHeader> header;
};

// Walks from the end of the code part: a resource header gives its length
// in 16-byte units; data without a header, or a header declaring length 0,
// runs up to the entry's size. The walk goes on past the size while
// resource headers follow, and stops where fewer than 8 bytes remain or
// data without a header starts at or beyond the size. Nothing is walked
// when the entry has no resources or they are empty. The record's resource
// offset must lie within the data (see readEntryRecord).
std::vector<WalkedPart> walkResources(const ByteSource& source, const pf::EntryRecord& record);

// "VR" and the type as text, cut at a zero byte, as the listing shows it.
std::string resourceLabel(const pf::ResourceHeader& header);

} // namespace hdrgen
