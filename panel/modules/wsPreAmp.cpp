#include "wsPreAmp.h"

wsPreAmp::wsPreAmp(AvcUnit& unit, int channel)
    : PreampSection(unit, channel,
                    Layout{{122, 11}, {122, 79}, {122, 45}, {20, 44, 43, 43}, false}) {}
