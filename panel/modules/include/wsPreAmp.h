#pragma once
#include "PreampSection.h"

// The input preamp as the window-shade strip shows it: the switches in a
// column beside the knob, and no knob tooltip.
class wsPreAmp : public PreampSection {
public:
    wsPreAmp(AvcUnit& unit, int channel);
    ~wsPreAmp() override = default;
};
