#pragma once
// -i: the listing of an entry's header and resources.

#include "tools/hdrgen/byte_source.h"

#include <ostream>
#include <string>

namespace hdrgen {

// Lists the entry in `source`; `path` names it in messages. Returns the
// exit code: 1 when it is no entry.
int listEntry(const ByteSource& source, const std::string& path, std::ostream& out);

// Opens the file and lists it; 1 also when it cannot be opened.
int listEntryFile(const std::string& path, std::ostream& out);

} // namespace hdrgen
