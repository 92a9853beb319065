#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// The harness's window around its view. When given a time it quits after it,
// saving a PNG of the view first when given a file.
class HarnessWindow : public juce::DocumentWindow, private juce::Timer {
public:
    HarnessWindow(double quitAfterSeconds, const juce::String& screenshot);
    ~HarnessWindow() override;

    void closeButtonPressed() override;

private:
    void timerCallback() override;
    bool saveScreenshot();

    juce::String screenshot_;
};
