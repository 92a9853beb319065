#pragma once
#include "StatusAdvice.h"
#include "TransferClock.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The update itself: the Update button, the progress bar with the phase in
// words, the transfer rate and the time left, and at the end the outcome with
// what to do next, and the offer to restart the computer when the library
// asks for it.
class ProgressPanel : public juce::Component {
public:
    ProgressPanel();
    ~ProgressPanel() override;

    void setUpdateEnabled(bool enabled);
    void showReady(const juce::String& text);
    void showProgress(uint32_t done, uint32_t total, const TransferClock& clock);
    void showEnd(const StatusAdvice& advice, const juce::String& readBack);

    juce::TextButton& getUpdateButton() { return update_; }
    juce::TextButton& getRestartButton() { return restart_; }
    juce::Label& getPhase() { return phase_; }
    juce::Label& getDetail() { return detail_; }
    juce::Label& getNext() { return next_; }
    double getProgress() const { return progress_; }

    std::function<void()> onUpdate;
    std::function<void()> onRestart;

    void resized() override;

private:
    juce::TextButton update_{"Update"};
    juce::TextButton restart_{"Restart computer"};
    double progress_ = 0.0;
    juce::ProgressBar bar_{progress_};
    juce::Label phase_;
    juce::Label detail_;
    juce::Label next_;
};
