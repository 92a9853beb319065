// Reads any bytes as a mix file and checks what the panel would take from it:
// all entries or none, no empty or repeated key, and entries that come back
// unchanged when written and read again.
#include "MixFileFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string file(reinterpret_cast<const char*>(data), size);
    std::vector<MixFileFormat::Entry> entries;
    bool read = MixFileFormat::parsePayload(MixFileFormat::payloadOf(file), entries);
    if (!read) {
        check(entries.empty());
        return 0;
    }
    std::set<std::string> keys;
    for (const MixFileFormat::Entry& entry : entries) {
        check(!entry.key.empty());
        check(keys.insert(entry.key).second);
    }
    std::string written = MixFileFormat::serialize(entries);
    check(MixFileFormat::formOf(written) == MixFileFormat::Form::Plain);
    std::vector<MixFileFormat::Entry> again;
    check(MixFileFormat::parsePayload(MixFileFormat::payloadOf(written), again));
    check(again == entries);
    return 0;
}
