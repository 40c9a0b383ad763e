// Feeds arbitrary bytes to the instrument compiler with a listing attached:
// it must either fail with a ConvertError or return a length inside the
// result buffer, and never read or write out of bounds.

#include "tools/audpak/converter.h"
#include "tools/audpak/instrument_compiler.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class StringListing final : public audpak::Listing {
  public:
    void line(std::string_view text) override {
        m_text += text;
        m_text += "\r\n";
    }
    void raw(std::string_view text) override { m_text += text; }
    std::uint64_t position() override { return m_text.size(); }
    void rewrite(std::uint64_t at, std::string_view text) override { m_text.replace(at, text.size(), text); }

  private:
    std::string m_text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto out = std::make_unique<audpak::ResultBuffer>();
    StringListing listing;
    try {
        const std::size_t length = audpak::compileInstruments(audpak::Source{text}, *out, &listing, 0);
        if (length < 32 || length > audpak::kResultCapacity) {
            std::abort();
        }
    } catch (const audpak::ConvertError&) {
    }
    return 0;
}
