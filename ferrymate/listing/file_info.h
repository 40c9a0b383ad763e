#pragma once
// One listed file, on the PC or on the cartridge.

#include <cstdint>
#include <string>

namespace pf {

// Texts are held as the bytes they came as: UTF-8 for PC names, Shift-JIS
// (CP932) for everything the cartridge reported.
struct FileInfo {
    std::string date;             // last change, "yyyy-mm-dd hh:mm:ss" (PC) or "yy-mm-dd hh:mm" (cartridge)
    std::int32_t size = 0;        // bytes
    std::string name;             // without any path
    std::string attribute;        // the cartridge's mode text; empty on the PC
    std::string description;      // the cartridge's description; empty on the PC
    std::int32_t isDirectory = 0; // 1 for a folder, else 0

    friend bool operator==(const FileInfo&, const FileInfo&) = default;
};

} // namespace pf
