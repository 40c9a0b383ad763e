#include "process_runner.h"

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace audpak::test {

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder, const std::vector<std::string>& environment) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        for (const auto& entry : environment) {
            ::putenv(const_cast<char*>(entry.c_str()));
        }
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    ProcessResult result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        result.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace audpak::test
