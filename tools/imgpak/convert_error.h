#pragma once
// The one failure type of imgpak. `what()` is the complete text to print
// on standard output, line end included; the program prints it and ends
// with exit code 1 without touching the output file.

#include <stdexcept>
#include <string>

namespace imgpak {

class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// printf-style text with a compiler-checked format, for messages whose
// format is a literal in the program (never text read from a file).
std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Throws ConvertError with formatMessage(format, ...).
[[noreturn]] void fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace imgpak
