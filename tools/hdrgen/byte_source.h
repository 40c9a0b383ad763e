#pragma once
// Bytes read at an offset: an open file, or memory in tests and fuzzing.

#include <cstdint>
#include <span>

namespace hdrgen {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to out.size() bytes at `offset`; returns how many were read,
    // fewer only at the end of the bytes or on a read error.
    virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) const = 0;
};

class MemorySource final : public ByteSource {
  public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::uint64_t size() const override { return m_bytes.size(); }
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

  private:
    std::span<const std::uint8_t> m_bytes;
};

} // namespace hdrgen
