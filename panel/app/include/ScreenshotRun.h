#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class MainWindow;

// Pictures of the panel without anyone at the screen: once the units have
// been read, the whole window (title bar included) goes to panel.png, then
// window-shade mode is entered and the strip goes to winshade.png, each in the
// device pixels the screen shows (1450 pixels wide at 200 %). Timer steps, so
// the message loop runs between them and the meters move.
class ScreenshotRun : private juce::Timer {
public:
    static constexpr int kSettleMs = 800;

    // done gets the two files written, empty when a file could not be written.
    ScreenshotRun(MainWindow& window, juce::File folder,
                  std::function<void(const juce::StringArray& written)> done);
    ~ScreenshotRun() override;

    static bool writeSnapshot(juce::Component& component, const juce::File& file);
    // Device pixels per logical pixel of the component on its screen.
    static float deviceScale(const juce::Component& component);

private:
    void timerCallback() override;

    MainWindow& window_;
    juce::File folder_;
    std::function<void(const juce::StringArray&)> done_;
    juce::StringArray written_;
    int step_ = 0;
};
