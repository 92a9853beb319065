#pragma once
#include "RemoteInbox.h"
#include "RemoteTarget.h"

#include <juce_events/juce_events.h>
#include <juce_osc/juce_osc.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

class RemotePanel;

// The panel's OSC remote control: listens on 127.0.0.1 only, takes each
// message on the network thread into the inbox and carries the commands out
// on the message thread, so a flood costs the window one batch of latest
// values. Subscribed clients hear every later change of a control, whoever
// made it, and the eight levels 20 times a second.
class RemoteServer : public RemoteTarget,
                     private juce::OSCReceiver::Listener<juce::OSCReceiver::RealtimeCallback>,
                     private juce::AsyncUpdater,
                     private juce::Timer {
public:
    static constexpr int kFeedbackMilliseconds = 50;
    static constexpr size_t kMaxClients = 16;

    explicit RemoteServer(RemotePanel& panel);
    ~RemoteServer() override;

    // False when the port cannot be had (in use, or not a port).
    bool listen(int port);
    void stop();
    int getPort() const { return port_; }
    // Called before and after each turn of commands, on the message thread.
    std::function<void()> onTurnStart;
    std::function<void()> onTurn;

    bool setControl(const RemoteControl& control, int value) override;
    bool selectUnit(int unit) override;
    bool loadMix(const std::string& path) override;
    bool saveMix(const std::string& path) override;
    bool recallSnapshot(int slot) override;
    void controlsSet() override;
    void subscribe(int port, bool meters, bool on) override;
    void dump(int port) override;
    void ping(int port) override;

private:
    void oscMessageReceived(const juce::OSCMessage& message) override;
    void oscBundleReceived(const juce::OSCBundle& bundle) override;
    void handleAsyncUpdate() override;
    void timerCallback() override;
    void sendChanges();
    void sendLevels();
    void sendValue(int port, const std::string& name, int value);
    void send(int port, const juce::OSCMessage& message);
    void refuse(const std::string& address);

    RemotePanel& panel_;
    RemoteInbox inbox_;
    // Taken from the inbox, waiting for their turn on the message thread.
    std::deque<RemoteCommand> due_;
    std::unique_ptr<juce::DatagramSocket> socket_;
    juce::OSCReceiver receiver_;
    juce::OSCSender sender_;
    std::set<int> clients_;
    std::set<int> meterClients_;
    std::map<std::string, int> sent_;
    int port_ = 0;
};
