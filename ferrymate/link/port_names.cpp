#include "ferrymate/link/port_names.h"

#include <array>
#include <utility>

namespace pf {
namespace {

using DeviceTable = std::array<std::string, kCommPortCount>;

DeviceTable shippedDevices() {
    return {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1"};
}

DeviceTable& devices() {
    static DeviceTable table = shippedDevices();
    return table;
}

// 1..5 for "COM1".."COM5", 0 for every other name.
int comNumber(std::string_view portName) {
    if (portName.size() != 4 || !portName.starts_with("COM"))
        return 0;
    const char digit = portName[3];
    return digit >= '1' && digit <= '0' + kCommPortCount ? digit - '0' : 0;
}

} // namespace

std::string DefaultPortDevice(int number) {
    if (number < 1 || number > kCommPortCount)
        return {};
    return shippedDevices()[static_cast<std::size_t>(number - 1)];
}

bool SetPortDevice(std::string_view portName, std::string device) {
    const int number = comNumber(portName);
    if (number == 0)
        return false;
    devices()[static_cast<std::size_t>(number - 1)] = std::move(device);
    return true;
}

void ResetPortDevices() {
    devices() = shippedDevices();
}

std::string ResolvePortName(std::string_view portName) {
    const int number = comNumber(portName);
    return number == 0 ? std::string(portName) : devices()[static_cast<std::size_t>(number - 1)];
}

} // namespace pf
