#pragma once
// A file that replaces its target only when complete: the bytes go to a
// temporary file beside the target, which commit() renames over it. Until
// then an existing file of that name stays as it was, and a run that ends
// early leaves nothing behind (the destructor removes the temporary file).
// A symbolic link is followed, so that the file it names is replaced and
// the link kept. Where a call fails, errno tells why.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pf {

class ReplacementFile {
  public:
    // What becomes of a target that exists and is not a regular file.
    enum class OtherTargets {
        Refuse,       // open() fails
        WriteInPlace, // a device, pipe or symbolic link is written directly
    };

    explicit ReplacementFile(std::string path, OtherTargets others = OtherTargets::Refuse);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the file to write. False for an empty path, a path ending in
    // '/', a folder, an existing file that may not be written, a target that
    // is not a regular file (with OtherTargets::Refuse) or a folder where no
    // file can be made.
    bool open();

    // Appends `bytes`; false on a write error.
    bool write(std::span<const std::uint8_t> bytes);
    bool write(std::string_view bytes);
    // Appends `count` zero bytes.
    bool writeZeros(std::uint64_t count);
    // Writes `bytes` at byte `at` of the file, leaving the append position
    // alone; only for a file written beside its target.
    bool writeAt(std::uint64_t at, std::string_view bytes);
    // Bytes appended so far.
    std::uint64_t written() const { return m_written; }

    // Flushes the file and puts it in place; false on failure, and the
    // temporary file is removed.
    bool commit();

    const std::string& path() const { return m_path; }

  private:
    bool openInPlace();
    bool openBeside(const std::string& target);
    void discard();

    std::string m_path; // as given, for messages
    OtherTargets m_others = OtherTargets::Refuse;
    std::string m_target; // where the bytes end up
    std::string m_temporary;
    int m_fd = -1;
    std::uint64_t m_written = 0;
};

} // namespace pf
