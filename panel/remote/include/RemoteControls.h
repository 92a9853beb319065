#pragma once
#include <string>
#include <vector>

// The controls a remote client may read and set, by the names scripts use
// ("main.fader") and the OSC addresses ("/lumora/main/fader"). Each stands
// for one entry of a mix, so the panel reads and sets it like a mix does.
struct RemoteControl {
    // How the control's 0 to 255 value reads: a fader or level knob
    // ((value >> 1) - 127 dB), a gain (-21 to +24 dB), a pan, a switch.
    enum Kind { Level, Gain, Pan, Switch };
    const char* name;
    const char* mixKey;
    Kind kind;

    std::string address() const;
    // Faders, level knobs and gains also take and report decibels.
    bool hasDecibels() const { return kind == Level || kind == Gain; }
};

namespace RemoteControls {

// The port the panel listens on unless told another.
constexpr int kDefaultPort = 7770;
constexpr const char* kPrefix = "/lumora/";
constexpr const char* kDecibelSuffix = "/db";

const std::vector<RemoteControl>& all();
// By script name ("strip.1.left.pan"); nullptr for none.
const RemoteControl* byName(const std::string& name);
// By OSC address without the "/db" suffix; nullptr for none.
const RemoteControl* byAddress(const std::string& address);
const RemoteControl* byMixKey(const std::string& mixKey);

}  // namespace RemoteControls
