#pragma once
// ProtocolLogView, the protocol log view (the window's ProtocolMonitor): a read-only rich-text view with one
// coloured line per command sent, reply read or marker. It keeps the lines'
// bytes as well, so that saving writes exactly what passed on the line.
//
// It holds at most 2,000,000 characters (each line counts its characters and
// one for its line end). When a new line would pass that, the oldest lines
// are dropped, whole, until it fits: the newest part of a session is the one
// worth keeping.

#include "ferrymate/window/log_line.h"

#include <QTextEdit>

#include <cstddef>
#include <deque>
#include <filesystem>

namespace pf {

class ProtocolLogView : public QTextEdit {
    Q_OBJECT
  public:
    static constexpr std::size_t kMaxCharacters = 2000000;

    explicit ProtocolLogView(QWidget* parent = nullptr, std::size_t maxCharacters = kMaxCharacters);

    // Appends one line of cartridge text (CP932 bytes) in `colour`.
    void appendLine(std::string_view bytes, LogColour colour);
    // Removes every line.
    void clearLog();

    LogLines lines() const { return {m_lines.begin(), m_lines.end()}; }
    std::size_t characterTotal() const { return m_characters; }

    enum class SaveMode { PlainText, RichText };
    // Writes the whole log to `file`, replacing it; raises std::runtime_error
    // with the file name and the system's reason when that fails (an existing
    // file is then left as it was).
    void saveTo(const std::filesystem::path& file, SaveMode mode) const;

  private:
    void dropOldestLine();

    std::deque<LogLine> m_lines;
    std::deque<std::size_t> m_lineCharacters;
    std::size_t m_characters = 0;
    std::size_t m_maxCharacters = kMaxCharacters;
};

} // namespace pf
