#include "tools/hdrgen/command_line.h"

namespace hdrgen {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    bool wrap = false;
    bool list = false;
    bool split = false;
    for (const std::string& arg : args) {
        if (arg.empty() || arg[0] != '-') {
            // The first file argument ends the options; later ones are ignored.
            Job job = Job::Build;
            if (split) {
                job = Job::Split;
            } else if (list) {
                job = Job::List;
            } else if (wrap) {
                job = Job::Wrap;
            }
            return {job, arg};
        }
        if (arg == "--help") {
            return {Job::Help, {}};
        }
        if (arg == "--version") {
            return {Job::Version, {}};
        }
        switch (arg.size() > 1 ? arg[1] : '\0') {
        case 'f':
            wrap = true;
            break;
        case 'i':
            list = true;
            break;
        case 'r':
            split = true;
            break;
        default:
            return {Job::Usage, {}};
        }
    }
    return {Job::Usage, {}};
}

} // namespace hdrgen
