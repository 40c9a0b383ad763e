#pragma once
// A file that replaces its target only when complete: the bytes go to a
// temporary file beside the target, which is renamed over it by commit().
// Until then an existing file of that name stays as it was, and a failed
// run leaves nothing behind (the destructor removes the temporary file).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace audpak {

class ReplacementFile {
  public:
    explicit ReplacementFile(std::string path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file. False when the target cannot be written:
    // its folder is missing or not writable, or it exists and is read-only
    // or not a regular file.
    bool open();
    // Writes `bytes` at byte `at` of the file; false on a write error.
    bool writeAt(std::uint64_t at, std::string_view bytes);
    // Gives the file the permissions of a newly created one, closes it and
    // renames it over the target; false on failure (the temporary file is
    // then removed).
    bool commit();

    const std::string& path() const { return m_path; }

  private:
    void discard();

    std::string m_path;   // as typed, for messages
    std::string m_target; // where the bytes go
    std::string m_temporary;
    int m_fd = -1;
};

} // namespace audpak
