#pragma once
#include "RemoteControls.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <map>
#include <string>

class MainComp;

// The main component's controls as a remote client reaches them: each set
// moves the control as a user's move does (the unit gets the command through
// the control's own sender, a linked partner follows), and a disabled
// control, like a greyed one under the mouse, refuses it.
class RemotePanel {
public:
    explicit RemotePanel(MainComp& main);

    bool setControl(const RemoteControl& control, int value);
    // Every control's value by its name, and "unit.select" (1 to 4, 0 for none).
    std::map<std::string, int> values();
    std::array<double, 8> levels();
    // Changes the values that clients are told, after they are read from the
    // main component (the shade strip's own, while it is shown).
    std::function<void(juce::PropertySet&)> overlay;

    bool selectUnit(int unit);
    bool loadMix(const juce::File& file);
    bool saveMix(const juce::File& file);
    bool recallSnapshot(int slot);
    // The controls set since the last call become one step to undo.
    void recordStep();

private:
    struct Binding {
        juce::Component* component;
        std::function<void(int)> set;
    };

    void bindControls();
    void bind(const char* mixKey, juce::Component& component, std::function<void(int)> set);

    MainComp& main_;
    std::map<std::string, Binding> bindings_;
};
