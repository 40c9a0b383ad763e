#pragma once
// Records and a listing with fixed contents for the tests of the sort
// orders and the status texts.

#include "ferrymate/listing/file_list_vector.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace pf {

inline FileInfo file(std::string name, std::int32_t size = 0, std::string date = {}) {
    return FileInfo{std::move(date), size, std::move(name), {}, {}, 0};
}

inline FileInfo folder(std::string name, std::string date = {}) {
    return FileInfo{std::move(date), 0, std::move(name), {}, {}, 1};
}

// A line of an "ls -l" reply as the cartridge writes it: the name padded to
// 16 bytes, a blank, the tokens, and the description from byte 50.
inline std::string fileLine(const std::string& name, const std::string& tokens,
                            const std::string& description) {
    std::string line = name;
    line.resize(16, ' ');
    line += ' ' + tokens;
    line.resize(50, ' ');
    return line + description;
}

// A listing whose "read" leaves the records it was made with.
class FixedListing : public FileListVector {
  public:
    FixedListing(std::initializer_list<FileInfo> records, std::uint32_t freeSpace,
                 NameEncoding encoding = NameEncoding::Utf8)
        : FileListVector(encoding), m_freeSpace(freeSpace) {
        assign(records);
    }
    void Read(std::string_view) override {}
    std::uint32_t FreeSpace() const override { return m_freeSpace; }

  private:
    std::uint32_t m_freeSpace = 0;
};

inline std::vector<std::string> namesOf(const FileListVector& listing) {
    std::vector<std::string> names;
    for (const FileInfo& record : listing)
        names.push_back(record.name);
    return names;
}

} // namespace pf
