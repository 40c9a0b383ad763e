#include "tools/cartsim/reply_writer.h"

#include <string>
#include <thread>

namespace cartsim {

void ReplyWriter::begin(std::string_view command) {
    const auto& silent = m_faults.silentBeforeFinal;
    m_silentFinal = silent && (*silent == "*" || *silent == command);
}

void ReplyWriter::send(std::string_view text) {
    std::string wire;
    if (m_faults.canBeforeReply) {
        wire += "\x18\x18";
    }
    wire += text;
    wire += "\r\n";
    m_line.write(wire);
}

void ReplyWriter::line(std::string_view text) {
    if (!m_faults.crInLine) {
        send(text);
        return;
    }
    std::string broken(text);
    broken.insert(broken.size() / 2, 1, '\r');
    send(broken);
}

void ReplyWriter::final(std::string_view code) {
    if (m_faults.pauseBeforeFinal.count() > 0) {
        std::this_thread::sleep_for(m_faults.pauseBeforeFinal);
    }
    if (m_silentFinal) {
        return;
    }
    send(code);
    if (!m_faults.bytesAfterReply.empty()) {
        m_line.write(m_faults.bytesAfterReply);
    }
}

} // namespace cartsim
