#include "tools/hdrgen/entry_builder.h"

#include "entry/entry_header.h"
#include "entry/replacement_file.h"
#include "entry/resource_header.h"
#include "entry/time_stamp.h"
#include "tools/hdrgen/copy_range.h"
#include "tools/hdrgen/input_file.h"
#include "tools/hdrgen/message.h"

#include <vector>

namespace hdrgen {
namespace {

// One input of the entry, opened once when it is measured and copied from
// the same handle, so that what is copied is what was counted.
struct Part {
    std::string path;
    std::optional<InputFile> file; // empty: could not be opened
    std::uint64_t length = 0;      // bytes to copy
    std::uint64_t padded = 0;      // bytes it takes in the entry
};

struct Layout {
    std::optional<Part> code;
    std::vector<Part> resources;
    std::uint64_t codeLength = 0;
    std::uint64_t resourceLength = 0;
};

Part measure(const std::string& path, bool pad, std::ostream& out) {
    Part part{path, InputFile::openReported(path, out)};
    if (part.file) {
        part.length = part.file->size();
        part.padded = pad ? pf::padToUnit(part.length) : part.length;
    }
    return part;
}

// Measures every input; inputs that cannot be opened are reported and count 0.
Layout measureInputs(const EntryConfig& config, std::ostream& out) {
    Layout layout;
    const bool pad = !config.resources.empty();
    if (!config.source.empty()) {
        layout.code = measure(config.source, pad, out);
        layout.codeLength = layout.code->padded;
    }
    for (const std::string& path : config.resources) {
        layout.resources.push_back(measure(path, true, out));
        layout.resourceLength += layout.resources.back().padded;
    }
    return layout;
}

// Copies one measured part and its padding; false after reporting a failure.
bool copyPart(const Part& part, pf::ReplacementFile& output, const std::string& outputPath,
              std::ostream& out) {
    const CopyOutcome outcome = copyRange(*part.file, 0, part.length, output);
    if (outcome.writeFailed || !output.writeZeros(part.padded - outcome.copied)) {
        out << cannotWrite(outputPath);
        return false;
    }
    if (outcome.copied != part.length) {
        out << formatMessage("'%s' changed while it was copied; '%s' not written\r\n", part.path.c_str(),
                             outputPath.c_str());
        return false;
    }
    return true;
}

// Writes the data part. A resource that could not be opened when it was
// counted is tried once more, as its copy would be, and reported again if
// it still cannot be opened; it contributes nothing either way.
bool writeData(const Layout& layout, pf::ReplacementFile& output, const std::string& outputPath,
               std::ostream& out) {
    if (layout.codeLength != 0 && !copyPart(*layout.code, output, outputPath, out)) {
        return false;
    }
    for (const Part& part : layout.resources) {
        if (!part.file) {
            InputFile::openReported(part.path, out);
        } else if (!copyPart(part, output, outputPath, out)) {
            return false;
        }
    }
    return true;
}

} // namespace

EntryConfig plainFileConfig(const std::string& file) {
    EntryConfig config;
    config.name = file;
    config.info = file;
    config.mode = pf::kDefaultEntryMode;
    config.source = file;
    config.output = file + ".vx";
    return config;
}

int buildEntry(const EntryConfig& config, std::ostream& out) {
    const Layout layout = measureInputs(config, out);
    const std::uint64_t total = layout.codeLength + layout.resourceLength;
    if (total == 0) {
        return 1;
    }
    if (total > kMaxEntryDataBytes) {
        out << formatMessage("'%s' would hold %llu data bytes, more than an entry can (%llu)\r\n",
                             config.output.c_str(), static_cast<unsigned long long>(total),
                             static_cast<unsigned long long>(kMaxEntryDataBytes));
        return 1;
    }
    const std::int32_t resourceOffset =
        layout.resourceLength != 0 ? static_cast<std::int32_t>(layout.codeLength) : pf::kNoResources;
    const auto record = pf::makeEntryRecord(config.name, config.info, config.mode, config.appid,
                                            static_cast<std::uint32_t>(total), resourceOffset,
                                            pf::encodeTimeStamp(pf::entryStampTime()));

    pf::ReplacementFile output(config.output);
    if (!output.open()) {
        out << cannotOpen(config.output);
        return 1;
    }
    if (!output.write(pf::encodeEntryHeader(record))) {
        out << cannotWrite(config.output);
        return 1;
    }
    if (!writeData(layout, output, config.output, out)) {
        return 1;
    }
    const std::uint64_t written = output.written();
    if (!output.commit()) {
        out << cannotWrite(config.output);
        return 1;
    }
    out << formatMessage("hdrgen: %s %lu bytes (%d blocks)\r\n", config.output.c_str(),
                         static_cast<unsigned long>(written), record.blocks + 1);
    return 0;
}

} // namespace hdrgen
