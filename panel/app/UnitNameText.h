#pragma once
#include <juce_core/juce_core.h>

// The rules of a unit's name as the unit selector shows and edits it: six
// characters of one byte each kept in the unit, "Unit #" while unnamed.
class UnitNameText {
public:
    static constexpr int kMaxLength = 6;
    static constexpr const char* kUnnamed = "Unit #";

    // The caption of the button at the index: the name read from the unit, or
    // "Unit " and the button's number when the unit is unnamed or unreadable.
    static juce::String buttonText(int unitIndex, const char* nameRead);
    // The six bytes the unit stores, zero after a short name; characters past
    // the sixth are dropped and those beyond one byte become '?'. An empty or
    // blank name is the unnamed state "Unit #".
    static void toUnitBytes(const juce::String& name, char bytes[kMaxLength + 1]);
    // A name as the unit returned it: up to six bytes, ending at a zero byte.
    static juce::String fromUnitBytes(const char* bytes);
};
