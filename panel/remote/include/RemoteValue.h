#pragma once
#include "RemoteControls.h"

#include <optional>
#include <string>

// A remote control's value: the control's own 0 to 255 scale (switches 0 or
// 1), or decibels for faders, level knobs and gains, in the steps the unit
// takes. Anything outside what the control can show is refused, not clamped.
namespace RemoteValue {

// The whole-number value the control takes, or none when out of range.
std::optional<int> fromRaw(const RemoteControl& control, double raw);
std::optional<int> fromDecibels(const RemoteControl& control, double db);
double toDecibels(const RemoteControl& control, int value);
// A value as a person types it: "200", "-6dB", "-6 dB", "+3.5dB", and for
// switches also "on", "off", "true", "false".
std::optional<int> parse(const RemoteControl& control, const std::string& text);
// "-6 dB", "+12.5 dB", "centre", "20 % left", "on".
std::string describe(const RemoteControl& control, int value);

}  // namespace RemoteValue
