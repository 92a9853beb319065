#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The library's diagnostic log: a switch, the file it writes, and a button
// that shows the file in the file manager.
class LogSwitch : public juce::Component {
public:
    // lumora_update.log in the panel's Lumora_1394 folder of the user's application data.
    static juce::File defaultFile();

    LogSwitch();
    ~LogSwitch() override;

    // Whether the library took the switch; the file shown either way.
    void showState(bool on, const juce::File& file, bool failed);

    juce::ToggleButton& getSwitch() { return switch_; }
    juce::Label& getPath() { return path_; }
    juce::TextButton& getShowButton() { return show_; }

    // The switch moved: on with the file to write, or off.
    std::function<void(bool on, const juce::File& file)> onSwitch;

    void resized() override;

private:
    juce::ToggleButton switch_{"Diagnostic log"};
    juce::Label path_;
    juce::TextButton show_{"Show file"};
    juce::File file_;
};
