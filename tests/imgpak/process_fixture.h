#pragma once
// Runs the built imgpak program in a fresh temporary folder and compares
// what it prints, returns and writes.

#include "test_pictures.h"
#include "tests/support/file_contents.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace imgpak::test {

using pf::test::ProcessResult;

// A fresh temporary folder for each test, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    std::filesystem::path path(const std::string& name) const { return m_dir / name; }

    pf::test::TempFolder m_folder;
    std::filesystem::path m_dir = m_folder.path();
};

class ImgpakProcess : public TempFolderTest {
  protected:
    void write(const std::string& name, const Bytes& bytes) const {
        pf::test::writeFile(path(name).string(),
                            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    void writeText(const std::string& name, const std::string& text) const {
        write(name, Bytes(text.begin(), text.end()));
    }
    Bytes read(const std::string& name) const {
        const std::string bytes = pf::test::readFile(path(name).string());
        return Bytes(bytes.begin(), bytes.end());
    }
    std::string readText(const std::string& name) const { return pf::test::readFile(path(name).string()); }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    // Runs imgpak with `args` in the temporary folder, without
    // SOURCE_DATE_EPOCH unless `environment` ("NAME=value") sets it; what it
    // writes to its standard error is taken with its standard output.
    ProcessResult run(const std::vector<std::string>& args, const std::string& environment = "") const {
        std::vector<std::string> settings{"SOURCE_DATE_EPOCH"};
        if (!environment.empty()) {
            settings.push_back(environment);
        }
        return pf::test::runProcess(IMGPAK_BINARY, args, m_dir.string(), settings,
                                    pf::test::ErrorOutput::WithOutput);
    }
};

} // namespace imgpak::test
