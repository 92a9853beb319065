#pragma once
#include <juce_gui_basics/juce_gui_basics.h>

// Puts a painted frame on the screen. On X, JUCE hands a frame to the server
// as requests that wait in the connection's buffer until something flushes
// it, and nothing does while no event comes in: the frame of a click, or of a
// remote change, could wait there until the mouse moved again. So on the tick
// after a frame was painted, the buffer is flushed. Windows shows a frame as
// it is drawn; there this does nothing.
class FrameFlush {
public:
    explicit FrameFlush(juce::Component& window);

    // From the window's painting: the frame goes out on the next tick.
    void framePainted() { painted_ = true; }

private:
    void onTick();

    bool painted_ = false;
    juce::VBlankAttachment ticks_;
};
