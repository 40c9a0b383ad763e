// Times the PC listing on a folder of 10,000 entries: reading it, and each
// of the three sort orders on the listing as read. Prints the median and the
// slowest of several rounds in milliseconds.
//   listing_bench [FOLDER]   (default: a fresh folder under $TMPDIR, removed afterwards)

#include "ferrymate/listing/local_file_list_vector.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = 10000;
constexpr int kRounds = 15;

// Mixed names (ASCII in both cases, Japanese), sizes and dates; every 50th
// entry is a folder.
void fillFolder(const fs::path& folder) {
    const char* stems[] = {"Game", "save", "ゲーム", "Readme", "データ", "zeta", "ALPHA"};
    for (int i = 0; i < kEntries; ++i) {
        const fs::path path =
            folder / (std::string(stems[i % 7]) + "_" + std::to_string((i * 7919) % kEntries));
        if (i % 50 == 0) {
            fs::create_directory(path);
            continue;
        }
        std::ofstream(path) << std::string(static_cast<std::size_t>(i % 97), 'x');
        const timespec times[2] = {{1000000000 + i * 3637L % 100000000, 0},
                                   {1000000000 + i * 3637L % 100000000, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
}

double milliseconds(Clock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-14s median %8.2f ms   slowest %8.2f ms\n", what, times[times.size() / 2], times.back());
}

template <typename Step> std::vector<double> timeRounds(const pf::LocalFileListVector& read, Step step) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        pf::LocalFileListVector listing = read;
        const auto start = Clock::now();
        step(listing);
        times.push_back(milliseconds(Clock::now() - start));
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    fs::path folder;
    bool own = false;
    if (argc > 1) {
        folder = argv[1];
    } else {
        std::string pattern = (fs::temp_directory_path() / "pf-listing-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = pattern;
        own = true;
        fillFolder(folder);
    }

    pf::LocalFileListVector listing;
    listing.Read(folder.string());
    std::printf("%zu entries in %s\n", listing.size(), folder.c_str());
    report("Read", timeRounds(listing, [&](pf::LocalFileListVector& l) { l.Read(folder.string()); }));
    report("SortByName", timeRounds(listing, std::mem_fn(&pf::FileListVector::SortByName)));
    report("SortBySize", timeRounds(listing, std::mem_fn(&pf::FileListVector::SortBySize)));
    report("SortByDate", timeRounds(listing, std::mem_fn(&pf::FileListVector::SortByDate)));

    if (own)
        fs::remove_all(folder);
    return 0;
}
