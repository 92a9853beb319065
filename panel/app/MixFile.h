#pragma once
#include <juce_core/juce_core.h>

// Mix files on disk: reading one into a property set and writing a set over
// one, keeping the order of the entries and the entries of other programs.
// The file dialogs hand these a file; nothing here asks the user anything.
class MixFile {
public:
    // "Lumora_1394" in the user's application-data folder.
    static juce::File mixFolder();
    // The file with the extension "imx": Mix.txt becomes Mix.imx, Mix Mix.imx.
    static juce::File withMixExtension(const juce::File& chosen);

    // Replaces the set's entries with the file's, in the file's order. An
    // unreadable, foreign or damaged file leaves the set empty and gives false.
    static bool load(const juce::File& file, juce::PropertySet& entries);
    // Writes the entries to the chosen file with the extension "imx": a sound
    // file there keeps its entries and their order, the set's values replacing
    // theirs and its new keys appended. The file is replaced in one step; on
    // failure it stays as it was and the result is false.
    static bool save(const juce::File& chosen, const juce::PropertySet& entries);
};
