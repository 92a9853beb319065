#include "MixValues.h"

#include <cstdio>

namespace {

std::vector<MixValues::Key> makeKeys() {
    std::vector<MixValues::Key> keys = {{"Phono", true, 0}, {"HeadPhones", false, 0}};
    static const char* const kInput[] = {"PreampGain1", "Phantom1", "Limiter1", "Boost1",
                                         "PreampGain2", "Phantom2", "Limiter2", "Boost2"};
    for (int i = 0; i < 8; ++i)
        keys.push_back({kInput[i], i % 4 != 0, 0});
    keys.push_back({"LeftLine", false, 0});
    keys.push_back({"RightLine", false, 0});
    static const char* const kChannels[] = {
        "Leftfader1", "LeftPan1", "LeftMute1", "Rightfader1", "RightPan1", "RightMute1", "Link1",
        "Leftfader2", "LeftPan2", "LeftMute2", "Rightfader2", "RightPan2", "RightMute2", "Link2"};
    static const bool kChannelFlags[] = {false, false, true, false, false, true, true};
    for (int i = 0; i < 14; ++i)
        keys.push_back({kChannels[i], kChannelFlags[i % 7], 0});
    keys.push_back({"PBfader", false, 255});
    keys.push_back({"PBmute", true, 0});
    keys.push_back({"Mainfader", false, 255});
    keys.push_back({"MainMute", true, 0});
    keys.push_back({"MixBypass", true, 0});
    return keys;
}

}  // namespace

const std::vector<MixValues::Key>& MixValues::keys() {
    static const std::vector<Key> all = makeKeys();
    return all;
}

juce::String MixValues::numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return juce::String(text).replaceCharacter(',', '.');
}

void MixValues::setNumber(juce::PropertySet& mix, const juce::String& key, double value) {
    mix.setValue(key, numberText(value));
}

void MixValues::setFlag(juce::PropertySet& mix, const juce::String& key, bool on) {
    mix.setValue(key, flagText(on));
}

double MixValues::number(const juce::PropertySet& mix, const juce::String& key, double fallback) {
    return mix.containsKey(key) ? mix.getValue(key).getDoubleValue() : fallback;
}

bool MixValues::flag(const juce::PropertySet& mix, const juce::String& key) {
    return mix.getValue(key).getIntValue() != 0;
}

double MixValues::valueOrDefault(const juce::PropertySet& mix, const Key& key) {
    if (key.isFlag)
        return mix.containsKey(key.name) ? (flag(mix, key.name) ? 1 : 0) : key.defaultValue;
    return number(mix, key.name, key.defaultValue);
}
