#include "WindowMemory.h"

#include "RegistryValue.h"

namespace {

bool readFlag(const char* name) {
    return RegistryValue::panelValue(name).read("0") == "1";
}

void storeFlag(const char* name, bool on) {
    RegistryValue::panelValue(name).write(on ? "1" : "0");
}

// "x y", two whole numbers.
std::optional<juce::Point<int>> readPosition() {
    const juce::StringArray numbers =
        juce::StringArray::fromTokens(RegistryValue::panelValue("Window").read({}), " ", "");
    if (numbers.size() != 2 || !numbers[0].containsOnly("-0123456789") ||
        !numbers[1].containsOnly("-0123456789") || numbers[0].isEmpty() || numbers[1].isEmpty())
        return std::nullopt;
    return juce::Point<int>(numbers[0].getIntValue(), numbers[1].getIntValue());
}

}  // namespace

WindowMemory::State WindowMemory::read() {
    State state;
    state.position = readPosition();
    state.alwaysOnTop = readFlag("AlwaysOnTop");
    state.shade = readFlag("WindowShade");
    state.tooltips = readFlag("Tooltips");
    state.unit = RegistryValue::panelValue("Unit").read({});
    return state;
}

void WindowMemory::store(const State& state) {
    if (state.position)
        RegistryValue::panelValue("Window").write(juce::String(state.position->x) + " " +
                                                  juce::String(state.position->y));
    storeFlag("AlwaysOnTop", state.alwaysOnTop);
    storeFlag("WindowShade", state.shade);
    storeFlag("Tooltips", state.tooltips);
    RegistryValue::panelValue("Unit").write(state.unit);
}

int WindowMemory::readSize() {
    const juce::String text = RegistryValue::panelValue("Size").read({});
    return text.containsOnly("0123456789") ? text.getIntValue() : 0;
}

void WindowMemory::storeSize(int percent) {
    RegistryValue::panelValue("Size").write(juce::String(percent));
}

// The title bar is what the user grabs: it must be reachable.
juce::Rectangle<int> WindowMemory::placeOnScreens(juce::Rectangle<int> window,
                                                  const juce::Array<juce::Rectangle<int>>& screens,
                                                  juce::Rectangle<int> mainScreen) {
    const juce::Rectangle<int> titleBar = window.withHeight(23).reduced(40, 0);
    for (const juce::Rectangle<int>& screen : screens)
        if (screen.contains(titleBar))
            return window;
    return window.withCentre(mainScreen.getCentre());
}
