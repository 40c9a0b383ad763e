// audpak: the sound resource converter.

#include "tools/audpak/audpak_program.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int code = audpak::runAudpak(args, std::cout);
    std::cout.flush();
    return code;
}
