#pragma once
#include <iosfwd>

// A unit's mixer settings as a person reads them: decibels, pan positions,
// switches.
class MixerView {
public:
    static void print(std::ostream& out, int slot);
};
