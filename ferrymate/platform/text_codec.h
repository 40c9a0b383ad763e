#pragma once
// Cartridge text is Shift-JIS (code page 932) bytes from end to end; it is
// decoded to UTF-8 only where a person reads it and encoded back only where
// a person typed it.

#include <optional>
#include <string>
#include <string_view>

namespace pf {

// Decodes CP932 bytes to UTF-8. A byte sequence that is no CP932 character
// becomes U+FFFD, so decoding never fails and never drops the rest.
std::string cp932ToUtf8(std::string_view bytes);

// Encodes UTF-8 text to CP932; nullopt when the text holds a character
// that CP932 cannot represent or is not valid UTF-8.
std::optional<std::string> utf8ToCp932(std::string_view text);

} // namespace pf
