#include "MixChange.h"

namespace {

struct Words {
    const char* key;
    const char* words;
};

// The key without its section number, and what a person calls it.
const Words kWords[] = {
    {"Phono", "Phono"},
    {"HeadPhones", "Headphones"},
    {"PreampGain", "Input # gain"},
    {"Phantom", "Input # 48 V"},
    {"Limiter", "Input # limit"},
    {"Boost", "Input # boost"},
    {"LeftLine", "Line left"},
    {"RightLine", "Line right"},
    {"Leftfader", "Strip # left fader"},
    {"LeftPan", "Strip # left pan"},
    {"LeftMute", "Strip # left mute"},
    {"Rightfader", "Strip # right fader"},
    {"RightPan", "Strip # right pan"},
    {"RightMute", "Strip # right mute"},
    {"Link", "Strip # link"},
    {"PBfader", "Playback fader"},
    {"PBmute", "Playback mute"},
    {"Mainfader", "Main fader"},
    {"MainMute", "Main mute"},
    {"MixBypass", "Mix bypass"},
};

}  // namespace

juce::String MixChange::firstChangedKey(const juce::StringPairArray& was,
                                        const juce::StringPairArray& is) {
    for (int i = 0; i < was.size(); ++i) {
        juce::String key = was.getAllKeys()[i];
        if (!is.containsKey(key) || is[key] != was.getAllValues()[i])
            return key;
    }
    for (const juce::String& key : is.getAllKeys())
        if (!was.containsKey(key))
            return key;
    return {};
}

juce::String MixChange::describe(const juce::String& key) {
    const juce::String number = key.retainCharacters("0123456789");
    const juce::String bare = key.trimCharactersAtEnd("0123456789");
    for (const Words& words : kWords)
        if (bare == words.key)
            return juce::String(words.words).replace("#", number);
    return key;
}
