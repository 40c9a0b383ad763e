// Any bytes as a format file: imgpak either refuses them with a message or
// fills in the values; the filled-in text never outgrows the template by
// more than six fields of at most 255 bytes plus the values themselves.

#include "tools/imgpak/convert_error.h"
#include "tools/imgpak/format_template.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace imgpak;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const FormatTemplate frame = FormatTemplate::parse(text, "format");
        const int number = static_cast<int>(size % 256);
        const FormatValues values{"symbol_name", number, 255 - number, size % 2 ? "char" : "short"};
        const std::string out = frame.render(values);
        if (out.size() > size + kFormatSlots * (kMaxFieldWidth + values.symbol.size())) {
            std::abort();
        }
    } catch (const ConvertError& e) {
        if (std::string_view(e.what()).substr(0, 7) != "format:") {
            std::abort();
        }
    }
    return 0;
}
