#include "tools/audpak/listing_file.h"

#include <algorithm>
#include <stdexcept>

namespace audpak {

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
}

ListingFile::ListingFile(std::string path) : m_file(std::move(path)) {}

bool ListingFile::open() {
    return m_file.open();
}

void ListingFile::save() {
    flush();
    if (!m_file.commit()) {
        throw ConvertError("cannot write '" + m_file.path() + "'\r\n");
    }
}

void ListingFile::line(std::string_view text) {
    raw(text);
    raw("\r\n");
}

void ListingFile::raw(std::string_view text) {
    m_pending += text;
    if (m_pending.size() >= kFlushSize) {
        flush();
    }
}

std::uint64_t ListingFile::position() {
    return m_flushed + m_pending.size();
}

void ListingFile::rewrite(std::uint64_t at, std::string_view text) {
    if (at + text.size() > position()) {
        throw std::logic_error("listing rewrite past its end");
    }
    // The part that lies in the file already goes there, the rest into
    // the pending bytes.
    if (at < m_flushed) {
        const auto inFile = static_cast<std::size_t>(std::min<std::uint64_t>(text.size(), m_flushed - at));
        writeOut(at, text.substr(0, inFile));
        text.remove_prefix(inFile);
        at += inFile;
    }
    if (text.empty()) {
        return;
    }
    m_pending.replace(static_cast<std::size_t>(at - m_flushed), text.size(), text);
}

void ListingFile::flush() {
    writeOut(m_flushed, m_pending);
    m_flushed += m_pending.size();
    m_pending.clear();
}

void ListingFile::writeOut(std::uint64_t at, std::string_view bytes) {
    if (!m_file.writeAt(at, bytes)) {
        throw ConvertError("cannot write '" + m_file.path() + "'\r\n");
    }
}

} // namespace audpak
