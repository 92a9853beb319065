#pragma once
#include <juce_graphics/juce_graphics.h>

#include <optional>

// How the window was left, kept in the registry beside the knob-motion value
// ("HKEY_CURRENT_USER\Software\Brantel\Lumora Window", "... Lumora AlwaysOnTop",
// "... Lumora WindowShade", "... Lumora Unit", "... Lumora Tooltips"), so the
// next start shows it the same way; "... Lumora Size" keeps the panel's size in
// percent, stored when it is chosen.
class WindowMemory {
public:
    struct State {
        std::optional<juce::Point<int>> position;
        bool alwaysOnTop = false;
        bool shade = false;
        bool tooltips = false;
        // The selected unit's name as its button showed it; empty for none.
        juce::String unit;
    };

    static State read();
    static void store(const State& state);
    // The stored size in percent, 0 when none is stored as a whole number.
    static int readSize();
    static void storeSize(int percent);
    // The stored top-left corner if the window lies on one of the screens
    // (by its title bar), else the window centred on the main screen.
    static juce::Rectangle<int> placeOnScreens(juce::Rectangle<int> window,
                                               const juce::Array<juce::Rectangle<int>>& screens,
                                               juce::Rectangle<int> mainScreen);
};
