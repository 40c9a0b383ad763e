#include "tools/audpak/file_naming.h"

#include "tools/audpak/converter.h"

#include "entry/file_names.h"

#include <filesystem>

namespace audpak {

namespace {

void checkLength(const std::string& path) {
    if (path.size() > kMaxPathLength) {
        throw ConvertError("path too long '" + path + "'\r\n");
    }
}

bool samePath(const std::string& a, const std::string& b) {
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

} // namespace

FileNames deriveFileNames(const CommandLine& line) {
    FileNames names;
    names.source = pf::withDefaultExtension(line.source, defaultExtension(line.kind));
    const std::string base = pf::cutAtLastDot(line.source);
    names.output = pf::withDefaultExtension(line.output.value_or(base), line.entry ? ".vx" : ".vr");
    names.entryName = pf::cutAtLastDot(pf::lastPathComponent(names.source));
    if (line.listing) {
        names.listing = pf::withDefaultExtension(base, ".asm");
        if (samePath(names.listing, names.output)) {
            names.listing += ".asm";
        }
    }
    for (const std::string* path : {&names.source, &names.output, &names.listing}) {
        checkLength(*path);
    }
    return names;
}

} // namespace audpak
