#include "ModuleTest.h"

#include "SimRequestLog.h"

#include <algorithm>
#include <cstring>
#include <juce_events/juce_events.h>

namespace {
constexpr uint32_t kAvcCommand = 0x80883004;
}

ModuleTest::ModuleTest() {
    model_.ConnectAtStart();
    SimRequestLog::start();
}

ModuleTest::~ModuleTest() {
    SimRequestLog::stop();
}

Frames ModuleTest::sentFrames() {
    Frames frames;
    for (const SimRequestLog::Entry& entry : SimRequestLog::take()) {
        if (!entry.unit || entry.code != kAvcCommand)
            continue;
        uint32_t length = 0;
        std::memcpy(&length, entry.input.data() + 4, 4);
        frames.emplace_back(entry.input.begin() + 8, entry.input.begin() + 8 + length);
    }
    return frames;
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
