#include "ProgressPanel.h"

#include "ProgressText.h"
#include "UpdaterLook.h"

ProgressPanel::ProgressPanel() {
    update_.setTitle("Update");
    update_.setDescription("Writes the chosen firmware file into the chosen unit, after asking");
    update_.setExplicitFocusOrder(4);
    update_.onClick = [this] {
        if (onUpdate)
            onUpdate();
    };
    update_.setEnabled(false);
    addAndMakeVisible(update_);
    restart_.setTitle("Restart the computer");
    restart_.setDescription("The library asks for a restart before the unit works again");
    restart_.setExplicitFocusOrder(5);
    restart_.onClick = [this] {
        if (onRestart)
            onRestart();
    };
    addChildComponent(restart_);
    bar_.setTitle("Update progress");
    bar_.setPercentageDisplay(true);
    addAndMakeVisible(bar_);
    phase_.setTitle("Phase");
    phase_.setFont(juce::Font(15.0f, juce::Font::bold));
    addAndMakeVisible(phase_);
    detail_.setTitle("Transfer rate and time left");
    addAndMakeVisible(detail_);
    next_.setTitle("What to do next");
    next_.setJustificationType(juce::Justification::topLeft);
    addAndMakeVisible(next_);
}

ProgressPanel::~ProgressPanel() = default;

void ProgressPanel::resized() {
    auto area = getLocalBounds();
    auto buttons = area.removeFromLeft(140);
    update_.setBounds(buttons.removeFromTop(30));
    buttons.removeFromTop(10);
    restart_.setBounds(buttons.removeFromTop(30));
    area.removeFromLeft(10);
    bar_.setBounds(area.removeFromTop(26));
    area.removeFromTop(4);
    phase_.setBounds(area.removeFromTop(22));
    detail_.setBounds(area.removeFromTop(20));
    next_.setBounds(area);
}

void ProgressPanel::setUpdateEnabled(bool enabled) {
    update_.setEnabled(enabled);
}

void ProgressPanel::showReady(const juce::String& text) {
    progress_ = 0.0;
    restart_.setVisible(false);
    phase_.setColour(juce::Label::textColourId, UpdaterLook::text());
    phase_.setText(text, juce::dontSendNotification);
    detail_.setText({}, juce::dontSendNotification);
    next_.setText({}, juce::dontSendNotification);
}

void ProgressPanel::showProgress(uint32_t done, uint32_t total, const TransferClock& clock) {
    progress_ = total ? double(done) / double(total) : 0.0;
    phase_.setColour(juce::Label::textColourId, UpdaterLook::amber());
    phase_.setText(ProgressText::Phase(done, total), juce::dontSendNotification);
    detail_.setText(ProgressText::Rate(clock, done, total), juce::dontSendNotification);
    next_.setText("The unit restarts and its audio stops. Do not unplug the unit or switch it off.",
                  juce::dontSendNotification);
}

void ProgressPanel::showEnd(const StatusAdvice& advice, const juce::String& readBack) {
    if (advice.success)
        progress_ = 1.0;
    phase_.setColour(juce::Label::textColourId,
                     advice.success ? UpdaterLook::good() : UpdaterLook::bad());
    phase_.setText(advice.headline, juce::dontSendNotification);
    detail_.setText(advice.status, juce::dontSendNotification);
    next_.setText(readBack.isEmpty() ? juce::String(advice.next) : readBack + "\n" + advice.next,
                  juce::dontSendNotification);
    restart_.setVisible(advice.offerRestart);
}
