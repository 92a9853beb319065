#pragma once
#include "RegistryValue.h"

#include <optional>

// The knob-motion preference: circular (drag round the knob) or linear (drag
// up and down), kept as the text "Circular" or "Linear" in the registry.
class KnobMotion {
public:
    static constexpr const char* kValuePath = "HKEY_CURRENT_USER\\Software\\Brantel\\Lumora";
    static constexpr const char* kCircular = "Circular";
    static constexpr const char* kLinear = "Linear";
    // The entries of the "Knob Motion" submenu.
    static constexpr int kCircularItem = 3;
    static constexpr int kLinearItem = 4;

    // The stored text, "Circular" when there is none or it cannot be read.
    static juce::String readStored();
    // Stores the choice; a failed write changes nothing for this run.
    static bool store(bool circular);
    // Circular (true) or linear (false) for "Circular" and "Linear" exactly;
    // any other text, "linear" too, leaves the knobs as they were built.
    static std::optional<bool> decode(const juce::String& stored);
    // The motion a menu result chooses; none when the menu was dismissed.
    static std::optional<bool> chosen(int menuResult);
};
