#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class UpdaterWindow;

// Pictures of the updater without anyone at the screen, as a person would see
// the window: the file chosen and checked (file.png), the update running
// (running.png), and its end with the unit read back (done.png). The update
// starts without the question. Each wait is bounded; a step that runs out of
// time is the end, with what was written so far.
class ScreenshotSteps : private juce::Timer {
public:
    static constexpr int kStepMs = 50;
    static constexpr int kCheckLimitMs = 15000;
    static constexpr int kUpdateLimitMs = 300000;
    // The bar glides to a new value; this long it has reached 40 %.
    static constexpr int kBarSettleMs = 700;

    // done gets the files written and whether the update ended in success.
    ScreenshotSteps(UpdaterWindow& window, juce::File folder,
                    std::function<void(const juce::StringArray& written, bool updated)> done);
    ~ScreenshotSteps() override;

    static bool writeSnapshot(juce::Component& component, const juce::File& file);

private:
    enum class Step { Checking, Running, Settling, Ending };

    void timerCallback() override;
    void snap(const char* name);
    void end(bool updated);
    bool transferHalfway();

    UpdaterWindow& window_;
    juce::File folder_;
    std::function<void(const juce::StringArray&, bool)> done_;
    juce::StringArray written_;
    Step step_ = Step::Checking;
    int waitedMs_ = 0;
};
