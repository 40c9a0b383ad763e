#pragma once
// The assembly listing of -s as a file. Lines are collected in memory and
// written out in large pieces; rewrite() can reach back into bytes already
// written. The file replaces an existing listing only when save() is
// called after a successful conversion.

#include "entry/replacement_file.h"
#include "tools/audpak/converter.h"

#include <string>

namespace audpak {

class ListingFile final : public Listing {
  public:
    explicit ListingFile(std::string path);

    // Creates the file; false when it cannot be created.
    bool open();
    // Writes what is still pending and puts the file in place. Throws
    // ConvertError "cannot write '<path>'" on failure.
    void save();

    void line(std::string_view text) override;
    void raw(std::string_view text) override;
    std::uint64_t position() override;
    void rewrite(std::uint64_t at, std::string_view text) override;

  private:
    void flush();
    void writeOut(std::uint64_t at, std::string_view bytes);

    pf::ReplacementFile m_file;
    std::string m_pending;       // bytes from m_flushed on, not yet in the file
    std::uint64_t m_flushed = 0; // bytes already in the file
};

} // namespace audpak
