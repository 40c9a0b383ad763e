#pragma once
// The wave converter (-w): an 8-bit mono PCM RIFF/WAVE file becomes a
// sample resource ("VO"): the header, the sample count, the word 1, four
// zero bytes, then the samples unchanged.

#include "tools/audpak/converter.h"

namespace audpak {

// Walks the chunks from offset 12 up to the end of the RIFF size or of the
// file, whichever comes first. Throws ConvertError with
// "unknown format\r\n" (no RIFF/WAVE, no usable "fmt " chunk before the
// data), "accept only 8bit mono wave format\r\n", "data too large\r\n",
// "truncated wave data\r\n" (a data chunk reaching past the file) or
// "no data chunk\r\n". Returns the data size + 16. `listing` and
// `soundEffects` are not used.
std::size_t convertWave(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects);

} // namespace audpak
