#pragma once
// A listing kept in memory, for tests of what converters write.

#include "tools/audpak/converter.h"

#include <string>

namespace audpak::test {

class StringListing final : public Listing {
  public:
    void line(std::string_view text) override {
        m_text += text;
        m_text += "\r\n";
    }
    void raw(std::string_view text) override { m_text += text; }
    std::uint64_t position() override { return m_text.size(); }
    void rewrite(std::uint64_t at, std::string_view text) override { m_text.replace(at, text.size(), text); }

    const std::string& text() const { return m_text; }

  private:
    std::string m_text;
};

} // namespace audpak::test
