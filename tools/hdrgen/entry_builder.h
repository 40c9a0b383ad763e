#pragma once
// Builds a file entry from a config: header, code part, resources.

#include "tools/hdrgen/entry_config.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace hdrgen {

// The most data an entry can hold: its block count is a 16-bit field.
inline constexpr std::uint64_t kMaxEntryDataBytes = 65535ull * 128;

// The config of -f: the file is the code part, the entry is the file's
// path plus ".vx", the name and description are the path as typed, mode "wr".
EntryConfig plainFileConfig(const std::string& file);

// Builds the entry the config describes and reports on `out`. Returns the
// exit code: 1 when there would be no data, the output cannot be written,
// or an input changed while it was copied; nothing is left at the output
// path then. Inputs that cannot be opened are reported and count as empty.
int buildEntry(const EntryConfig& config, std::ostream& out);

} // namespace hdrgen
