#include "RemoteSettings.h"

#include "RegistryValue.h"

// A stored port that is no port reads as the default.
RemoteSettings::State RemoteSettings::read() {
    State state;
    state.on = RegistryValue::panelValue("Remote").read("0") == "1";
    const juce::String port = RegistryValue::panelValue("RemotePort").read({});
    const int number = port.getIntValue();
    if (port.containsOnly("0123456789") && number >= 1 && number <= 65535)
        state.port = number;
    return state;
}

void RemoteSettings::store(const State& state) {
    RegistryValue::panelValue("Remote").write(state.on ? "1" : "0");
    RegistryValue::panelValue("RemotePort").write(juce::String(state.port));
}
