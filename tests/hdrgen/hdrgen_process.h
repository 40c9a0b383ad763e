#pragma once
// Runs the built hdrgen program in a fresh temporary folder, with
// SOURCE_DATE_EPOCH set, and compares what it prints, returns and writes.

#include "entry_bytes.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace hdrgen::test {

struct ProcessResult {
    std::string out; // standard output
    std::string err; // standard error, which hdrgen never uses
    int code = -1;
};

class HdrgenProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "hdrgen-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path path(const std::string& name) const { return m_dir / name; }

    void write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void writeText(const std::string& name, const std::string& text) const { write(name, bytesOf(text)); }
    Bytes read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_dir)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs hdrgen with `args` in the temporary folder.
    ProcessResult run(const std::vector<std::string>& args, const char* epoch = kEpoch) const {
        int out[2];
        int err[2];
        EXPECT_EQ(::pipe(out), 0);
        EXPECT_EQ(::pipe(err), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            ::close(out[0]);
            ::close(err[0]);
            if (::chdir(m_dir.c_str()) != 0) {
                ::_exit(127);
            }
            std::vector<char*> argv{const_cast<char*>(HDRGEN_BINARY)};
            for (const auto& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            ::setenv("SOURCE_DATE_EPOCH", epoch, 1);
            ::execv(HDRGEN_BINARY, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        ProcessResult result;
        result.out = drain(out[0]);
        result.err = drain(err[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

  private:
    // Reads the pipe to its end. The outputs are small, so reading one
    // pipe after the other cannot block the program.
    static std::string drain(int fd) {
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
            if (n < 0) {
                break;
            }
            text.append(buffer, static_cast<std::size_t>(n));
        }
        ::close(fd);
        return text;
    }

    std::filesystem::path m_dir;
};

} // namespace hdrgen::test
