#include "tools/hdrgen/resource_walk.h"

#include <array>

namespace hdrgen {

std::vector<WalkedPart> walkResources(const ByteSource& source, const pf::EntryRecord& record) {
    std::vector<WalkedPart> parts;
    if (record.resourceOffset == pf::kNoResources ||
        static_cast<std::uint32_t>(record.resourceOffset) == record.size) {
        return parts;
    }
    std::uint64_t offset = pf::codeLength(record);
    std::array<std::uint8_t, pf::kResourceHeaderSize> bytes{};
    while (source.readAt(pf::kEntryHeaderSize + offset, bytes) == bytes.size()) {
        WalkedPart part{offset, 0, pf::decodeResourceHeader(bytes)};
        if (part.header && part.header->length != 0) {
            part.length = std::uint64_t{part.header->length} * pf::kResourceUnit;
        } else if (offset < record.size) {
            // A header that declares no length would never advance the walk;
            // like data without a header, it runs to the end of the entry.
            part.header.reset();
            part.length = record.size - offset;
        } else {
            break;
        }
        parts.push_back(part);
        offset += part.length;
    }
    return parts;
}

std::string resourceLabel(const pf::ResourceHeader& header) {
    std::string label = "VR";
    for (const char c : header.type) {
        if (c == '\0') {
            break;
        }
        label += c;
    }
    return label;
}

} // namespace hdrgen
