#include "ControlPanel.h"

#include "DeviceSettings.h"

namespace {

const juce::StringArray kRates{"44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"};
const juce::StringArray kLatencies{"1.5 ms", "2.0 ms", "2.5 ms",  "3.0 ms",  "3.5 ms",  "4.0 ms",
                                   "6.0 ms", "8.0 ms", "10.0 ms", "12.0 ms", "18.0 ms", "25.0 ms"};

}  // namespace

ControlPanel::ControlPanel(DeviceSettings& settings) : settings_(settings) {
    setUpBox(sampleRate_, 4, kRates);
    setUpBox(latency_, 48, kLatencies);
    refreshFromDriver();
    sampleRate_.addListener(this);
    latency_.addListener(this);
}

void ControlPanel::refreshFromDriver() {
    DWORD index = 0;
    if (settings_.GetSampleRateIndex(&index))
        sampleRate_.setSelectedId(int(index) + 1, juce::dontSendNotification);
    else
        sampleRate_.setText(kNoDevice, juce::dontSendNotification);
    if (settings_.GetLatencyIndex(&index))
        latency_.setSelectedId(int(index) + 1, juce::dontSendNotification);
    else
        latency_.setSelectedId(0, juce::dontSendNotification);
}

ControlPanel::~ControlPanel() {
    sampleRate_.removeListener(this);
    latency_.removeListener(this);
    sampleRate_.setLookAndFeel(nullptr);
    latency_.setLookAndFeel(nullptr);
}

void ControlPanel::setUpBox(juce::ComboBox& box, int y, const juce::StringArray& entries) {
    addAndMakeVisible(box);
    box.setBounds(0, y, 70, 20);
    box.addItemList(entries, 1);
    box.setLookAndFeel(&look_);
}

void ControlPanel::comboBoxChanged(juce::ComboBox* box) {
    if (box == &sampleRate_)
        sampleRateChosen();
    else if (box == &latency_)
        latencyChosen();
}

// A refused rate leaves the driver's own in force: show that one again.
void ControlPanel::sampleRateChosen() {
    const int id = sampleRate_.getSelectedId();
    if (id > 0 && !settings_.SetSampleRateIndex(DWORD(id - 1)))
        refreshFromDriver();
}

void ControlPanel::latencyChosen() {
    const int id = latency_.getSelectedId();
    if (id > 0 && !settings_.SetLatencyIndex(DWORD(id - 1)))
        refreshFromDriver();
}
