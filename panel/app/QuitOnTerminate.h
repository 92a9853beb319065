#pragma once
#include <juce_events/juce_events.h>

// Ends the panel as its close button does when the process is asked to stop
// (SIGTERM from a session manager, a service or a test), so the window is
// destroyed and the units' settings are written before the process exits.
// The signal handler only sets a flag; a timer on the message thread quits.
class QuitOnTerminate : private juce::Timer {
public:
    QuitOnTerminate();
    ~QuitOnTerminate() override;

private:
    void timerCallback() override;
};
