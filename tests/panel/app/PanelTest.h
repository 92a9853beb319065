#pragma once
#include "AvcFrameLog.h"
#include "AvcUnit.h"
#include "DeviceSettings.h"
#include "PanelState.h"
#include "SimBusTest.h"
#include "SimRequestLog.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

using Frame = SentFrame;

// A panel test on a private simulated bus: the driver model of its own, the
// requests that reached the bus, and a message loop for timers and messages.
class PanelTest : public SimBusTest {
protected:
    // The AV/C frames sent to units since the last call.
    static std::vector<Frame> sentFrames() { return AvcFrameLog::take(); }
    static void pump(int milliseconds = 60) {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
    }
    // Runs the message loop until the condition holds, at most two seconds.
    static bool pumpUntil(const std::function<bool()>& condition) {
        for (int waited = 0; waited < 2000; waited += 20) {
            if (condition())
                return true;
            pump(20);
        }
        return condition();
    }

    AvcFrameLog log_;
    CDeviceModel model_;
};

// The frame of VendorCommand4: vendor-dependent CONTROL, company 00 13 A2,
// sub-command 4, arguments 0 and 0.
inline const Frame kVendorCommand4{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x04, 0x00, 0x00};

// Collects the action messages of a broadcaster.
class ActionLog : public juce::ActionListener {
public:
    explicit ActionLog(juce::ActionBroadcaster& source) : source_(source) {
        source_.addActionListener(this);
    }
    ~ActionLog() override { source_.removeActionListener(this); }
    void actionListenerCallback(const juce::String& message) override { messages.add(message); }
    juce::StringArray messages;

private:
    juce::ActionBroadcaster& source_;
};
