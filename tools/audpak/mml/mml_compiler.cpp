#include "tools/audpak/mml/mml_compiler.h"

#include "tools/audpak/mml/score_compiler.h"

namespace audpak {

std::size_t compileMml(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects) {
    return mml::ScoreCompiler(source, out, listing, soundEffects).compile();
}

} // namespace audpak
