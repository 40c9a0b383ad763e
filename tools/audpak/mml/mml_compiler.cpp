#include "tools/audpak/mml/mml_compiler.h"

namespace audpak {

// Being written; until then audpak reports that music cannot be compiled.
std::size_t compileMml(const Source&, ResultBuffer&, Listing*, int) {
    throw ConvertError("audpak: the MML compiler is not built yet\r\n");
}

} // namespace audpak
