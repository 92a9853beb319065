#pragma once
#include <juce_core/juce_core.h>

#include <vector>

// The entries of a mix as the panel writes them: their keys in the order of a
// new file, their kind, their defaults, and how a value becomes text and back.
class MixValues {
public:
    struct Key {
        const char* name;
        bool isFlag;
        double defaultValue;  // 0 or 1 for a flag
    };

    // The 31 keys, "Phono" first and "MixBypass" last.
    static const std::vector<Key>& keys();

    // "%.9g" whatever the locale: 128, 127.5.
    static juce::String numberText(double value);
    static juce::String flagText(bool on) { return on ? "1" : "0"; }
    static void setNumber(juce::PropertySet& mix, const juce::String& key, double value);
    static void setFlag(juce::PropertySet& mix, const juce::String& key, bool on);
    // A missing key gives the fallback; a flag is on when its text reads as a
    // non-zero integer.
    static double number(const juce::PropertySet& mix, const juce::String& key, double fallback);
    static bool flag(const juce::PropertySet& mix, const juce::String& key);
    // The value under the key, or its default when missing.
    static double valueOrDefault(const juce::PropertySet& mix, const Key& key);
};
