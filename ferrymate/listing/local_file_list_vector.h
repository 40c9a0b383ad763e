#pragma once
// The PC side of the listings: one folder of the local file system.

#include "ferrymate/listing/file_list_vector.h"

#include <cstdint>
#include <string_view>

namespace pf {

class LocalFileListVector : public FileListVector {
  public:
    LocalFileListVector() : FileListVector(NameEncoding::Utf8) {}

    // Lists every entry of the folder, hidden ones included, in the file
    // system's order: "." is left out, ".." kept. One trailing "/" of
    // `directory` is ignored. A record's size is the low 32 bits of the
    // file's size as a signed number (folders: 0), its date the last
    // modification in local time as "yyyy-mm-dd hh:mm:ss". An entry that
    // vanishes while it is being read is left out. Raises EDirNotFound when
    // the folder cannot be opened or fails while it is being read, or the
    // path holds a NUL byte; the listing is then empty and the free space
    // keeps its value.
    void Read(std::string_view directory) override;

    // Bytes free to this user on the file system of the folder last read,
    // held at 4294967295 when there are more; 0 when it cannot be read.
    std::uint32_t FreeSpace() const override { return m_freeSpace; }

  private:
    std::uint32_t m_freeSpace = 0;
};

} // namespace pf
