#pragma once
// The MML compiler: music ("MD", soundEffects == 0) and sound-effect sets
// ("SE", soundEffects > 0), with the assembly listing when one is given.

#include "tools/audpak/converter.h"

namespace audpak {

std::size_t compileMml(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects);

} // namespace audpak
