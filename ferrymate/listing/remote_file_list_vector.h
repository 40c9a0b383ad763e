#pragma once
// The cartridge side of the listings: one area ("/rom0" or "/ram0") read
// through the command channel with "ls -l" and "df".

#include "ferrymate/link/exceptions.h"
#include "ferrymate/listing/file_list_vector.h"

#include <cstdint>
#include <string_view>

namespace pf {

class TCommPort;

// The "ls -l" reply held no "125 STARTING" line, so no file line could be
// told from the others.
class RemoteListingException : public Exception {
  public:
    RemoteListingException();
};

// Raised by Read when no port has been set.
class RemoteListingNoPortException : public Exception {
  public:
    RemoteListingNoPortException();
};

class RemoteFileListVector : public FileListVector {
  public:
    RemoteFileListVector() : FileListVector(NameEncoding::Cp932) {}

    // The open port the next Read talks through; not owned. The owner sets
    // it before every Read, since each connection has a port of its own.
    void SetPort(TCommPort* port) { m_port = port; }
    TCommPort* Port() const { return m_port; }

    // Empties the listing, runs "ls -l <directory>" and cuts its reply into
    // records, then runs "df" and keeps the area's free space. A failure of
    // "ls -l" (the channel's exception, or RemoteListingException for a reply
    // without "125 STARTING") leaves the listing empty; a failure of "df"
    // keeps the records. Either way the free space keeps its last value.
    void Read(std::string_view directory) override;

    std::uint32_t FreeSpace() const override { return m_freeSpace; }

  private:
    TCommPort* m_port = nullptr;
    std::uint32_t m_freeSpace = 0;
};

} // namespace pf
