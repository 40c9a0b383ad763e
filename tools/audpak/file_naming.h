#pragma once
// The names audpak derives from its command line: the source it reads, the
// resource or entry it writes, the entry's name and the listing's path.

#include "tools/audpak/command_line.h"

#include <cstddef>
#include <string>

namespace audpak {

inline constexpr std::size_t kMaxPathLength = 255;

struct FileNames {
    std::string source;
    std::string output;
    std::string entryName;
    std::string listing; // empty without -s
};

// Derives the names in this order: the source (default extension added
// when the argument has no "."), the base (the argument cut at its last
// "."), the output (the output argument or the base, ".vr" or ".vx" added
// when it has no "."), the entry name (the source's last component cut at
// its last ".") and the listing (the base, ".asm" added when it has no
// "."). A listing that would get the output's name (a source such as
// "my.song.mml") gets ".asm" appended, so that neither file overwrites the
// other. Throws ConvertError for a path longer than 255 characters.
FileNames deriveFileNames(const CommandLine& line);

} // namespace audpak
