#include "tools/imgpak/file_naming.h"

#include "entry/file_names.h"
#include "tools/imgpak/convert_error.h"

namespace imgpak {
namespace {

std::string withDefaultExtensionInName(const std::string& path, std::string_view extension) {
    return folderOf(path) + pf::withDefaultExtension(pf::lastPathComponent(path), extension);
}

std::string cutExtensionInName(const std::string& path) {
    return folderOf(path) + pf::cutAtLastDot(pf::lastPathComponent(path));
}

std::string_view outputExtension(OutputKind kind) {
    switch (kind) {
    case OutputKind::CHeader:
        return ".h";
    case OutputKind::Entry:
        return ".vx";
    case OutputKind::Resource:
        break;
    }
    return ".vr";
}

} // namespace

std::string folderOf(const std::string& path) {
    return path.substr(0, path.size() - pf::lastPathComponent(path).size());
}

FileNames deriveFileNames(const std::string& bitmapArgument, const std::optional<std::string>& outputArgument,
                          OutputKind kind) {
    FileNames names;
    names.bitmap = withDefaultExtensionInName(bitmapArgument, ".bmp");
    const std::string output = outputArgument.value_or(cutExtensionInName(bitmapArgument));
    names.output = withDefaultExtensionInName(output, outputExtension(kind));
    names.entryName = pf::lastPathComponent(names.bitmap);
    names.symbol = pf::cutAtLastDot(names.entryName);
    return names;
}

void checkPathLength(const std::string& path) {
    if (path.size() > kMaxPathLength) {
        fail("%s: the path is longer than 255 characters\r\n", path.c_str());
    }
}

} // namespace imgpak
