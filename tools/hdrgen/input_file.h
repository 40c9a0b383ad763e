#pragma once
// A regular file opened for reading. Anything else (a missing file, a
// folder, a device) cannot be opened.

#include "tools/hdrgen/byte_source.h"

#include <optional>
#include <ostream>
#include <string>

namespace hdrgen {

class InputFile final : public ByteSource {
  public:
    static std::optional<InputFile> open(const std::string& path);
    // As open(), printing "cannot open" on failure.
    static std::optional<InputFile> openReported(const std::string& path, std::ostream& out);

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() override;

    // The length when the file was opened.
    std::uint64_t size() const override { return m_size; }
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

  private:
    InputFile(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}

    int m_fd = -1;
    std::uint64_t m_size = 0;
};

} // namespace hdrgen
