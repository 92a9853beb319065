#pragma once
// A private folder for the files a fuzz target hands to the code under test,
// made on first use and removed at exit. The simulated bus and the registry
// of the process live in it too, so a target never touches the user's own.
#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzScratch {

const std::string& folder();
// folder()/name
std::string path(const char* name);
// Removes every file the last input left behind.
void clear();
bool writeFile(const std::string& file, const uint8_t* data, size_t size);

}  // namespace FuzzScratch
