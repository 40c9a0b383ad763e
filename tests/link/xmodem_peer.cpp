#include "xmodem_peer.h"

#include "pty_pair.h"

#include <chrono>

namespace pf::test::xmodem {

using namespace std::chrono_literals;

// A block as the peer writes or expects it, built here independently.
std::string block(unsigned number, std::string_view content) {
    std::string data(content);
    data.resize(128, '\x1A');
    unsigned sum = 0;
    for (unsigned char c : data)
        sum += c;
    return std::string{SOH, static_cast<char>(number & 0xFF), static_cast<char>(255 - (number & 0xFF))} +
           data + static_cast<char>(sum & 0xFF);
}

ReceiverLog runReceiver(int fd, const BlockAnswer& answer, const EotAnswer& eotAnswer) {
    ReceiverLog log;
    test::writeAll(fd, std::string(1, NAK));
    std::size_t index = 0;
    int attempt = 0;
    for (;;) {
        const std::string header = test::readExactly(fd, 1, 1500ms);
        if (header.empty())
            return log;
        if (header[0] == EOT) {
            const char reply = eotAnswer ? eotAnswer(log.eots++) : (log.eots++, ACK);
            test::writeAll(fd, std::string(1, reply));
            if (reply == ACK)
                break;
            continue;
        }
        if (header[0] != SOH) {
            log.afterEnd += header;
            log.afterEnd += test::readQuiet(fd);
            return log;
        }
        log.blocks.push_back(header + test::readExactly(fd, 131, 5s));
        const char reply = answer(index, attempt);
        test::writeAll(fd, std::string(1, reply));
        if (reply == ACK) {
            ++index;
            attempt = 0;
        } else {
            ++attempt;
        }
    }
    log.afterEnd = test::readQuiet(fd, 100ms);
    return log;
}

BlockAnswer alwaysAck() {
    return [](std::size_t, int) { return ACK; };
}

std::string runSender(int fd, const std::vector<SendStep>& steps, bool drain) {
    std::string got;
    for (const SendStep& step : steps) {
        if (step.expect != 0) {
            const std::string reply = test::readExactly(fd, 1, 5s);
            got += reply;
            if (reply != std::string(1, step.expect))
                break;
        }
        test::writeAll(fd, step.then);
    }
    if (drain)
        got += test::readQuiet(fd, 100ms);
    return got;
}

std::vector<SendStep> plainSend(const std::string& bytes) {
    std::vector<SendStep> steps;
    char expect = NAK;
    for (std::size_t i = 0; i * 128 < bytes.size(); ++i) {
        steps.push_back({expect, block(i + 1, std::string_view(bytes).substr(i * 128, 128))});
        expect = ACK;
    }
    steps.push_back({expect, std::string(1, EOT)});
    steps.push_back({ACK, ""});
    return steps;
}

} // namespace pf::test::xmodem
