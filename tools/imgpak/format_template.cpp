#include "tools/imgpak/format_template.h"

#include "tools/imgpak/convert_error.h"

#include <algorithm>
#include <cstdlib>

namespace imgpak {
namespace {

constexpr char kEndOfFileMark = 0x1A;
constexpr std::size_t kShownPlaceholderBytes = 24;
constexpr int kNameSlotMask = 0b110101; // slots 0, 2, 4 and 5 take text

bool takesText(int slot) {
    return (kNameSlotMask >> slot) & 1;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The placeholder starting at `percent` as a message shows it: up to and
// including its first letter, at most 24 bytes, never past a line end.
std::string excerpt(std::string_view text, std::size_t percent) {
    std::size_t end = percent + 1;
    while (end < text.size() && end - percent < kShownPlaceholderBytes && text[end] != '\r' &&
           text[end] != '\n') {
        if (isLetter(text[end++])) {
            break;
        }
    }
    return std::string(text.substr(percent, end - percent));
}

[[noreturn]] void rejectPlaceholder(const std::string& path, const std::string& reason) {
    fail("%s: %s; a format file takes up to six placeholders, %%s %%d %%s %%d %%s %%s (name, width in "
         "tiles, name, height in tiles, element type, name) in this order, and %%%% for a percent sign\r\n",
         path.c_str(), reason.c_str());
}

// Reads the characters of one placeholder after its "%".
class PlaceholderReader {
  public:
    // `percent` is the position of the placeholder's "%".
    PlaceholderReader(std::string_view text, std::size_t percent, int slot)
        : m_text(text), m_percent(percent), m_at(percent + 1) {
        m_placeholder.slot = slot;
    }

    // The end of the placeholder in the text, or throws.
    std::size_t read(const std::string& path) {
        readFlags();
        m_placeholder.width = readNumber(path);
        if (peek() == '.') {
            ++m_at;
            m_placeholder.precision = readNumber(path);
        }
        const char conversion = peek();
        if (m_at >= m_text.size()) {
            reject(path, "the text ends inside");
        }
        ++m_at;
        if (!conversionFits(conversion)) {
            reject(path, "");
        }
        return m_at;
    }

    const Placeholder& placeholder() const { return m_placeholder; }

  private:
    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    void readFlags() {
        for (;; ++m_at) {
            switch (peek()) {
            case '-':
                m_placeholder.leftJustify = true;
                break;
            case '0':
                m_placeholder.zeroPad = true;
                m_numberFlags = true;
                break;
            case '+':
            case ' ':
                m_placeholder.sign = m_placeholder.sign == '+' ? '+' : peek();
                m_numberFlags = true;
                break;
            default:
                return;
            }
        }
    }

    int readNumber(const std::string& path) {
        int value = 0;
        while (peek() >= '0' && peek() <= '9') {
            value = value * 10 + (peek() - '0');
            ++m_at;
            if (value > kMaxFieldWidth) {
                reject(path, "");
            }
        }
        return value;
    }

    bool conversionFits(char conversion) const {
        if (takesText(m_placeholder.slot)) {
            return conversion == 's' && !m_numberFlags;
        }
        return conversion == 'd' || conversion == 'i';
    }

    [[noreturn]] void reject(const std::string& path, const char* where) const {
        const int number = m_placeholder.slot + 1;
        const std::string shown = excerpt(m_text, m_percent);
        rejectPlaceholder(
            path, *where != '\0'
                      ? formatMessage("%s placeholder %d \"%s\"", where, number, shown.c_str())
                      : formatMessage("placeholder %d \"%s\" is not accepted", number, shown.c_str()));
    }

    std::string_view m_text;
    std::size_t m_percent = 0;
    std::size_t m_at = 0;
    Placeholder m_placeholder;
    bool m_numberFlags = false;
};

std::string pad(std::string body, const Placeholder& p, char fill, std::size_t after) {
    const auto width = static_cast<std::size_t>(p.width);
    if (body.size() >= width) {
        return body;
    }
    const std::size_t missing = width - body.size();
    if (p.leftJustify) {
        return body.append(missing, ' ');
    }
    body.insert(after, missing, fill);
    return body;
}

std::string formatText(const Placeholder& p, std::string_view value) {
    if (p.precision >= 0) {
        value = value.substr(0, static_cast<std::size_t>(p.precision));
    }
    return pad(std::string(value), p, ' ', 0);
}

std::string formatNumber(const Placeholder& p, int value) {
    const long long magnitude = std::llabs(static_cast<long long>(value));
    std::string digits = p.precision == 0 && value == 0 ? "" : std::to_string(magnitude);
    if (p.precision > 0 && digits.size() < static_cast<std::size_t>(p.precision)) {
        digits.insert(0, static_cast<std::size_t>(p.precision) - digits.size(), '0');
    }
    const std::string sign = value < 0 ? "-" : p.sign != '\0' ? std::string(1, p.sign) : "";
    const bool zeroFill = p.zeroPad && !p.leftJustify && p.precision < 0;
    return pad(sign + digits, p, zeroFill ? '0' : ' ', zeroFill ? sign.size() : 0);
}

} // namespace

FormatTemplate FormatTemplate::parse(std::string_view text, const std::string& path) {
    if (!text.empty() && text.back() == kEndOfFileMark) {
        text.remove_suffix(1);
    }
    FormatTemplate result;
    std::string literal;
    int slot = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t percent = text.find('%', at);
        literal.append(text.substr(at, percent - at));
        if (percent == std::string_view::npos) {
            break;
        }
        if (percent + 1 < text.size() && text[percent + 1] == '%') {
            literal += '%';
            at = percent + 2;
            continue;
        }
        if (slot == kFormatSlots) {
            rejectPlaceholder(
                path, formatMessage("placeholder 7 \"%s\" is one too many", excerpt(text, percent).c_str()));
        }
        PlaceholderReader reader(text, percent, slot);
        at = reader.read(path);
        result.m_pieces.emplace_back(std::move(literal));
        literal.clear();
        result.m_pieces.emplace_back(reader.placeholder());
        ++slot;
    }
    result.m_pieces.emplace_back(std::move(literal));
    return result;
}

std::string FormatTemplate::render(const FormatValues& values) const {
    std::string out;
    for (const Piece& piece : m_pieces) {
        if (const auto* text = std::get_if<std::string>(&piece)) {
            out += *text;
            continue;
        }
        const auto& p = std::get<Placeholder>(piece);
        switch (p.slot) {
        case 1:
            out += formatNumber(p, values.widthTiles);
            break;
        case 3:
            out += formatNumber(p, values.heightTiles);
            break;
        case 4:
            out += formatText(p, values.elementType);
            break;
        default:
            out += formatText(p, values.symbol);
            break;
        }
    }
    return out;
}

} // namespace imgpak
