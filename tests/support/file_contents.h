#pragma once
// Whole files as strings of bytes, for fixtures and for comparing outputs.

#include <string>
#include <string_view>

namespace pf::test {

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

// Writes `bytes` as the file, replacing what was there.
void writeFile(const std::string& path, std::string_view bytes);

} // namespace pf::test
