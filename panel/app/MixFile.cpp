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

// A stream cut short, altered or followed by stray bytes does not end with
// the checksum of what it inflated to.
bool inflate(std::string& payload) {
    juce::MemoryInputStream source(payload.data(), payload.size(), false);
    juce::GZIPDecompressorInputStream gzip(source);
    std::string inflated = readLimited(gzip);
    if (!MixFileFormat::endsWithChecksumOf(payload, inflated))
        return false;
    payload = std::move(inflated);
    return true;
}

// The whole file is read and checked before any entry is handed on.
MixFile::Reading readEntries(const juce::File& file, Entries& entries) {
    entries.clear();
    if (file.isDirectory())
        return {MixFile::Status::Unreadable, "it is a folder"};
    juce::FileInputStream in(file);
    if (!in.openedOk())
        return {MixFile::Status::Unreadable, in.getStatus().getErrorMessage()};
    const std::string bytes = readLimited(in);
    if (in.getStatus().failed())
        return {MixFile::Status::Unreadable, in.getStatus().getErrorMessage()};
    if (bytes.empty())
        return {MixFile::Status::Empty, "empty"};
    const MixFileFormat::Form form = MixFileFormat::formOf(bytes);
    if (form == MixFileFormat::Form::Foreign)
        return {MixFile::Status::NotAMix, "not a mix file"};
    std::string payload = MixFileFormat::payloadOf(bytes);
    const bool sound = bytes.size() <= MixFileFormat::kMaxBytes &&
                       (form == MixFileFormat::Form::Plain || inflate(payload)) &&
                       MixFileFormat::parsePayload(payload, entries);
    if (!sound)
        return {MixFile::Status::Damaged, "damaged"};
    return {MixFile::Status::Read, {}};
}

// Unbuffered, so a short write shows at once; writing on after one brings
// the system's reason (a full disk, a size limit) into the stream's status.
juce::Result writeAll(const juce::File& file, const std::string& bytes) {
    juce::FileOutputStream out(file, 0);
    if (!out.openedOk())
        return out.getStatus();
    size_t done = 0;
    while (done < bytes.size()) {
        const juce::int64 before = out.getPosition();
        out.write(bytes.data() + done, bytes.size() - done);
        if (out.getStatus().failed())
            return out.getStatus();
        if (out.getPosition() == before)
            return juce::Result::fail("nothing could be written");
        done += size_t(out.getPosition() - before);
    }
    out.flush();
    return out.getStatus();
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

MixFile::Reading MixFile::load(const juce::File& file, juce::PropertySet& entries) {
    entries.clear();
    Entries read;
    Reading reading = readEntries(file, read);
    for (const MixFileFormat::Entry& entry : read)
        entries.setValue(fromBytes(entry.key), fromBytes(entry.value));
    return reading;
}

juce::Result MixFile::save(const juce::File& chosen, const juce::PropertySet& entries) {
    const juce::File target = withMixExtension(chosen);
    if (target.isDirectory())
        return juce::Result::fail("a folder of that name is in the way");
    Entries merged;
    readEntries(target, merged);
    juce::PropertySet values(entries);  // its list is reachable only through a mutable set
    mergeInto(merged, values.getAllProperties());
    const juce::TemporaryFile temporary(target, juce::TemporaryFile::useHiddenFile);
    juce::Result written = writeAll(temporary.getFile(), MixFileFormat::serialize(merged));
    if (written.failed())
        return written;
    if (!temporary.getFile().replaceFileIn(target))
        return juce::Result::fail("the old file could not be replaced");
    return juce::Result::ok();
}
