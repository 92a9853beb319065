#include "TempDir.h"

#include <cstdlib>
#include <filesystem>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
    char* made = ::mkdtemp(&pattern[0]);
    path_ = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
