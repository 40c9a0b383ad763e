#include "tools/cartsim/shell_words.h"

namespace cartsim {

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
            }
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

} // namespace cartsim
