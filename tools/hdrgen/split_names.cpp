#include "tools/hdrgen/split_names.h"

#include "entry/file_names.h"

namespace hdrgen {
namespace {

// A type byte as it may stand in a file name: no folder separators, no
// control bytes.
char nameSafe(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 || u == 0x7F || c == '/' || c == '\\') ? '_' : c;
}

} // namespace

std::string splitOutputPath(std::string_view path, std::string_view suffix) {
    const auto slash = path.rfind('/');
    const std::size_t nameAt = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(path.substr(0, nameAt)) + pf::replaceExtension(path.substr(nameAt), suffix);
}

SplitNames::SplitNames(std::string entryPath) : m_entryPath(std::move(entryPath)) {
    m_taken.insert(m_entryPath);
}

std::string SplitNames::code() {
    return unique("", ".bin");
}

std::string SplitNames::resource(const pf::ResourceHeader& header) {
    std::string stem = "_";
    stem += nameSafe(header.type[0]);
    stem += nameSafe(header.type[1]);
    stem += std::to_string(header.id);
    return unique(stem, ".vr");
}

std::string SplitNames::unknown() {
    return unique("", ".vr");
}

std::string SplitNames::unique(const std::string& stem, std::string_view extension) {
    std::string name = splitOutputPath(m_entryPath, stem + std::string(extension));
    for (int n = 2; m_taken.contains(name); ++n) {
        name = splitOutputPath(m_entryPath, stem + "-" + std::to_string(n) + std::string(extension));
    }
    m_taken.insert(name);
    return name;
}

} // namespace hdrgen
