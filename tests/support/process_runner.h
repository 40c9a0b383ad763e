#pragma once
// Runs a program as a child process in a given folder and collects what it
// writes to its standard output and standard error, and its exit code.

#include <string>
#include <vector>

namespace pf::test {

struct ProcessResult {
    std::string out; // standard output (and standard error, when merged)
    std::string err; // standard error, when kept apart
    int code = -1;   // the exit code; -1 when the program did not exit normally
};

enum class ErrorOutput {
    Apart,      // collected in ProcessResult::err
    WithOutput, // goes to ProcessResult::out, in the order written
};

// `environment` changes this process's own environment for the child:
// "NAME=value" sets a variable, a bare "NAME" removes it.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder, const std::vector<std::string>& environment = {},
                         ErrorOutput errors = ErrorOutput::Apart);

} // namespace pf::test
