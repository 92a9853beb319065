#pragma once
#include <juce_core/juce_core.h>

#include <string>

// Where a unit's four quick mixes are kept: ordinary mix files in the
// "Snapshots" folder beside the mixes, named after the unit's identity
// (the unique part of its device path), so Load opens them too.
class SnapshotFiles {
public:
    static constexpr int kSlots = 4;

    static juce::File folder();
    // Slot 1 to 4 of the unit behind the device path.
    static juce::File file(const std::string& unitPath, int slot);
    // The identity in a file name: the unit's GUID in its path, else a hash of the path.
    static juce::String unitKey(const std::string& unitPath);
};
