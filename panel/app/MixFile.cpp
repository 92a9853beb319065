#include "MixFile.h"

#include "MixFileFormat.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<MixFileFormat::Entry>;

// The file's strings are one byte per character, so every byte survives a
// round trip through juce::String.
juce::String fromBytes(const std::string& bytes) {
    std::wstring wide(bytes.size(), L'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        wide[i] = wchar_t(static_cast<unsigned char>(bytes[i]));
    return juce::String(wide.c_str());
}

std::string toBytes(const juce::String& text) {
    std::string bytes;
    for (juce::juce_wchar c : text)
        bytes.push_back(char(c < 256 ? c : '?'));
    return bytes;
}

// At most one byte more than a mix may hold, so an oversized file shows as such.
std::string readLimited(juce::InputStream& in) {
    juce::MemoryBlock block;
    in.readIntoMemoryBlock(block, juce::pointer_sized_int(MixFileFormat::kMaxBytes) + 1);
    return std::string(static_cast<const char*>(block.getData()), block.getSize());
}

// A broken stream ends early, which the entries' reader then finds.
std::string inflate(const std::string& compressed) {
    juce::MemoryInputStream source(compressed.data(), compressed.size(), false);
    juce::GZIPDecompressorInputStream gzip(source);
    return readLimited(gzip);
}

bool readEntries(const juce::File& file, Entries& entries) {
    entries.clear();
    juce::FileInputStream in(file);
    if (!in.openedOk())
        return false;
    std::string bytes = readLimited(in);
    std::string payload = MixFileFormat::payloadOf(bytes);
    switch (MixFileFormat::formOf(bytes)) {
    case MixFileFormat::Form::Plain: break;
    case MixFileFormat::Form::Compressed: payload = inflate(payload); break;
    case MixFileFormat::Form::Foreign: return false;
    }
    return MixFileFormat::parsePayload(payload, entries);
}

void mergeInto(Entries& entries, const juce::StringPairArray& values) {
    for (int i = 0; i < values.size(); ++i) {
        std::string key = toBytes(values.getAllKeys()[i]);
        std::string value = toBytes(values.getAllValues()[i]);
        if (key.empty())
            continue;
        auto same = [&](const MixFileFormat::Entry& entry) { return entry.key == key; };
        auto found = std::find_if(entries.begin(), entries.end(), same);
        if (found != entries.end())
            found->value = value;
        else
            entries.push_back({key, value});
    }
}

}  // namespace

// JUCE finds the application-data folder without looking at $XDG_CONFIG_HOME,
// where the registry of the platform layer lives; the mixes follow the registry.
// Windows has its own folder (%APPDATA%) and no such variable.
juce::File MixFile::mixFolder() {
    const bool windows =
        (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) != 0;
    juce::String config =
        windows ? juce::String() : juce::SystemStats::getEnvironmentVariable("XDG_CONFIG_HOME", {});
    juce::File appData =
        juce::File::isAbsolutePath(config)
            ? juce::File(config)
            : juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory);
    return appData.getChildFile("Lumora_1394");
}

juce::File MixFile::withMixExtension(const juce::File& chosen) {
    return chosen.withFileExtension("imx");
}

bool MixFile::load(const juce::File& file, juce::PropertySet& entries) {
    entries.clear();
    Entries read;
    if (!readEntries(file, read))
        return false;
    for (const MixFileFormat::Entry& entry : read)
        entries.setValue(fromBytes(entry.key), fromBytes(entry.value));
    return true;
}

bool MixFile::save(const juce::File& chosen, const juce::PropertySet& entries) {
    juce::File target = withMixExtension(chosen);
    Entries merged;
    readEntries(target, merged);
    juce::PropertySet values(entries);  // its list is reachable only through a mutable set
    mergeInto(merged, values.getAllProperties());
    std::string bytes = MixFileFormat::serialize(merged);
    juce::TemporaryFile temporary(target, juce::TemporaryFile::useHiddenFile);
    {
        juce::FileOutputStream out(temporary.getFile());
        if (!out.openedOk() || !out.write(bytes.data(), bytes.size()))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }
    return temporary.getFile().replaceFileIn(target);
}
