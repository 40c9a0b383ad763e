#include "ferrymate/window/log_line.h"

#include <algorithm>
#include <cstdio>

namespace pf {
namespace {

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string hexEscape(unsigned char c) {
    char text[8];
    std::snprintf(text, sizeof text, "\\'%02x", c);
    return text;
}

// The RTF body of one line: ASCII as it is (with \, { and } escaped), every
// other byte, and both bytes of a double-byte character, as \'hh so that a
// trail byte that looks like "\" or "{" is never read as RTF syntax.
std::string rtfText(const std::string& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (isLeadByte(c) && i + 1 < bytes.size()) {
            out += hexEscape(c);
            out += hexEscape(static_cast<unsigned char>(bytes[++i]));
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            out += hexEscape(c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace

std::string logAsPlainText(const LogLines& lines) {
    std::string out;
    for (const LogLine& line : lines) {
        out += line.bytes;
        out += "\r\n";
    }
    return out;
}

std::string logAsRtf(const LogLines& lines) {
    std::vector<LogColour> table;
    for (const LogLine& line : lines)
        if (std::find(table.begin(), table.end(), line.colour) == table.end())
            table.push_back(line.colour);
    // \fcharset128 is Shift-JIS; the font name is "ＭＳ ゴシック" in CP932.
    std::string out = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset128 "
                      "\\'82\\'6c\\'82\\'72 \\'83\\'53\\'83\\'56\\'83\\'62\\'83\\'4e;}}\n{\\colortbl ;";
    for (const LogColour& colour : table)
        out += "\\red" + std::to_string(colour.red) + "\\green" + std::to_string(colour.green) + "\\blue" +
               std::to_string(colour.blue) + ";";
    out += "}\n\\pard\\f0\\fs18";
    for (const LogLine& line : lines) {
        const auto index = std::find(table.begin(), table.end(), line.colour) - table.begin() + 1;
        out += "\\cf" + std::to_string(index) + " " + rtfText(line.bytes) + "\\par\n";
    }
    out += "}\n";
    return out;
}

std::string swapExtension(const std::string& name, const std::string& extension) {
    if (name.empty())
        return name;
    const std::size_t slash = name.find_last_of('/');
    const std::size_t componentStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot < componentStart)
        return name + extension;
    return name.substr(0, dot) + extension;
}

} // namespace pf
