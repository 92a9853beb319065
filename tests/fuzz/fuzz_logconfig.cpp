// Reads any bytes as the library's log configuration file, then logs through
// the configuration it made: type names, prefixes, the log file with its
// backup. Slashes become underscores and the target works in its scratch
// folder, so a log file named by the input lands there and nowhere else.
#include "FuzzScratch.h"
#include "LogConfig.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void enterScratch() {
    static const int entered = ::chdir(FuzzScratch::folder().c_str());
    if (entered != 0)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    enterScratch();
    std::vector<uint8_t> text(data, data + size);
    for (uint8_t& byte : text)
        if (byte == '/')
            byte = '_';
    const std::string file = FuzzScratch::path("fuzz.cfg");
    if (!FuzzScratch::writeFile(file, text.data(), text.size()))
        return 0;
    {
        LogConfig config;
        config.ConfigureFrom(file);
        for (DWORD type = 1; type != 0; type <<= 1)
            config.Log(type, "entry of type 0x%08X: %s\n", unsigned(type), "text");
    }
    FuzzScratch::clear();
    return 0;
}
