#include "MixKeys.h"

#include <algorithm>
#include <cstdio>

namespace MixKeys {

juce::String name(const MixKey& key, int number) {
    juce::String text(key.name);
    return number == 0 ? text : text + juce::String(number);
}

void write(juce::PropertySet& mix, const MixKey& key, int number, double value) {
    if (key.kind == MixKey::Switch) {
        mix.setValue(name(key, number), value != 0.0 ? "1" : "0");
        return;
    }
    char text[32];
    int length = std::snprintf(text, sizeof text, "%.9g", value);
    // A mix reads the same in every locale: the decimal point is always a dot.
    std::replace(text, text + std::max(0, std::min(length, int(sizeof text) - 1)), ',', '.');
    mix.setValue(name(key, number), juce::String(text));
}

double readNumber(const juce::PropertySet& mix, const MixKey& key, int number) {
    juce::String keyName = name(key, number);
    if (!mix.containsKey(keyName))
        return key.fallback;
    return mix.getValue(keyName).getDoubleValue();
}

bool readSwitch(const juce::PropertySet& mix, const MixKey& key, int number) {
    juce::String keyName = name(key, number);
    if (!mix.containsKey(keyName))
        return key.fallback != 0.0;
    return mix.getValue(keyName).getIntValue() != 0;
}

}  // namespace MixKeys
