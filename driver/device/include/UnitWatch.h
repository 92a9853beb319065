#pragma once
#include "DeviceModel.h"
#include "LevelReader.h"

// What one presence poll found.
enum PresencePollResult {
    POLL_LEVELS_VALID = 0,
    POLL_NO_LEVELS = 1,  // driver or unit not reachable, or the read failed
    POLL_UNITS_CHANGED = 2,
};

// One tick of the unit watch (every 25 ms on the message thread): notices
// units coming and going, re-connects the driver when they come back, and
// reads the selected unit's levels into the reader.
PresencePollResult PresencePoll(LevelReader& reader, CDeviceModel& model = TheDeviceModel());
