#include "tools/hdrgen/entry_record_reader.h"

#include "tools/hdrgen/message.h"

#include <array>

namespace hdrgen {

std::optional<pf::EntryRecord> readEntryRecord(const ByteSource& source, const std::string& path,
                                               std::ostream& out) {
    std::array<std::uint8_t, pf::kEntryHeaderSize> header{};
    const std::size_t got = source.readAt(0, header);
    const auto record = pf::decodeEntryHeader(std::span(header).first(got));
    if (!record) {
        out << "header not found\r\n";
        return std::nullopt;
    }
    const bool offsetInside =
        record->resourceOffset == pf::kNoResources ||
        (record->resourceOffset >= 0 && static_cast<std::uint32_t>(record->resourceOffset) <= record->size);
    if (!offsetInside) {
        out << formatMessage("'%s': resources said to start at %ld, outside the %lu data bytes\r\n",
                             path.c_str(), static_cast<long>(record->resourceOffset),
                             static_cast<unsigned long>(record->size));
        return std::nullopt;
    }
    return record;
}

bool reportTruncation(const ByteSource& source, const pf::EntryRecord& record, const std::string& path,
                      std::ostream& out) {
    const std::uint64_t length = source.size();
    const std::uint64_t present = length > pf::kEntryHeaderSize ? length - pf::kEntryHeaderSize : 0;
    if (present >= record.size) {
        return false;
    }
    out << formatMessage("'%s' is truncated: %llu of %lu data bytes present\r\n", path.c_str(),
                         static_cast<unsigned long long>(present), static_cast<unsigned long>(record.size));
    return true;
}

} // namespace hdrgen
