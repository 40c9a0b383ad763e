#pragma once
// The byte encoding of the names a listing holds.

namespace pf {

enum class NameEncoding {
    Utf8,  // PC file names
    Cp932, // cartridge file names
};

} // namespace pf
