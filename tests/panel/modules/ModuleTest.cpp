#include "ModuleTest.h"

#include <algorithm>
#include <juce_events/juce_events.h>

ModuleTest::ModuleTest() {
    model_.ConnectAtStart();
    AvcFrameLog::take();
}

Frames ModuleTest::sentFrames() {
    return AvcFrameLog::take();
}

void ModuleTest::pump(int milliseconds) {
    juce::MessageManager::getInstance()->runDispatchLoopUntil(milliseconds);
}

Frames ModuleTest::waitForFrames(size_t count) {
    Frames frames;
    for (int waited = 0; frames.size() < count && waited < 2000; waited += 10) {
        pump(10);
        for (Frame& frame : sentFrames())
            frames.push_back(std::move(frame));
    }
    pump(30);
    for (Frame& frame : sentFrames())
        frames.push_back(std::move(frame));
    return frames;
}

Frames sorted(Frames frames) {
    std::sort(frames.begin(), frames.end());
    return frames;
}
