#pragma once
// Runs the built hdrgen program in a fresh temporary folder, with
// SOURCE_DATE_EPOCH set, and compares what it prints, returns and writes.

#include "entry_bytes.h"
#include "tests/support/file_contents.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace hdrgen::test {

using pf::test::ProcessResult; // hdrgen never writes to its standard error

class HdrgenProcess : public ::testing::Test {
  protected:
    std::filesystem::path path(const std::string& name) const { return m_dir / name; }

    void write(const std::string& name, const Bytes& bytes) const {
        pf::test::writeFile(path(name).string(),
                            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    void writeText(const std::string& name, const std::string& text) const { write(name, bytesOf(text)); }
    Bytes read(const std::string& name) const {
        const std::string bytes = pf::test::readFile(path(name).string());
        return Bytes(bytes.begin(), bytes.end());
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

    // Runs hdrgen, which must fail with `message` and leave the folder's
    // files as they were.
    void expectRefusal(const std::vector<std::string>& args, const std::string& message) const {
        const auto before = files();
        const auto r = run(args);
        EXPECT_EQ(r.out, message);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(files(), before);
    }

    // Runs hdrgen with `args` in the temporary folder.
    ProcessResult run(const std::vector<std::string>& args, const char* epoch = kEpoch) const {
        return pf::test::runProcess(HDRGEN_BINARY, args, m_dir.string(),
                                    {std::string("SOURCE_DATE_EPOCH=") + epoch});
    }

    pf::test::TempFolder m_folder;
    std::filesystem::path m_dir = m_folder.path();
};

} // namespace hdrgen::test
