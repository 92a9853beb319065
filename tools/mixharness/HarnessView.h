#pragma once
#include "AvcUnit.h"
#include "MixMod.h"
#include "PanelState.h"
#include "preAmpMod.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The mixer and both input sections on the panel's background, at their places
// in the main view, live against the selected unit. A change in the set of
// units re-selects unit 0 and reads every section again, as the panel does.
class HarnessView : public juce::Component, private juce::ActionListener {
public:
    HarnessView();
    ~HarnessView() override;

    void paint(juce::Graphics& g) override;
    void refreshFromUnit();

private:
    void actionListenerCallback(const juce::String& message) override;

    juce::Image background_;
    AvcUnit unit_;
    PanelState state_;
    preAmpMod input1_;
    preAmpMod input2_;
    MixMod mixer_;
};
