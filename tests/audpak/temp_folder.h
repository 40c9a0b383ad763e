#pragma once
// A fresh folder for one test and small file helpers (shared with the other
// tools' tests), and the sorted list of a folder's names.

#include "tests/support/file_contents.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace audpak::test {

using pf::test::readFile;
using pf::test::TempFolder;
using pf::test::writeFile;

// The names in a folder, sorted.
inline std::string folderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string all;
    for (const auto& name : names) {
        all += name + " ";
    }
    return all;
}

} // namespace audpak::test
