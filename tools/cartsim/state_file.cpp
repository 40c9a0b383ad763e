#include "tools/cartsim/state_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace cartsim {

namespace {

constexpr std::string_view kStateMagic = "cartsim state 1";
// No entry can be longer than a header and 65535 blocks of data.
constexpr std::size_t kLongestEntry = 128 + 65535ULL * 128;

void writeArea(std::ostream& out, const CartArea& area) {
    out << "area " << area.word() << ' ' << area.garbageBlocks() << ' ' << area.entries().size() << '\n';
    for (const CartEntry& e : area.entries()) {
        out << "entry " << e.bytes().size() << '\n';
        out.write(reinterpret_cast<const char*>(e.bytes().data()),
                  static_cast<std::streamsize>(e.bytes().size()));
    }
}

class StateReader {
  public:
    StateReader(std::istream& in, const std::string& path) : m_in(in), m_path(path) {}

    // The next line, split at blanks; it must start with `keyword`.
    std::istringstream line(std::string_view keyword) {
        std::string text;
        if (!std::getline(m_in, text) || !text.starts_with(keyword)) {
            fail("expected \"" + std::string(keyword) + "\"");
        }
        std::istringstream words(text.substr(keyword.size()));
        return words;
    }

    template <typename T> T number(std::istringstream& words, std::string_view what) {
        T value{};
        if (!(words >> value)) {
            fail("bad " + std::string(what));
        }
        return value;
    }

    void readArea(CartArea& area) {
        auto words = line("area ");
        std::string word;
        words >> word;
        if (word != area.word()) {
            fail("expected the area " + area.word() + ", not \"" + word + "\"");
        }
        const auto garbage = number<std::uint32_t>(words, "block count");
        const auto count = number<std::size_t>(words, "entry count");
        area.setGarbageBlocks(garbage);
        for (std::size_t i = 0; i < count; ++i) {
            readEntry(area);
        }
    }

    [[noreturn]] void fail(const std::string& why) const { throw StateError(m_path + ": " + why); }

  private:
    void readEntry(CartArea& area) {
        auto words = line("entry ");
        const auto size = number<std::size_t>(words, "entry length");
        if (size > kLongestEntry) {
            fail("entry too long");
        }
        std::vector<std::uint8_t> bytes(size);
        if (!m_in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
            fail("file ends inside an entry");
        }
        auto entry = CartEntry::fromBytes(bytes);
        if (!entry) {
            fail("an entry without a valid header");
        }
        const std::string name = entry->name();
        switch (area.store(std::move(*entry))) {
        case StoreResult::Stored:
            return;
        case StoreResult::NameTaken:
            fail("two entries named \"" + name + "\" in " + area.word());
        case StoreResult::Full:
            fail("the entries do not fit into " + area.word() + "'s capacity");
        }
    }

    std::istream& m_in;
    const std::string& m_path;
};

} // namespace

void saveState(const Cartridge& cart, const std::string& path) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << kStateMagic << '\n' << "clock " << cart.clockOffset() << '\n';
        writeArea(out, cart.rom0());
        writeArea(out, cart.ram0());
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw StateError("cannot write " + temporary + " (" + std::strerror(errno) + ")");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw StateError("cannot replace " + path + " (" + reason + ")");
    }
}

void loadState(Cartridge& cart, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw StateError("cannot open " + path + " (" + std::strerror(errno) + ")");
    }
    loadState(cart, in, path);
}

void loadState(Cartridge& cart, std::istream& in, const std::string& path) {
    StateReader reader(in, path);
    std::string magic;
    if (!std::getline(in, magic) || magic != kStateMagic) {
        reader.fail("not a cartsim state file");
    }
    auto clock = reader.line("clock ");
    cart.setClockOffset(reader.number<std::int64_t>(clock, "clock offset"));
    reader.readArea(cart.rom0());
    reader.readArea(cart.ram0());
}

} // namespace cartsim
