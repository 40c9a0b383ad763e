#pragma once
// Runs the built imgpak program in a fresh temporary folder and compares
// what it prints, returns and writes.

#include "test_pictures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace imgpak::test {

struct ProcessResult {
    std::string out; // standard output and standard error together
    int code = -1;
};

// A fresh temporary folder for each test, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "imgpak-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path path(const std::string& name) const { return m_dir / name; }

    std::filesystem::path m_dir;
};

class ImgpakProcess : public TempFolderTest {
  protected:
    void write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void writeText(const std::string& name, const std::string& text) const {
        write(name, Bytes(text.begin(), text.end()));
    }
    Bytes read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::string readText(const std::string& name) const {
        const Bytes b = read(name);
        return std::string(b.begin(), b.end());
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    // Runs imgpak with `args` in the temporary folder; `environment` is a
    // list of NAME=value words put before the program.
    ProcessResult run(const std::vector<std::string>& args, const std::string& environment = "") const {
        std::string command = "cd " + quote(m_dir.string()) + " && env -u SOURCE_DATE_EPOCH " + environment +
                              " " + quote(IMGPAK_BINARY);
        for (const auto& arg : args) {
            command += " " + quote(arg);
        }
        command += " 2>&1";
        ProcessResult result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return result;
        }
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            result.out.append(buffer, got);
        }
        const int status = ::pclose(pipe);
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

  private:
    static std::string quote(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text) {
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return quoted + "'";
    }
};

} // namespace imgpak::test
