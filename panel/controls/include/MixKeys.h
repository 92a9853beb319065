#pragma once
#include <juce_core/juce_core.h>

// One entry that a section writes into a mix: the key (the section's number is
// appended to it), what it holds and what a mix without it loads.
struct MixKey {
    enum Kind { Number, Switch };
    const char* name;
    Kind kind;
    double fallback;
};

// Reading and writing a section's entries of a mix. Numbers are written as
// "%.9g" ("128", "127.5"), switches as "1" or "0".
namespace MixKeys {

// "Leftfader" of strip 1 is "Leftfader1"; number 0 appends nothing.
juce::String name(const MixKey& key, int number);
void write(juce::PropertySet& mix, const MixKey& key, int number, double value);
// The stored number, or the key's fallback when the mix lacks the key.
double readNumber(const juce::PropertySet& mix, const MixKey& key, int number);
// On when the text reads as a non-zero integer; the fallback when missing.
bool readSwitch(const juce::PropertySet& mix, const MixKey& key, int number);

}  // namespace MixKeys
