#include "ferrymate/listing/name_collator.h"

#include "ferrymate/platform/text_codec.h"

#include <cstdint>

namespace pf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence that starts with `lead`, 0 when `lead`
// cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Decodes one UTF-8 character at `text[pos]`, advancing `pos`; an invalid
// sequence yields U+FFFD and consumes one byte.
char32_t decodeOne(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return kReplacement;
    }
    if (length == 1) {
        ++pos;
        return lead;
    }
    char32_t code = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return code;
}

std::wstring widen(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        wide.push_back(static_cast<wchar_t>(decodeOne(utf8, pos)));
    return wide;
}

std::locale loadUserLocale() {
    try {
        std::locale user("");
        if (user.name() != "C" && user.name() != "POSIX")
            return user;
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: fall through to C.UTF-8.
    }
    try {
        return std::locale("C.UTF-8");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

} // namespace

NameCollator::NameCollator(const std::locale& locale) : m_locale(locale) {}

const NameCollator& NameCollator::userDefault() {
    static const NameCollator collator(loadUserLocale());
    return collator;
}

std::wstring NameCollator::sortKey(std::string_view name, NameEncoding encoding) const {
    std::wstring wide = encoding == NameEncoding::Cp932 ? widen(cp932ToUtf8(name)) : widen(name);
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(m_locale);
    ctype.tolower(wide.data(), wide.data() + wide.size());
    const auto& collate = std::use_facet<std::collate<wchar_t>>(m_locale);
    return collate.transform(wide.data(), wide.data() + wide.size());
}

int NameCollator::compare(std::string_view a, std::string_view b, NameEncoding encoding) const {
    return sortKey(a, encoding).compare(sortKey(b, encoding));
}

} // namespace pf
