#pragma once
// Reading an entry's header for -i and -r, with the messages for a file
// that cannot be read as an entry.

#include "entry/entry_header.h"
#include "tools/hdrgen/byte_source.h"

#include <optional>
#include <ostream>
#include <string>

namespace hdrgen {

// The record of the entry in `source`; nullopt after printing
// "header not found" (fewer than 128 bytes, another magic) or a message
// naming `path` when the resource offset lies outside the data.
std::optional<pf::EntryRecord> readEntryRecord(const ByteSource& source, const std::string& path,
                                               std::ostream& out);

// Prints the note for a file shorter than its header says; true if it is.
bool reportTruncation(const ByteSource& source, const pf::EntryRecord& record, const std::string& path,
                      std::ostream& out);

} // namespace hdrgen
