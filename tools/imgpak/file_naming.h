#pragma once
// The names imgpak derives from its file arguments. A "." counts as the
// start of an extension only in the last path component, so "./logo.bmp"
// writes "./logo.vr" and "v1.2/logo" reads "v1.2/logo.bmp".

#include "tools/imgpak/command_line.h"

#include <optional>
#include <string>

namespace imgpak {

// The longest path imgpak accepts for a bitmap, output or format file.
inline constexpr std::size_t kMaxPathLength = 255;

struct FileNames {
    std::string bitmap;    // the argument, ".bmp" appended when its name has no "."
    std::string output;    // the output argument, else the bitmap argument without
                           // its extension, then ".h", ".vx" or ".vr" when its name
                           // has no "."
    std::string entryName; // the bitmap's name, extension included (-e)
    std::string symbol;    // the bitmap's name without its extension (-c)
};

FileNames deriveFileNames(const std::string& bitmapArgument, const std::optional<std::string>& outputArgument,
                          OutputKind kind);

// The folder part of `path`, up to and including its last "/" or "\\";
// empty for a bare name.
std::string folderOf(const std::string& path);

// Throws ConvertError when `path` is longer than kMaxPathLength bytes.
void checkPathLength(const std::string& path);

} // namespace imgpak
