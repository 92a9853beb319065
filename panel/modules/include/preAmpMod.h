#pragma once
#include "PreampSection.h"

// The input preamp as the main view shows it, with the knob's tooltip
// "Adjusts the gain of Mic/Inst " and the channel number.
class preAmpMod : public PreampSection {
public:
    preAmpMod(AvcUnit& unit, int channel);
    ~preAmpMod() override = default;
};
