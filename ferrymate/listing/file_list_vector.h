#pragma once
// A listing: the records of one folder or cartridge area in the order they
// are shown, and the free space of the place that was listed. It is itself a
// vector of records, so row i of a view is element i.

#include "ferrymate/listing/file_info.h"
#include "ferrymate/listing/name_encoding.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pf {

class FileListVector : public std::vector<FileInfo> {
  public:
    explicit FileListVector(NameEncoding encoding) : m_nameEncoding(encoding) {}
    virtual ~FileListVector() = default;

    // Empties the listing and fills it from `directory`, then refreshes the
    // free space. Failures are exceptions; see each side.
    virtual void Read(std::string_view directory) = 0;

    // Free bytes of the place last read.
    virtual std::uint32_t FreeSpace() const = 0;

    // Ascending orders; folders come before files in each, and ".." first
    // of all by size and by date. Names are compared by what they mean in
    // the user's locale, ignoring case; dates byte by byte.
    virtual void SortByName();
    virtual void SortBySize();
    virtual void SortByDate();

    NameEncoding nameEncoding() const { return m_nameEncoding; }

  protected:
    FileListVector(const FileListVector&) = default;
    FileListVector& operator=(const FileListVector&) = default;

  private:
    NameEncoding m_nameEncoding = NameEncoding::Utf8;
};

} // namespace pf
