#pragma once
// Whole-file reads and the safe replacement of an output file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace imgpak {

// Inputs larger than this are refused: the largest picture imgpak converts
// (2040 x 2040 at 8 bits) takes about 4 MiB.
inline constexpr std::size_t kMaxInputBytes = 16u << 20;

// The file's bytes; nullopt when it cannot be opened or read (a folder,
// say). Throws ConvertError when it holds more than kMaxInputBytes.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path);

// Writes `bytes` as the file `path`. A regular file (or a new one) is
// written beside its final name and renamed over it only when complete, so
// that a failure never leaves a half-written file or destroys the old one;
// anything else (a device, a pipe, a symbolic link) is written in place.
// Throws ConvertError with "cannot open '%s'\n" when the file cannot be
// created and "cannot write '%s' (reason)\n" when writing fails.
void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace imgpak
