#include "tools/hdrgen/command_line.h"

#include <gtest/gtest.h>

namespace hdrgen {
namespace {

struct CommandCase {
    std::vector<std::string> args;
    Job job;
    std::string file;
};

class CommandLineCases : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineCases, ChoosesJobAndFile) {
    const CommandCase& c = GetParam();
    const CommandLine command = parseCommandLine(c.args);
    EXPECT_EQ(command.job, c.job);
    EXPECT_EQ(command.file, c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Args, CommandLineCases,
    ::testing::Values(
        CommandCase{{}, Job::Usage, ""}, CommandCase{{"a.cf"}, Job::Build, "a.cf"},
        CommandCase{{"a.cf", "b.cf", "-i"}, Job::Build, "a.cf"},
        CommandCase{{"-f", "game.bin"}, Job::Wrap, "game.bin"},
        CommandCase{{"-fast", "game.bin"}, Job::Wrap, "game.bin"},
        CommandCase{{"-i", "e.vx"}, Job::List, "e.vx"}, CommandCase{{"-r", "e.vx"}, Job::Split, "e.vx"},
        CommandCase{{"-f", "-i", "e.vx"}, Job::List, "e.vx"},
        CommandCase{{"-i", "-r", "e.vx"}, Job::Split, "e.vx"}, CommandCase{{"-f"}, Job::Usage, ""},
        CommandCase{{"-x", "a.cf"}, Job::Usage, ""}, CommandCase{{"-", "a.cf"}, Job::Usage, ""},
        CommandCase{{"--help"}, Job::Help, ""}, CommandCase{{"--version"}, Job::Version, ""},
        CommandCase{{"--helpme", "a.cf"}, Job::Usage, ""},
        CommandCase{{"a.cf", "--help"}, Job::Build, "a.cf"}, CommandCase{{""}, Job::Build, ""}));

} // namespace
} // namespace hdrgen
