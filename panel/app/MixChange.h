#pragma once
#include <juce_core/juce_core.h>

// What differs between two mixes, in the words a person reads in a menu
// ("Undo Main fader").
class MixChange {
public:
    // The first key, in the first mix's order, whose value differs (or that
    // only one of them holds); empty when the mixes are the same.
    static juce::String firstChangedKey(const juce::StringPairArray& before,
                                        const juce::StringPairArray& after);
    // "Main fader" for "Mainfader", "Strip 1 left pan" for "LeftPan1", ...
    static juce::String describe(const juce::String& key);
};
