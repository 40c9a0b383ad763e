#include "tools/audpak/source_kind.h"

namespace audpak {

namespace {

struct KindDefaults {
    std::string_view extension;
    std::array<char, 2> type;
};

KindDefaults defaultsOf(SourceKind kind) {
    switch (kind) {
    case SourceKind::Music:
        return {".mml", {'M', 'D'}};
    case SourceKind::SoundEffects:
        return {".mml", {'S', 'E'}};
    case SourceKind::Instruments:
        return {".prg", {'S', 'I'}};
    case SourceKind::Wave:
        break;
    }
    return {".wav", {'V', 'O'}};
}

} // namespace

std::string_view defaultExtension(SourceKind kind) {
    return defaultsOf(kind).extension;
}

std::array<char, 2> defaultType(SourceKind kind) {
    return defaultsOf(kind).type;
}

} // namespace audpak
