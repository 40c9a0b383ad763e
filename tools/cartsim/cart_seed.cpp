#include "tools/cartsim/cart_seed.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace cartsim {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> entryFiles(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        throw SeedError("cannot read the folder " + folder + " (" + error.message() + ")");
    }
    std::vector<fs::path> files;
    for (const auto& item : it) {
        if (item.is_regular_file() && item.path().extension() == ".vx") {
            files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

CartEntry readEntryFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw SeedError("cannot open " + file.string());
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    auto entry = CartEntry::fromBytes(bytes);
    if (!entry || !validEntryName(entry->name())) {
        throw SeedError(file.string() + " is not a file entry with a usable name");
    }
    return std::move(*entry);
}

} // namespace

std::size_t seedArea(CartArea& area, const std::string& folder) {
    std::size_t stored = 0;
    for (const fs::path& file : entryFiles(folder)) {
        CartEntry entry = readEntryFile(file);
        const StoreResult result = area.store(std::move(entry));
        if (result == StoreResult::Full) {
            throw SeedError(file.string() + " does not fit into " + area.word());
        }
        stored += result == StoreResult::Stored ? 1 : 0;
    }
    return stored;
}

} // namespace cartsim
