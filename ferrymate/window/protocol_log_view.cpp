#include "ferrymate/window/protocol_log_view.h"

#include "ferrymate/platform/text_codec.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace pf {

ProtocolLogView::ProtocolLogView(QWidget* parent, std::size_t maxCharacters)
    : QTextEdit(parent), m_maxCharacters(maxCharacters) {
    setObjectName(QStringLiteral("ProtocolMonitor"));
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    setFont(font);
    document()->setUndoRedoEnabled(false);
}

void ProtocolLogView::appendLine(std::string_view bytes, LogColour colour) {
    // A line longer than the whole log keeps its end. A CP932 character is
    // at least one byte, so the decoded text is no longer than the bytes.
    std::string kept(bytes);
    if (kept.size() > m_maxCharacters - 1)
        kept.erase(0, kept.size() - (m_maxCharacters - 1));
    const QString text = QString::fromStdString(cp932ToUtf8(kept));
    const std::size_t characters = static_cast<std::size_t>(text.size()) + 1;
    while (!m_lines.empty() && m_characters + characters > m_maxCharacters)
        dropOldestLine();

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(QColor(colour.red, colour.green, colour.blue));
    if (!m_lines.empty())
        cursor.insertBlock();
    cursor.insertText(text, format);
    m_lines.push_back({std::move(kept), colour});
    m_lineCharacters.push_back(characters);
    m_characters += characters;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ProtocolLogView::dropOldestLine() {
    QTextCursor cursor(document()->firstBlock());
    if (m_lines.size() > 1) {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    m_characters -= m_lineCharacters.front();
    m_lineCharacters.pop_front();
    m_lines.pop_front();
}

void ProtocolLogView::clearLog() {
    clear();
    m_lines.clear();
    m_lineCharacters.clear();
    m_characters = 0;
}

void ProtocolLogView::saveTo(const std::filesystem::path& file, SaveMode mode) const {
    const LogLines all = lines();
    const std::string content = mode == SaveMode::RichText ? logAsRtf(all) : logAsPlainText(all);
    const std::filesystem::path temporary = file.string() + ".part";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    std::error_code error;
    if (!out) {
        const std::string reason = std::strerror(errno);
        std::filesystem::remove(temporary, error);
        throw std::runtime_error(file.string() + " に書き込めません (" + reason + ")");
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error(file.string() + " に書き込めません (" + error.message() + ")");
    }
}

} // namespace pf
