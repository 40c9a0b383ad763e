#pragma once
// Splits a command line into words: blanks separate words, and a stretch
// between double quotes is part of a word, blanks included (there is no
// escape character). nullopt when a quote is left open.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cartsim {

std::optional<std::vector<std::string>> splitWords(std::string_view line);

} // namespace cartsim
