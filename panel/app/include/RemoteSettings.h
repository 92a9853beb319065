#pragma once
#include "RemoteControls.h"

// Whether the panel listens for remote control, and on which port, kept in
// the registry beside the window's values: "... Lumora Remote" holds "1" or
// "0", "... Lumora RemotePort" the port (under HKEY_CURRENT_USER\Software\Brantel).
class RemoteSettings {
public:
    struct State {
        bool on = false;
        int port = RemoteControls::kDefaultPort;
    };

    static State read();
    static void store(const State& state);
};
