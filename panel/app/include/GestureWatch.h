#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Hears the end of every mouse gesture inside a component and its children
// (a button released, a drag let go, a wheel turned) and calls back once the
// controls have taken it, on the message thread.
class GestureWatch : private juce::MouseListener, private juce::AsyncUpdater {
public:
    GestureWatch(juce::Component& watched, std::function<void()> ended);
    ~GestureWatch() override;

    // A gesture of the keyboard ended (a key let go).
    void keyGestureEnded() { triggerAsyncUpdate(); }

private:
    void mouseUp(const juce::MouseEvent& event) override;
    void mouseWheelMove(const juce::MouseEvent& event,
                        const juce::MouseWheelDetails& wheel) override;
    void handleAsyncUpdate() override;

    juce::Component& watched_;
    std::function<void()> ended_;
};
