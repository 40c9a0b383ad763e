#include "ferrymate/platform/settings_store.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace pf {
namespace {

constexpr std::string_view kTextTag = "sz:";
constexpr std::string_view kIntegerTag = "dword:";

std::string escapeText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescapeText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string systemReason() {
    return std::strerror(errno);
}

} // namespace

std::filesystem::path SettingsStore::defaultPath() {
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        base = config;
    else if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        base = std::filesystem::path(home) / ".config";
    else
        base = "/tmp";
    return base / "Orvane" / "Ferrymate.conf";
}

std::vector<SettingsStore::Entry> SettingsStore::load() const {
    std::vector<Entry> entries;
    std::error_code error;
    if (!std::filesystem::exists(m_file, error)) {
        // Opening creates a missing store; a failure here only means defaults.
        try {
            save(entries);
        } catch (const SettingsWriteError&) {
        }
        return entries;
    }
    std::ifstream in(m_file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const std::string_view rest = std::string_view(line).substr(equals + 1);
        std::optional<Value> value;
        if (rest.starts_with(kTextTag))
            value = unescapeText(rest.substr(kTextTag.size()));
        else if (rest.starts_with(kIntegerTag)) {
            if (auto number = parseInteger(rest.substr(kIntegerTag.size())))
                value = *number;
        }
        if (!value)
            continue;
        std::erase_if(entries, [&](const Entry& e) { return e.name == name; });
        entries.push_back({name, *value});
    }
    return entries;
}

void SettingsStore::save(const std::vector<Entry>& entries) const {
    std::error_code error;
    std::filesystem::create_directories(m_file.parent_path(), error);
    if (error)
        throw SettingsWriteError("設定を保存できません: " + m_file.parent_path().string() + " (" +
                                 error.message() + ")");
    std::ostringstream text;
    text << "# Ferrymate settings: Name=sz:text or Name=dword:number\n";
    for (const Entry& entry : entries) {
        text << entry.name << '=';
        if (const auto* s = std::get_if<std::string>(&entry.value))
            text << kTextTag << escapeText(*s) << '\n';
        else
            text << kIntegerTag << std::get<std::int32_t>(entry.value) << '\n';
    }
    const std::filesystem::path temporary = m_file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            const std::string reason = systemReason();
            std::filesystem::remove(temporary, error);
            throw SettingsWriteError("設定を保存できません: " + m_file.string() + " (" + reason + ")");
        }
    }
    std::filesystem::rename(temporary, m_file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw SettingsWriteError("設定を保存できません: " + m_file.string() + " (" + error.message() + ")");
    }
}

std::optional<std::string> SettingsStore::readString(std::string_view name) const {
    for (const Entry& entry : load())
        if (entry.name == name)
            if (const auto* s = std::get_if<std::string>(&entry.value))
                return *s;
    return std::nullopt;
}

std::optional<std::int32_t> SettingsStore::readInteger(std::string_view name) const {
    for (const Entry& entry : load())
        if (entry.name == name)
            if (const auto* n = std::get_if<std::int32_t>(&entry.value))
                return *n;
    return std::nullopt;
}

void SettingsStore::write(const std::vector<std::pair<std::string, Value>>& values) const {
    std::vector<Entry> entries = load();
    for (const auto& [name, value] : values) {
        auto found =
            std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.name == name; });
        if (found != entries.end())
            found->value = value;
        else
            entries.push_back({name, value});
    }
    save(entries);
}

void SettingsStore::writeString(std::string_view name, std::string_view text) const {
    write({{std::string(name), std::string(text)}});
}

void SettingsStore::writeInteger(std::string_view name, std::int32_t value) const {
    write({{std::string(name), value}});
}

} // namespace pf
