#pragma once
#include "cpStyle.h"

#include <juce_gui_basics/juce_gui_basics.h>

class DeviceSettings;

// The driver's sample rate and latency as two drop-down selectors. Entry k
// of each stands for index k of the driver's tables; JUCE reserves item
// identifier 0 for "nothing selected", so entry k carries the identifier k + 1.
class ControlPanel : public juce::Component, private juce::ComboBox::Listener {
public:
    static constexpr const char* kNoDevice = "No Device";

    explicit ControlPanel(DeviceSettings& settings);
    ~ControlPanel() override;

    // Shows what the driver holds now: after a configuration change, when the
    // window comes to the front, after a refused change. "No Device" while
    // the driver cannot be read.
    void refreshFromDriver();

    juce::ComboBox& getSampleRateBox() { return sampleRate_; }
    juce::ComboBox& getLatencyBox() { return latency_; }

private:
    void comboBoxChanged(juce::ComboBox* box) override;
    void setUpBox(juce::ComboBox& box, int y, const juce::StringArray& entries);
    void sampleRateChosen();
    void latencyChosen();

    DeviceSettings& settings_;
    cpStyle look_;
    juce::ComboBox sampleRate_{"Sample Rate"};
    juce::ComboBox latency_{"Latency"};
};
