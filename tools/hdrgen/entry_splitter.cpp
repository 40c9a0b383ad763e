#include "tools/hdrgen/entry_splitter.h"

#include "entry/entry_header.h"
#include "entry/replacement_file.h"
#include "tools/hdrgen/copy_range.h"
#include "tools/hdrgen/entry_record_reader.h"
#include "tools/hdrgen/input_file.h"
#include "tools/hdrgen/message.h"
#include "tools/hdrgen/resource_walk.h"
#include "tools/hdrgen/split_names.h"

namespace hdrgen {
namespace {

// Copies up to `length` bytes from `offset` (fewer where the source ends)
// into a new file. Returns false only when a created file could not be
// written whole.
bool writePart(const ByteSource& source, std::uint64_t offset, std::uint64_t length, const std::string& name,
               std::ostream& out) {
    pf::ReplacementFile file(name);
    if (!file.open()) {
        out << cannotOpen(name);
        return true;
    }
    if (copyRange(source, offset, length, file).writeFailed) {
        out << cannotWrite(name);
        return false;
    }
    const std::uint64_t written = file.written();
    if (!file.commit()) {
        out << cannotWrite(name);
        return false;
    }
    out << formatMessage("write: %s (%ld bytes)\r\n", name.c_str(), static_cast<long>(written));
    return true;
}

} // namespace

int splitEntry(const ByteSource& source, const std::string& path, std::ostream& out) {
    const auto record = readEntryRecord(source, path, out);
    if (!record) {
        return 1;
    }
    SplitNames names(path);
    bool whole = true;
    if (const std::uint32_t code = pf::codeLength(*record); code != 0) {
        whole = writePart(source, pf::kEntryHeaderSize, code, names.code(), out) && whole;
    }
    for (const WalkedPart& part : walkResources(source, *record)) {
        const std::string name = part.header ? names.resource(*part.header) : names.unknown();
        whole = writePart(source, pf::kEntryHeaderSize + part.offset, part.length, name, out) && whole;
    }
    const bool truncated = reportTruncation(source, *record, path, out);
    return whole && !truncated ? 0 : 1;
}

int splitEntryFile(const std::string& path, std::ostream& out) {
    const auto file = InputFile::openReported(path, out);
    return file ? splitEntry(*file, path, out) : 1;
}

} // namespace hdrgen
