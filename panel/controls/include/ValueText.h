#pragma once
#include <juce_core/juce_core.h>

// The words a screen reader says for a control's value. Each takes the
// control's 0 to 255 value and follows the encoding the unit applies to it,
// so what is read out is what the unit does.
namespace ValueText {

// Preamp and line gain, -21 to +24 dB in half decibels: "+12.5 dB", "0 dB", "-21 dB".
juce::String gain(double value);
// Faders and level knobs, (value >> 1) - 127 dB: "0 dB", "-27 dB", "-127 dB".
juce::String level(double value);
// Pan, 128 the centre: "centre", "20 % left", "100 % right".
juce::String pan(double value);
// Pan in short, as a readout shows it: "C", "L 20 %", "R 100 %".
juce::String panShort(double value);
// A switch: "on" or "off".
juce::String onOff(bool on);
// A held peak in whole decibels below full scale, as the number under a
// meter shows it: "-6", "0"; empty for silence.
juce::String peak(double display);
// A meter's display position (0 full scale, 255 silent) in decibels below full
// scale, with "clip" when the peak sits in the clip zone: "-6.1 dB", "silent".
juce::String meter(double display, bool clipped);

}  // namespace ValueText
