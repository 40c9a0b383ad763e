// hdrgen: builds, wraps, lists and splits Pocketforge file entries.

#include "tools/hdrgen/hdrgen.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int code = 1;
    try {
        code = hdrgen::runHdrgen(args, std::cout);
    } catch (const std::exception& e) {
        std::cout << "hdrgen: " << e.what() << "\r\n";
    }
    std::cout.flush();
    return std::cout.good() ? code : 1;
}
