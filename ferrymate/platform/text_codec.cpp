#include "ferrymate/platform/text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace pf {
namespace {

// One iconv conversion descriptor for the length of one call.
class Conversion {
  public:
    Conversion(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Conversion() {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at the first invalid or
    // unrepresentable sequence, leaving `in` pointing at it.
    bool run(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(m_cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t m_cd;
};

} // namespace

std::string cp932ToUtf8(std::string_view bytes) {
    Conversion conv("UTF-8", "CP932");
    std::string out;
    if (!conv.valid()) {
        return std::string(bytes);
    }
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (!conv.run(in, left, out)) {
        out += "\xEF\xBF\xBD"; // U+FFFD for the byte that is no character
        ++in;
        --left;
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
    Conversion conv("CP932", "UTF-8");
    std::string out;
    const char* in = text.data();
    std::size_t left = text.size();
    if (!conv.valid() || !conv.run(in, left, out)) {
        return std::nullopt;
    }
    return out;
}

} // namespace pf
