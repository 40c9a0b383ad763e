#pragma once
// -r: splits an entry into its code file and one file per resource.

#include "tools/hdrgen/byte_source.h"

#include <ostream>
#include <string>

namespace hdrgen {

// Splits the entry in `source`, naming the files after `path`. A file that
// cannot be created is reported and skipped. Returns the exit code: 1 when
// it is no entry, a file could not be written whole, or the entry is
// truncated.
int splitEntry(const ByteSource& source, const std::string& path, std::ostream& out);

// Opens the file and splits it; 1 also when it cannot be opened.
int splitEntryFile(const std::string& path, std::ostream& out);

} // namespace hdrgen
