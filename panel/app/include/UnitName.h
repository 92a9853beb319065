#pragma once
#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

// The name label under a unit button. Its editor takes at most the six
// characters a unit stores, and a committed edit is told to the change
// listeners (the unit selector), which write it to the unit.
class UnitName : public juce::Label, public juce::ChangeBroadcaster {
public:
    UnitName();
    ~UnitName() override = default;

protected:
    juce::TextEditor* createEditorComponent() override;
    void textWasEdited() override;
};
