#pragma once
// Expected resource bytes written as a list of little-endian bytes and
// words, for byte-for-byte comparisons.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace audpak::test {

class ByteBuilder {
  public:
    ByteBuilder& b(std::initializer_list<int> values) {
        for (const int v : values) {
            m_bytes.push_back(static_cast<std::uint8_t>(v));
        }
        return *this;
    }
    ByteBuilder& w(std::initializer_list<int> values) {
        for (const int v : values) {
            m_bytes.push_back(static_cast<std::uint8_t>(v));
            m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        }
        return *this;
    }
    ByteBuilder& zeros(std::size_t count) {
        m_bytes.insert(m_bytes.end(), count, 0);
        return *this;
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

  private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace audpak::test
