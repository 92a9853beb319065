#include "ControlValues.h"

#include <cstdlib>
#include <sstream>

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The unit keeps a level in steps of two values, a gain in half decibels
// (about three values): a value read back may lie that far off the one sent.
int rounding(const std::string& name) {
    if (endsWith(name, ".fader") || name == "headphones")
        return 1;
    if (endsWith(name, ".gain") || name.rfind("line.", 0) == 0)
        return 3;
    return 0;
}

// A linked pair is panned hard left and right whenever the panel reads it
// from a unit, wherever its pans were turned meanwhile.
bool panOfLinkedPair(const ControlValues& shown, const std::string& name) {
    if (name.rfind("strip.", 0) != 0 || !endsWith(name, ".pan"))
        return false;
    const std::string pair = name.substr(0, name.find('.', std::string("strip.").size()));
    return shown.value(pair + ".link") == 1;
}

}  // namespace

ControlValues ControlValues::parse(const std::string& listing) {
    ControlValues controls;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name;
        int value = 0;
        if (words >> name >> value)
            controls.values_[name] = value;
    }
    return controls;
}

std::optional<int> ControlValues::value(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::string> ControlValues::differences(const ControlValues& shown,
                                                    const ControlValues& readBack) {
    std::vector<std::string> lines;
    for (const auto& [name, value] : shown.values_) {
        const std::optional<int> held = readBack.value(name);
        if (!held)
            lines.push_back(name + ": shown " + std::to_string(value) + ", not read back");
        else if (std::abs(*held - value) > rounding(name) && !panOfLinkedPair(shown, name))
            lines.push_back(name + ": shown " + std::to_string(value) + ", the unit holds " +
                            std::to_string(*held));
    }
    for (const auto& [name, value] : readBack.values_)
        if (!shown.value(name))
            lines.push_back(name + ": not shown, the unit holds " + std::to_string(value));
    return lines;
}
