#pragma once
// The four kinds of source audpak converts, with the default extension of
// the source and the default resource type of each.

#include <array>
#include <string_view>

namespace audpak {

enum class SourceKind { Music, SoundEffects, Instruments, Wave };

// ".mml", ".prg" or ".wav".
std::string_view defaultExtension(SourceKind kind);

// "MD", "SE", "SI" or "VO".
std::array<char, 2> defaultType(SourceKind kind);

} // namespace audpak
