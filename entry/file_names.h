#pragma once
// File-name helpers shared by the console tools. They work on the text as
// typed: a "." anywhere in it counts, directories included, as the tools'
// naming rules expect.

#include <string>
#include <string_view>

namespace pf {

// `name` with `extension` (".mml", say) appended when it contains no ".".
std::string withDefaultExtension(std::string_view name, std::string_view extension);

// `name` up to (not including) its last "."; unchanged without a ".".
std::string cutAtLastDot(std::string_view name);

// The part after the last "/" or "\\"; the whole text without either.
std::string lastPathComponent(std::string_view path);

// `path` with its last "." and all after it replaced by `suffix`; a path
// without "." gets `suffix` appended.
std::string replaceExtension(std::string_view path, std::string_view suffix);

} // namespace pf
