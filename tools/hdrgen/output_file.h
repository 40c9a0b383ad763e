#pragma once
// A file written beside its final path and renamed into place only when
// complete, so that a failed run never leaves a broken file where a good
// one stood, and an output that is also an input is read whole before it
// is replaced.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace hdrgen {

class OutputFile {
  public:
    // Fails for an empty path, a folder, an existing file that may not be
    // written, or a folder where no file can be made.
    static std::optional<OutputFile> create(const std::string& path);

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the unfinished file unless it was committed.
    ~OutputFile();

    bool write(std::span<const std::uint8_t> bytes);
    bool writeZeros(std::uint64_t count);
    std::uint64_t written() const { return m_written; }

    // Flushes the file and renames it to its path; false when that fails,
    // and the unfinished file is removed.
    bool commit();

  private:
    OutputFile(int fd, std::string path, std::string temporary)
        : m_fd(fd), m_path(std::move(path)), m_temporary(std::move(temporary)) {}
    void discard();

    int m_fd = -1;
    std::string m_path;
    std::string m_temporary;
    std::uint64_t m_written = 0;
};

} // namespace hdrgen
