#include "UnitNameText.h"

#include <cstring>

juce::String UnitNameText::buttonText(int unitIndex, const char* nameRead) {
    if (nameRead == nullptr || std::strncmp(nameRead, kUnnamed, kMaxLength) == 0)
        return "Unit " + juce::String(unitIndex + 1);
    return fromUnitBytes(nameRead);
}

void UnitNameText::toUnitBytes(const juce::String& name, char bytes[kMaxLength + 1]) {
    std::memset(bytes, 0, kMaxLength + 1);
    if (name.trim().isEmpty()) {
        std::memcpy(bytes, kUnnamed, kMaxLength);
        return;
    }
    for (int i = 0; i < kMaxLength && i < name.length(); ++i) {
        juce::juce_wchar c = name[i];
        bytes[i] = char(c < 256 ? c : '?');
    }
}

// The unit's bytes are one character each, so every byte value survives.
juce::String UnitNameText::fromUnitBytes(const char* bytes) {
    juce::String name;
    for (int i = 0; i < kMaxLength && bytes[i] != '\0'; ++i)
        name += juce::String::charToString(juce::juce_wchar(static_cast<unsigned char>(bytes[i])));
    return name;
}
