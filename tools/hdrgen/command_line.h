#pragma once
// hdrgen's command line: options before the file argument, each known by
// its second character alone, and the file argument.

#include <string>
#include <vector>

namespace hdrgen {

enum class Job {
    Usage,   // print the usage text, exit code 1
    Help,    // --help
    Version, // --version
    Build,   // build from the config file
    Wrap,    // -f: wrap a plain file
    List,    // -i
    Split,   // -r
};

struct CommandLine {
    Job job = Job::Usage;
    std::string file;
};

// `args` without the program name. "--help" and "--version" count only where
// an option may stand; any other unknown option asks for the usage text.
CommandLine parseCommandLine(const std::vector<std::string>& args);

} // namespace hdrgen
