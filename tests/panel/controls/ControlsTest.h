#pragma once
#include "AvcFrameLog.h"
#include "AvcUnit.h"
#include "SimBusTest.h"
#include "SimUnitSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

using Frame = SentFrame;

// A control test on a private simulated unit, with the AV/C frames that
// reached it and a message loop to let timers and async messages run.
class ControlsTest : public SimBusTest {
protected:
    ControlsTest() {
        model_.ConnectAtStart();
        AvcFrameLog::take();
    }

    // A unit setting as the unit holds it, written or still on its way to the bus file.
    std::string unitSetting(const std::string& key) {
        SimUnitSettings::instance().flush();
        return unitKey(1, key);
    }
    void setUnitSetting(const std::string& key, const std::string& value) {
        SimUnitSettings::instance().flush();
        setUnitKey(1, key, value);
    }

    static std::vector<Frame> sentFrames() { return AvcFrameLog::take(); }
    static void pump(int milliseconds = 100) {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
    }

    AvcFrameLog log_;
    CDeviceModel model_;
    AvcUnit unit_{model_};
};

// Counts the change messages of a broadcaster.
class ChangeCounter : public juce::ChangeListener {
public:
    explicit ChangeCounter(juce::ChangeBroadcaster& source) : source_(source) {
        source_.addChangeListener(this);
    }
    ~ChangeCounter() override { source_.removeChangeListener(this); }
    void changeListenerCallback(juce::ChangeBroadcaster*) override { ++count; }
    int count = 0;

private:
    juce::ChangeBroadcaster& source_;
};

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

// The component drawn on a transparent image of its own size.
inline juce::Image render(juce::Component& component) {
    return component.createComponentSnapshot(component.getLocalBounds(), false);
}

// Every pixel that is solid in the full-strength rendering must carry the
// given share of its alpha in the faded one.
inline void expectFaded(const juce::Image& full, const juce::Image& faded, float share) {
    int checked = 0;
    for (int y = 0; y < full.getHeight(); ++y)
        for (int x = 0; x < full.getWidth(); ++x) {
            const int alpha = full.getPixelAt(x, y).getAlpha();
            if (alpha < 200)
                continue;
            ++checked;
            EXPECT_NEAR(faded.getPixelAt(x, y).getAlpha(), alpha * share, 2.0)
                << "pixel " << x << "," << y;
        }
    EXPECT_GT(checked, 20) << "the rendering has solid pixels to compare";
}
