#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <stdexcept>

namespace pf::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pf-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace pf::test
