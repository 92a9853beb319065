#pragma once
#include "AvcFrameLog.h"
#include "AvcUnit.h"
#include "DeviceModel.h"
#include "PanelState.h"
#include "SimBusTest.h"

#include <cstdint>
#include <vector>

using Frame = SentFrame;
using Frames = std::vector<Frame>;

// A module test on a private bus with its unit connected, recording the AV/C
// frames that reach the simulated unit.
class ModuleTest : public SimBusTest {
protected:
    ModuleTest();

    // The AV/C frames sent since the last call, in order.
    static Frames sentFrames();
    // Runs the message loop, where the deferred senders and button messages act.
    static void pump(int milliseconds = 40);
    // Runs the message loop until at least this many frames went out (two
    // seconds at most, for a loaded machine), then a little longer, so that a
    // frame too many shows as well; the frames in order.
    static Frames waitForFrames(size_t count);

    AvcFrameLog log_;
    CDeviceModel model_;
    AvcUnit unit_{model_};
    PanelState state_;
};

// Sorted, for commands whose deferred senders fall due in the same timer tick.
Frames sorted(Frames frames);
