#pragma once
// The format file of -c: the frame of a C header, a text with up to six
// printf-style placeholders that take, in this order, the symbol name, the
// width in tiles, the symbol name, the height in tiles, the element type
// and the symbol name. The text is parsed here and filled in by this code
// alone; it never reaches printf.
//
// A placeholder is "%", optional flags, an optional field width and an
// optional precision (each 0-255), then the conversion: "s" where a name or
// type goes, "d" or "i" where a number goes. Flags are "-" (left-justify)
// for every kind and "0", "+" and " " for numbers. "%%" is a percent sign.
// Anything else after "%", a seventh placeholder, or a "%" at the end of
// the text is rejected; fewer than six placeholders take the first values.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace imgpak {

inline constexpr int kFormatSlots = 6;
inline constexpr int kMaxFieldWidth = 255;

struct FormatValues {
    std::string symbol;
    int widthTiles = 0;
    int heightTiles = 0;
    std::string elementType; // "char" or "short"
};

struct Placeholder {
    bool leftJustify = false;
    bool zeroPad = false;
    char sign = '\0'; // '+', ' ' or none
    int width = 0;
    int precision = -1; // -1: none given
    int slot = 0;       // 0-5: which value it takes
};

class FormatTemplate {
  public:
    // Parses the text of a format file; a last byte 0x1A (end-of-file mark)
    // is dropped. Throws ConvertError naming `path` when the text holds a
    // placeholder that is not accepted.
    static FormatTemplate parse(std::string_view text, const std::string& path);

    // The text with the values put into its placeholders.
    std::string render(const FormatValues& values) const;

  private:
    using Piece = std::variant<std::string, Placeholder>;
    std::vector<Piece> m_pieces;
};

} // namespace imgpak
