#include "LogSwitch.h"

#include "MixFile.h"
#include "UpdaterLook.h"

// Beside the panel's mixes, in the folder a person already knows.
juce::File LogSwitch::defaultFile() {
    return MixFile::mixFolder().getChildFile("lumora_update.log");
}

LogSwitch::LogSwitch() : file_(defaultFile()) {
    switch_.setTitle("Diagnostic log");
    switch_.setDescription("Makes the download library write what it does into a file");
    switch_.setExplicitFocusOrder(6);
    switch_.onClick = [this] {
        if (onSwitch)
            onSwitch(switch_.getToggleState(), file_);
    };
    addAndMakeVisible(switch_);
    path_.setTitle("Log file");
    path_.setColour(juce::Label::textColourId, UpdaterLook::text().withAlpha(0.65f));
    path_.setMinimumHorizontalScale(0.6f);
    addAndMakeVisible(path_);
    show_.setTitle("Show the log file");
    show_.setExplicitFocusOrder(7);
    show_.onClick = [this] { file_.revealToUser(); };
    addAndMakeVisible(show_);
    showState(false, file_, false);
}

LogSwitch::~LogSwitch() = default;

void LogSwitch::resized() {
    auto area = getLocalBounds();
    switch_.setBounds(area.removeFromLeft(140));
    show_.setBounds(area.removeFromRight(100).reduced(0, 1));
    path_.setBounds(area.reduced(6, 0));
}

void LogSwitch::showState(bool on, const juce::File& file, bool failed) {
    file_ = file;
    switch_.setToggleState(on, juce::dontSendNotification);
    juce::String text = failed ? "Cannot write the log to " : on ? "Logging to " : "Off; logs to ";
    path_.setText(text + file.getFullPathName(), juce::dontSendNotification);
    show_.setEnabled((on && !failed) || file.existsAsFile());
}
