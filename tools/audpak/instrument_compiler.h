#pragma once
// The instrument compiler (-i): an instrument file of wave, envelope,
// vibrato, drum, instrument and name sections becomes an instrument-set
// resource ("SI"): a 32-byte head of offsets and counts, then the sections'
// data in the order of the text, with the tables of envelopes, vibratos
// and drums placed before their kind's first section.

#include "tools/audpak/converter.h"

namespace audpak {

// Fills `out` from byte 8 on and writes the listing when `listing` is not
// null; returns the resource length. Throws ConvertError when the set
// would pass 65534 bytes, when a kind has more than 65535 sections, or at a
// "]" before any "[" of its kind. `soundEffects` is not used.
std::size_t compileInstruments(const Source& source, ResultBuffer& out, Listing* listing, int soundEffects);

} // namespace audpak
