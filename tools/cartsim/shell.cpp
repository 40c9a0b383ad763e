#include "tools/cartsim/shell.h"

#include "tools/cartsim/reply_format.h"
#include "tools/cartsim/shell_words.h"
#include "tools/cartsim/xmodem_receiver.h"
#include "tools/cartsim/xmodem_sender.h"

#include <algorithm>
#include <map>
#include <thread>

namespace cartsim {

namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kBackspace = 0x08;
constexpr std::uint8_t kDelete = 0x7F;

} // namespace

Shell::Shell(SerialLine& line, Cartridge& cart, const FaultPlan& faults, const XmodemTiming& timing,
             std::function<void()> changed)
    : m_line(line), m_cart(cart), m_faults(faults), m_timing(timing), m_changed(std::move(changed)),
      m_reply(line, faults) {}

void Shell::echo(std::string_view text) {
    if (m_echo || m_faults.echoAlways) {
        m_line.write(text);
    }
}

void Shell::feed(std::uint8_t byte) {
    if (byte == kCr) {
        endLine();
    } else if (byte == kBackspace || byte == kDelete) {
        if (!m_pending.empty()) {
            m_pending.pop_back();
            echo("\b \b");
        }
    } else if (byte >= 0x20 || byte == '\t') {
        if (m_pending.size() < kLongestCommand) {
            m_pending += static_cast<char>(byte);
        } else {
            m_overlong = true;
        }
        echo(std::string_view(reinterpret_cast<const char*>(&byte), 1));
    }
    // LF and the other control bytes between commands are line noise.
}

void Shell::endLine() {
    echo("\r\n");
    const std::string command = std::move(m_pending);
    const bool overlong = m_overlong;
    m_pending.clear();
    m_overlong = false;
    if (overlong) {
        m_reply.begin("");
        m_reply.final(kSyntaxError);
        return;
    }
    execute(command);
}

void Shell::execute(std::string_view commandLine) {
    static const std::map<std::string, Handler, std::less<>> handlers = {
        {"HELO", &Shell::helo},       {"stty", &Shell::stty},     {"ls", &Shell::list},
        {"df", &Shell::df},           {"date", &Shell::date},     {"get", &Shell::get},
        {"put", &Shell::put},         {"delete", &Shell::remove}, {"rename", &Shell::rename},
        {"setinfo", &Shell::setinfo}, {"defrag", &Shell::defrag}, {"newfs", &Shell::newfs},
    };
    const auto words = splitWords(commandLine);
    if (words && words->empty()) {
        return; // an empty line is no command
    }
    m_reply.begin(words ? words->front() : std::string());
    if (!words) {
        m_reply.final(kSyntaxError);
        return;
    }
    const auto handler = handlers.find(words->front());
    if (handler == handlers.end()) {
        m_reply.final(kNotImplemented);
        return;
    }
    (this->*handler->second)(*words);
}

void Shell::changedOk() {
    if (m_changed) {
        m_changed();
    }
    m_reply.final(kOk);
}

void Shell::helo(const Words& words) {
    std::string client;
    for (std::size_t i = 1; i < words.size(); ++i) {
        client += (i > 1 ? " " : "") + words[i];
    }
    m_reply.line(kStarting);
    for (const std::string& text : greetingLines(client, m_cart.rom0(), m_cart.ram0())) {
        m_reply.line(text);
    }
    m_reply.line(kGreetingEnd);
    m_reply.final(kOk);
}

void Shell::stty(const Words& words) {
    if (words.size() != 2 || (words[1] != "-echo" && words[1] != "echo")) {
        m_reply.final(kSyntaxError);
        return;
    }
    m_echo = words[1] == "echo";
    m_reply.final(kOk);
}

void Shell::list(const Words& words) {
    const bool longForm = words.size() == 3 && words[1] == "-l";
    CartArea* const area = longForm ? m_cart.area(words[2]) : nullptr;
    if (!longForm) {
        m_reply.final(kSyntaxError);
        return;
    }
    if (area == nullptr) {
        m_reply.final(kNotAvailable);
        return;
    }
    m_reply.line(kStarting);
    m_reply.line(listingHeader());
    for (const CartEntry& entry : area->entries()) {
        m_reply.line(listingLine(entry));
    }
    m_reply.line(listingFooter(*area));
    m_reply.final(kOk);
}

void Shell::df(const Words& words) {
    if (words.size() != 1) {
        m_reply.final(kSyntaxError);
        return;
    }
    m_reply.line(dfHeader());
    m_reply.line(dfLine(m_cart.rom0()));
    m_reply.line(dfLine(m_cart.ram0()));
    m_reply.final(kOk);
}

void Shell::date(const Words& words) {
    if (words.size() == 1) {
        m_reply.line(kStarting);
        m_reply.line(clockLine(m_cart.now()));
        m_reply.final(kOk);
        return;
    }
    const auto when = words.size() == 2 ? parseClockSetting(words[1]) : std::nullopt;
    if (!when) {
        m_reply.final(kSyntaxError);
        return;
    }
    m_cart.setClock(*when);
    changedOk();
}

std::optional<CartPath> Shell::fileArgument(const Words& words, std::size_t count) {
    auto path = words.size() == count ? m_cart.file(words[1]) : std::nullopt;
    if (!path) {
        m_reply.final(kSyntaxError);
    }
    return path;
}

void Shell::get(const Words& words) {
    const auto path = fileArgument(words, 2);
    if (!path) {
        return;
    }
    const CartEntry* const entry = path->area->find(path->name);
    if (entry == nullptr) {
        m_reply.final(kNotAvailable);
        return;
    }
    const std::vector<std::uint8_t> bytes = entry->bytes();
    m_reply.line(kStarting);
    XmodemSender sender(m_line, m_timing, m_faults.xmodem);
    const TransferEnd end = sender.send(bytes);
    std::this_thread::sleep_for(m_timing.settle);
    m_reply.final(end == TransferEnd::Done ? kOk : kTransferAborted);
}

void Shell::put(const Words& words) {
    CartArea* const area = areaArgument(words);
    if (area == nullptr) {
        return;
    }
    m_reply.line(kStarting);
    // No entry can be longer than the whole area; the header block is the
    // one allowed extra, so that a too long file still gets "452 FS FULL".
    XmodemReceiver receiver(m_line, m_timing, m_faults.xmodem, (area->capacityBlocks() + 1) * 128ULL);
    std::vector<std::uint8_t> bytes;
    const TransferEnd end = receiver.receive(bytes);
    std::this_thread::sleep_for(m_timing.settle);
    if (end != TransferEnd::Done) {
        m_reply.final(kTransferAborted);
        return;
    }
    storeReceived(*area, bytes);
}

void Shell::storeReceived(CartArea& area, const std::vector<std::uint8_t>& bytes) {
    auto entry = CartEntry::fromBytes(bytes);
    if (!entry || !validEntryName(entry->name())) {
        m_reply.final(kLocalError);
        return;
    }
    switch (area.store(std::move(*entry))) {
    case StoreResult::Stored:
        changedOk();
        return;
    case StoreResult::NameTaken:
        m_reply.final(kNotAvailable);
        return;
    case StoreResult::Full:
        m_reply.final(kFsFull);
        return;
    }
}

void Shell::remove(const Words& words) {
    const auto path = fileArgument(words, 2);
    if (!path) {
        return;
    }
    if (!path->area->remove(path->name)) {
        m_reply.final(kNotAvailable);
        return;
    }
    changedOk();
}

void Shell::rename(const Words& words) {
    const auto path = fileArgument(words, 3);
    if (!path) {
        return;
    }
    CartEntry* const entry = path->area->find(path->name);
    const std::string& newName = words[2];
    if (entry == nullptr || (newName != path->name && path->area->find(newName) != nullptr)) {
        m_reply.final(kNotAvailable);
        return;
    }
    if (!validEntryName(newName)) {
        m_reply.final(kLocalError);
        return;
    }
    entry->rename(newName);
    changedOk();
}

void Shell::setinfo(const Words& words) {
    const auto path = fileArgument(words, 3);
    if (!path) {
        return;
    }
    CartEntry* const entry = path->area->find(path->name);
    if (entry == nullptr) {
        m_reply.final(kNotAvailable);
        return;
    }
    entry->setInfo(words[2]);
    changedOk();
}

CartArea* Shell::areaArgument(const Words& words) {
    CartArea* const area = words.size() == 2 ? m_cart.area(words[1]) : nullptr;
    if (area == nullptr) {
        m_reply.final(words.size() == 2 ? kNotAvailable : kSyntaxError);
    }
    return area;
}

void Shell::defrag(const Words& words) {
    if (CartArea* const area = areaArgument(words)) {
        area->defrag();
        changedOk();
    }
}

void Shell::newfs(const Words& words) {
    if (CartArea* const area = areaArgument(words)) {
        area->newfs();
        changedOk();
    }
}

} // namespace cartsim
