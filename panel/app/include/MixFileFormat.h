#pragma once
#include <string>
#include <vector>

// The byte layout of a mix file: "PROP", a signed 32-bit little-endian count,
// then that many key and value strings, each ending with a zero byte. A file
// may also be "CPRP" and a compressed stream of the count and the entries.
// Reading is all or nothing: a damaged file gives no entries at all.
class MixFileFormat {
public:
    struct Entry {
        std::string key;
        std::string value;
        bool operator==(const Entry& other) const {
            return key == other.key && value == other.value;
        }
    };
    enum class Form { Plain, Compressed, Foreign };

    // A mix holds 31 short entries; anything larger than this is not a mix.
    static constexpr size_t kMaxBytes = 1 << 20;

    static Form formOf(const std::string& file);
    // The bytes after the four-byte magic of a "PROP" or "CPRP" file.
    static std::string payloadOf(const std::string& file);
    // Reads the count and the entries. False, with no entries, when the count
    // is negative, the data end before the last entry's zero, bytes follow it,
    // or there are too many bytes. Empty keys are skipped; a later key
    // replaces an earlier one in place.
    static bool parsePayload(const std::string& payload, std::vector<Entry>& entries);
    // Whether a compressed payload ends with the Adler-32 checksum of what it
    // inflated to: a stream cut short, altered or followed by stray bytes does not.
    static bool endsWithChecksumOf(const std::string& compressed, const std::string& inflated);
    static std::string serialize(const std::vector<Entry>& entries);
};
