// imgpak: BMP pictures to tiled image resources, entries and C headers.

#include "tools/imgpak/imgpak.h"

#include <climits>
#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The running executable, for the format-file lookup beside it.
std::string programPath(const char* argv0) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) {
        return std::string(buffer, static_cast<std::size_t>(length));
    }
    return argv0 != nullptr ? argv0 : "";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int code = 1;
    try {
        code = imgpak::runImgpak(args, programPath(argc > 0 ? argv[0] : nullptr), std::cout);
    } catch (const std::exception& e) {
        std::cout << "imgpak: " << e.what() << "\r\n";
    }
    std::cout.flush();
    return std::cout.good() ? code : 1;
}
