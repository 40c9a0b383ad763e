// The entry reader with the resource walk of -i and -r on arbitrary bytes:
// the listing must end, every walked part must move forward, and the names
// -r would write must stay beside the entry.

#include "tools/hdrgen/entry_lister.h"
#include "tools/hdrgen/entry_record_reader.h"
#include "tools/hdrgen/resource_walk.h"
#include "tools/hdrgen/split_names.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const hdrgen::MemorySource source(std::span(data, size));
    std::ostringstream out;
    hdrgen::listEntry(source, "fuzz.vx", out);

    const auto record = hdrgen::readEntryRecord(source, "fuzz.vx", out);
    if (!record) {
        return 0;
    }
    hdrgen::SplitNames names("dir/fuzz.vx");
    std::uint64_t previousEnd = pf::codeLength(*record);
    for (const hdrgen::WalkedPart& part : hdrgen::walkResources(source, *record)) {
        if (part.length == 0 || part.offset != previousEnd || part.offset + 128 >= size) {
            std::abort();
        }
        previousEnd = part.offset + part.length;
        const std::string name = part.header ? names.resource(*part.header) : names.unknown();
        if (name.rfind("dir/fuzz", 0) != 0 || name.find('/', 4) != std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
