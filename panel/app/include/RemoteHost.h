#pragma once
#include "RemotePanel.h"
#include "RemoteServer.h"
#include "RemoteSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// The remote control of one window: the panel's controls, the OSC server,
// and the "Remote Control..." dialog whose choice is remembered.
class RemoteHost {
public:
    explicit RemoteHost(MainComp& main);

    // Listens as the remembered choice says (the start of the program).
    void listenAsRemembered();
    // Listens on this port for this run; false when the port cannot be had.
    bool listen(int port);
    int getPort() const { return server_.getPort(); }
    // Called before and after each turn of remote commands, which may change the panel.
    void onTurnStart(std::function<void()> callback) { server_.onTurnStart = std::move(callback); }
    void onTurn(std::function<void()> callback) { server_.onTurn = std::move(callback); }
    // Changes the values that clients are told after they are read from the panel.
    void overlayValues(std::function<void(juce::PropertySet&)> overlay) {
        panel_.overlay = std::move(overlay);
    }
    // Port and on/off, asked without blocking the window.
    void showDialog();

private:
    void chosen(int button, const juce::String& port);
    void tell(const juce::String& text);

    MainComp& main_;
    RemotePanel panel_;
    RemoteServer server_;
};
