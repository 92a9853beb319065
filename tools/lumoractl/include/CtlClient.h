#pragma once
#include <juce_osc/juce_osc.h>

#include <deque>
#include <memory>
#include <optional>

// lumoractl's end of the conversation: sends to the panel's port on
// 127.0.0.1 and hears its replies on a port of its own.
class CtlClient : private juce::OSCReceiver::Listener<juce::OSCReceiver::RealtimeCallback> {
public:
    explicit CtlClient(int panelPort);
    ~CtlClient() override;

    // False when no local port could be had.
    bool open();
    int replyPort() const { return socket_ != nullptr ? socket_->getBoundPort() : 0; }
    bool send(const juce::OSCMessage& message);
    // The next reply within the time, or none.
    std::optional<juce::OSCMessage> next(int milliseconds);

private:
    void oscMessageReceived(const juce::OSCMessage& message) override;

    int panelPort_;
    std::unique_ptr<juce::DatagramSocket> socket_;
    juce::OSCReceiver receiver_;
    juce::OSCSender sender_;
    juce::CriticalSection lock_;
    juce::WaitableEvent arrived_;
    std::deque<juce::OSCMessage> replies_;
};
