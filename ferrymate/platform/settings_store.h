#pragma once
// The per-user settings of Ferrymate: one small text file under
// $XDG_CONFIG_HOME (default ~/.config), "Orvane/Ferrymate.conf". Every value
// keeps its type, text or 32-bit integer, so a value of the wrong type reads
// as missing. Each access opens the file anew (creating it when missing) and
// a write replaces the file as a whole, so a failed write never leaves half a
// file behind.
//
// File format, one value a line, in the order first written:
//   Name=sz:text        text with "\\", "\n" and "\r" escaped
//   Name=dword:-12      a signed 32-bit decimal

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace pf {

// A settings file that could not be written; the message names the file and
// gives the system's reason.
class SettingsWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
  public:
    explicit SettingsStore(std::filesystem::path file) : m_file(std::move(file)) {}

    // $XDG_CONFIG_HOME/Orvane/Ferrymate.conf, or ~/.config/... when the
    // variable is unset or not absolute.
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return m_file; }

    // The stored text; nullopt when missing, unreadable or not text.
    std::optional<std::string> readString(std::string_view name) const;
    // The stored integer; nullopt when missing, unreadable or not an integer.
    std::optional<std::int32_t> readInteger(std::string_view name) const;

    // Writes several values in one access, in the order given. Raises
    // SettingsWriteError when the file cannot be written.
    using Value = std::variant<std::string, std::int32_t>;
    void write(const std::vector<std::pair<std::string, Value>>& values) const;

    void writeString(std::string_view name, std::string_view text) const;
    void writeInteger(std::string_view name, std::int32_t value) const;

  private:
    struct Entry {
        std::string name;
        Value value;
    };
    std::vector<Entry> load() const;
    void save(const std::vector<Entry>& entries) const;

    std::filesystem::path m_file;
};

} // namespace pf
