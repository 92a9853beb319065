#include "SnapshotFiles.h"

#include "MixFile.h"

juce::File SnapshotFiles::folder() {
    return MixFile::mixFolder().getChildFile("Snapshots");
}

juce::File SnapshotFiles::file(const std::string& unitPath, int slot) {
    return folder().getChildFile(unitKey(unitPath) + " snapshot " + juce::String(slot) + ".imx");
}

// A unit's path reads "\\?\1394#<device>#<unique id>#{<interface class>}".
juce::String SnapshotFiles::unitKey(const std::string& unitPath) {
    const juce::StringArray parts = juce::StringArray::fromTokens(unitPath, "#", "");
    if (parts.size() >= 4 && parts[2].isNotEmpty() &&
        parts[2].containsOnly("0123456789abcdefABCDEF"))
        return parts[2].toLowerCase();
    return "unit-" + juce::String::toHexString(juce::String(unitPath).hashCode64());
}
