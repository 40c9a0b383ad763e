#include "tools/hdrgen/entry_lister.h"

#include "entry/time_stamp.h"
#include "tools/hdrgen/entry_record_reader.h"
#include "tools/hdrgen/input_file.h"
#include "tools/hdrgen/message.h"
#include "tools/hdrgen/resource_walk.h"

namespace hdrgen {
namespace {

void listHeader(const pf::EntryRecord& r, std::ostream& out) {
    out << formatMessage("name: %s\r\ninfo: %s\r\nmode: %s\r\nsize: %lu bytes (%d blocks)\r\n",
                         pf::recordName(r).c_str(), pf::recordInfo(r).c_str(),
                         pf::modeLetterString(r.mode).c_str(),
                         static_cast<unsigned long>(r.size) + pf::kEntryHeaderSize, r.blocks + 1);
    const auto d = pf::decodeTimeStamp(r.date);
    out << formatMessage("date: %02d/%02d/%02d  %02d:%02d:%02d\r\n", d.year, d.month, d.day, d.hour, d.minute,
                         d.second);
}

void listPart(const WalkedPart& part, std::ostream& out) {
    const auto offset = static_cast<unsigned long>(part.offset);
    const auto length = static_cast<long>(part.length);
    if (part.header) {
        out << formatMessage("%06lX %6ld  %-4s #%d\r\n", offset, length, resourceLabel(*part.header).c_str(),
                             part.header->id);
    } else {
        out << formatMessage("%06lX %6ld  (unknown)\r\n", offset, length);
    }
}

} // namespace

int listEntry(const ByteSource& source, const std::string& path, std::ostream& out) {
    const auto record = readEntryRecord(source, path, out);
    if (!record) {
        return 1;
    }
    listHeader(*record, out);
    if (record->resourceOffset != pf::kNoResources) {
        out << "\r\noffset  bytes  type #id\r\n------ ------  --------\r\n";
        if (pf::codeLength(*record) != 0) {
            out << formatMessage("%06lX %6ld  <code>\r\n", 0ul, static_cast<long>(pf::codeLength(*record)));
        }
    }
    for (const WalkedPart& part : walkResources(source, *record)) {
        listPart(part, out);
    }
    reportTruncation(source, *record, path, out);
    return 0;
}

int listEntryFile(const std::string& path, std::ostream& out) {
    const auto file = InputFile::openReported(path, out);
    return file ? listEntry(*file, path, out) : 1;
}

} // namespace hdrgen
