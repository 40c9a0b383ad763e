#pragma once
// Runs a program as a child process in a given folder and collects its
// standard output and exit code.

#include <string>
#include <utility>
#include <vector>

namespace audpak::test {

struct ProcessResult {
    std::string output;
    int exitCode = -1;
};

// `environment` entries ("NAME=value") are added to this process's own.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder, const std::vector<std::string>& environment = {});

} // namespace audpak::test
