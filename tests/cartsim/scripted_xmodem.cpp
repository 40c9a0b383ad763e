#include "tests/cartsim/scripted_xmodem.h"

namespace cartsim::test {

std::vector<std::uint8_t> packet(std::uint8_t number, std::vector<std::uint8_t> data, bool spoil) {
    data.resize(128, 0x1A);
    std::uint8_t sum = 0;
    for (std::uint8_t b : data) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    std::vector<std::uint8_t> bytes{0x01, number, static_cast<std::uint8_t>(255 - number)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.push_back(spoil ? static_cast<std::uint8_t>(sum + 1) : sum);
    return bytes;
}

ReceivedFile receiveFile(Client& client, std::chrono::milliseconds timeout) {
    ReceivedFile file;
    client.write("\x15");
    std::uint8_t expected = 1;
    for (;;) {
        const auto header = client.byte(timeout);
        if (!header || *header == 0x18) {
            file.cancelled = header.has_value();
            return file;
        }
        if (*header == 0x04) {
            client.write("\x06");
            file.endedWithEot = true;
            return file;
        }
        std::vector<std::uint8_t> rest;
        for (int i = 0; i < 131; ++i) {
            const auto b = client.byte(timeout);
            if (!b) {
                return file;
            }
            rest.push_back(*b);
        }
        std::uint8_t sum = 0;
        for (int i = 2; i < 130; ++i) {
            sum = static_cast<std::uint8_t>(sum + rest[i]);
        }
        const bool good =
            *header == 0x01 && rest[0] == expected && rest[1] == 255 - expected && rest[130] == sum;
        file.blockGood.push_back(good);
        if (good) {
            file.data.insert(file.data.end(), rest.begin() + 2, rest.begin() + 130);
            ++expected;
        }
        client.write(good ? "\x06" : "\x15");
    }
}

std::uint8_t sendPacket(Client& client, const std::vector<std::uint8_t>& bytes,
                        std::chrono::milliseconds timeout) {
    client.write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return client.byte(timeout).value_or(0);
}

} // namespace cartsim::test
