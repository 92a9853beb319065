#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

// The panel's controls as `lumoractl list` prints them ("main.fader 255 (0 dB)"),
// read as each control's value: 0-255, switches 0 or 1, the selected unit 1-4.
class ControlValues {
public:
    static ControlValues parse(const std::string& listing);

    bool empty() const { return values_.empty(); }
    std::optional<int> value(const std::string& name) const;

    // The controls whose read-back value differs from the shown one by more
    // than the unit's encoding rounds it, one line each ("strip.1.left.fader:
    // shown 200, the unit holds 120"), a control missing from either side too.
    // The pans of a pair shown linked are not compared.
    static std::vector<std::string> differences(const ControlValues& shown,
                                                const ControlValues& readBack);

private:
    std::map<std::string, int> values_;
};
