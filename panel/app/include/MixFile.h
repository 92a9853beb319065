#pragma once
#include <juce_core/juce_core.h>

// Mix files on disk: reading one into a property set and writing a set over
// one, keeping the order of the entries and the entries of other programs.
// The file dialogs hand these a file; nothing here asks the user anything.
class MixFile {
public:
    enum class Status { Read, Unreadable, Empty, NotAMix, Damaged };
    // What a read found; when it failed, the reason the user is shown.
    struct Reading {
        Status status;
        juce::String reason;
        explicit operator bool() const { return status == Status::Read; }
    };

    // "Lumora_1394" in the user's application-data folder.
    static juce::File mixFolder();
    // The file with the extension "imx": Mix.txt becomes Mix.imx, Mix Mix.imx.
    static juce::File withMixExtension(const juce::File& chosen);

    // Replaces the set's entries with the file's, in the file's order. The
    // whole file is checked first: one that cannot be read, is empty, is no
    // mix or is damaged leaves the set empty and says which.
    static Reading load(const juce::File& file, juce::PropertySet& entries);
    // Writes the entries to the chosen file with the extension "imx": a sound
    // file there keeps its entries and their order, the set's values replacing
    // theirs and its new keys appended; an unreadable one is replaced whole.
    // The file is replaced in one step; on failure it stays as it was and the
    // result gives the reason.
    static juce::Result save(const juce::File& chosen, const juce::PropertySet& entries);
};
