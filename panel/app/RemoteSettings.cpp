#include "RemoteSettings.h"

#include "RegistryValue.h"

namespace {

RegistryValue value(const char* name) {
    return RegistryValue(juce::String("HKEY_CURRENT_USER\\Software\\Brantel\\Lumora ") + name);
}

}  // namespace

// A stored port that is no port reads as the default.
RemoteSettings::State RemoteSettings::read() {
    State state;
    state.on = value("Remote").read("0") == "1";
    const juce::String port = value("RemotePort").read({});
    const int number = port.getIntValue();
    if (port.containsOnly("0123456789") && number >= 1 && number <= 65535)
        state.port = number;
    return state;
}

void RemoteSettings::store(const State& state) {
    value("Remote").write(state.on ? "1" : "0");
    value("RemotePort").write(juce::String(state.port));
}
