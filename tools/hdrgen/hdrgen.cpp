#include "tools/hdrgen/hdrgen.h"

#include "tools/hdrgen/command_line.h"
#include "tools/hdrgen/entry_builder.h"
#include "tools/hdrgen/entry_lister.h"
#include "tools/hdrgen/entry_splitter.h"
#include "tools/hdrgen/help_text.h"
#include "tools/hdrgen/input_file.h"
#include "tools/hdrgen/message.h"

#include <fstream>

namespace hdrgen {
namespace {

int buildFromConfig(const std::string& configPath, std::ostream& out) {
    // Only a regular file counts as a config: a folder would open but not
    // read, and a pipe would wait for a writer.
    if (!InputFile::open(configPath)) {
        out << cannotOpen(configPath);
        return 1;
    }
    std::ifstream in(configPath, std::ios::binary);
    if (!in) {
        out << cannotOpen(configPath);
        return 1;
    }
    const ConfigReading reading = readEntryConfig(in, configPath);
    if (reading.error) {
        out << *reading.error;
        return 1;
    }
    if (in.bad()) {
        out << formatMessage("cannot read '%s'\r\n", configPath.c_str());
        return 1;
    }
    return buildEntry(reading.config, out);
}

} // namespace

int runHdrgen(const std::vector<std::string>& args, std::ostream& out) {
    const CommandLine command = parseCommandLine(args);
    switch (command.job) {
    case Job::Usage:
        out << kUsageText;
        return 1;
    case Job::Help:
        out << kUsageText << kHelpText;
        return 0;
    case Job::Version:
        out << kVersionText;
        return 0;
    case Job::Build:
        return buildFromConfig(command.file, out);
    case Job::Wrap:
        return buildEntry(plainFileConfig(command.file), out);
    case Job::List:
        return listEntryFile(command.file, out);
    case Job::Split:
        return splitEntryFile(command.file, out);
    }
    return 1;
}

} // namespace hdrgen
