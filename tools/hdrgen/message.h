#pragma once
// printf-style formatting of the tool's messages into a string, with the
// format checked by the compiler.

#include <string>

namespace hdrgen {

std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "cannot open '<path>'\n", the message for any file that cannot be opened.
std::string cannotOpen(const std::string& path);

// "cannot write '<path>'", for an output that could not be written whole.
std::string cannotWrite(const std::string& path);

} // namespace hdrgen
