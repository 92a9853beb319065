#include "MixFileFormat.h"

#include <cstdint>
#include <unordered_map>

namespace {

const char kPlainMagic[] = "PROP";
const char kCompressedMagic[] = "CPRP";
constexpr size_t kMagicSize = 4;

void appendInt32(std::string& out, int32_t value) {
    uint32_t bits = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((bits >> shift) & 0xFF));
}

// The zero-terminated string at the position, which moves past its zero.
bool readString(const std::string& data, size_t& position, std::string& text) {
    size_t end = data.find('\0', position);
    if (end == std::string::npos)
        return false;
    text.assign(data, position, end - position);
    position = end + 1;
    return true;
}

// Keeps the entries in the order of their first appearance, the last value winning.
class EntryList {
public:
    void set(std::string key, std::string value) {
        auto found = index_.find(key);
        if (found != index_.end()) {
            entries_[found->second].value = std::move(value);
            return;
        }
        index_.emplace(key, entries_.size());
        entries_.push_back({std::move(key), std::move(value)});
    }
    std::vector<MixFileFormat::Entry> take() { return std::move(entries_); }

private:
    std::vector<MixFileFormat::Entry> entries_;
    std::unordered_map<std::string, size_t> index_;
};

}  // namespace

MixFileFormat::Form MixFileFormat::formOf(const std::string& file) {
    std::string magic = file.substr(0, kMagicSize);
    if (magic == kPlainMagic)
        return Form::Plain;
    return magic == kCompressedMagic ? Form::Compressed : Form::Foreign;
}

std::string MixFileFormat::payloadOf(const std::string& file) {
    return file.size() > kMagicSize ? file.substr(kMagicSize) : std::string();
}

bool MixFileFormat::parsePayload(const std::string& payload, std::vector<Entry>& entries) {
    entries.clear();
    if (payload.size() < 4 || payload.size() > kMaxBytes)
        return false;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = bits << 8 | uint8_t(payload[size_t(i)]);
    int32_t count = int32_t(bits);
    if (count < 0)
        return false;
    EntryList read;
    size_t position = 4;
    for (int32_t i = 0; i < count; ++i) {
        std::string key, value;
        if (!readString(payload, position, key) || !readString(payload, position, value))
            return false;
        if (!key.empty())
            read.set(std::move(key), std::move(value));
    }
    if (position != payload.size())
        return false;
    entries = read.take();
    return true;
}

bool MixFileFormat::endsWithChecksumOf(const std::string& compressed, const std::string& inflated) {
    if (compressed.size() < 4)
        return false;
    uint32_t low = 1, high = 0;
    for (char c : inflated) {
        low = (low + uint8_t(c)) % 65521;
        high = (high + low) % 65521;
    }
    uint32_t stored = 0;
    for (size_t i = compressed.size() - 4; i < compressed.size(); ++i)
        stored = stored << 8 | uint8_t(compressed[i]);
    return stored == (high << 16 | low);
}

std::string MixFileFormat::serialize(const std::vector<Entry>& entries) {
    std::string out(kPlainMagic, kMagicSize);
    appendInt32(out, int32_t(entries.size()));
    for (const Entry& entry : entries) {
        out += entry.key;
        out.push_back('\0');
        out += entry.value;
        out.push_back('\0');
    }
    return out;
}
