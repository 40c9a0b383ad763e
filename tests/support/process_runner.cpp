#include "tests/support/process_runner.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pf::test {
namespace {

// In the child: the folder, the environment and the program.
[[noreturn]] void startProgram(const std::string& program, const std::vector<std::string>& args,
                               const std::string& folder, const std::vector<std::string>& environment) {
    if (::chdir(folder.c_str()) != 0) {
        ::_exit(127);
    }
    for (const auto& entry : environment) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos) {
            ::unsetenv(entry.c_str());
        } else {
            ::setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
    }
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

// Reads both pipes to their ends, whichever has bytes first, so that a
// program filling one of them cannot stall.
void drain(int outFd, int errFd, ProcessResult& result) {
    std::array<pollfd, 2> fds{pollfd{outFd, POLLIN, 0}, pollfd{errFd, POLLIN, 0}};
    std::array<std::string*, 2> texts{&result.out, &result.err};
    int open = errFd >= 0 ? 2 : 1;
    while (open > 0) {
        if (::poll(fds.data(), static_cast<nfds_t>(fds.size()), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                texts[i]->append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder, const std::vector<std::string>& environment,
                         ErrorOutput errors) {
    const bool apart = errors == ErrorOutput::Apart;
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || (apart && ::pipe2(err, O_CLOEXEC) != 0)) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(apart ? err[1] : out[1], STDERR_FILENO);
        startProgram(program, args, folder, environment);
    }
    ::close(out[1]);
    if (apart) {
        ::close(err[1]);
    }
    ProcessResult result;
    if (child < 0) {
        ::close(out[0]);
        if (apart) {
            ::close(err[0]);
        }
        return result;
    }
    drain(out[0], err[0], result);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace pf::test
